#include "formats/RecoveryPlace.h"

#include <QDir>
#include <QFileInfo>

namespace RecoveryPlace {

namespace {

// The user's data folder as the XDG base directories define it; a relative XDG_DATA_HOME
// is ignored, and a home folder that is not there is no place for one.
QString dataFolder() {
    const QString given = qEnvironmentVariable("XDG_DATA_HOME");
    if (QDir::isAbsolutePath(given))
        return given;
#ifdef Q_OS_WIN
    // The user's application data folder (the tests give their own above).
    if (const QString appData = qEnvironmentVariable("APPDATA"); QDir::isAbsolutePath(appData))
        return appData;
#endif
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home) && QFileInfo(home).isDir())
        return QDir(home).filePath(QStringLiteral(".local/share"));
    return {};
}

} // namespace

QString path() {
    const QString folder = dataFolder();
    return folder.isEmpty()
               ? QString()
               : QDir(folder).filePath(QStringLiteral("Vuvuvudozizod/last-calculation.vvz"));
}

} // namespace RecoveryPlace
