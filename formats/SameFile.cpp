#include "formats/SameFile.h"

#include "formats/native/NativeFile.h"

#include <QFileInfo>
#include <QString>

bool isSameFile(const QString& first, const QString& second) {
    if (first.isEmpty() || second.isEmpty())
        return false;
    const QString canonical = QFileInfo(first).canonicalFilePath();
    if (!canonical.isEmpty() && canonical == QFileInfo(second).canonicalFilePath())
        return true;
    return NativeFile::sameFile(first, second);
}
