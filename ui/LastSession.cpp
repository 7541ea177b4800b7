#include "ui/LastSession.h"

#include "ui/ProjectReplay.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <exception>

namespace LastSession {

QString path() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
        .filePath(QStringLiteral("last-calculation.vvz"));
}

bool exists() {
    return QFileInfo(path()).isFile();
}

void keep(const Forms& forms) noexcept {
    try {
        if (QDir().mkpath(QFileInfo(path()).absolutePath()))
            ProjectReplay::save(forms, path());
    } catch (const std::exception&) {
        // A full disk or a folder not ours to write: the calculation is not kept.
    }
}

} // namespace LastSession
