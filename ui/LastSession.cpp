#include "ui/LastSession.h"

#include "ui/ProjectReplay.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <exception>

namespace LastSession {

QString path() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    // Without a home folder there is no data folder: never the current one instead.
    return folder.isEmpty() ? QString()
                            : QDir(folder).filePath(QStringLiteral("last-calculation.vvz"));
}

bool exists() {
    return !path().isEmpty() && QFileInfo(path()).isFile();
}

void keep(const Forms& forms) noexcept {
    try {
        if (!path().isEmpty() && QDir().mkpath(QFileInfo(path()).absolutePath()))
            ProjectReplay::save(forms, path());
    } catch (const std::exception&) {
        // A full disk or a folder not ours to write: the calculation is not kept.
    }
}

} // namespace LastSession
