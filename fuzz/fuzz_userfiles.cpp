// Any three files loaded as a user constructions set: the loader never crashes.
// The input is split at its first two zero bytes into the names, Ld and S files.

#include "core/Errors.h"
#include "formats/UserConstructionFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir folder;
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<QByteArray> parts = input.split('\0');
    while (parts.size() < 3)
        parts.append(QByteArray());
    const QString path = QDir(folder.path()).filePath(QStringLiteral("set.rww"));
    writeFile(UserConstructionFiles::namesPath(path), parts[0]);
    writeFile(UserConstructionFiles::ldPath(path), parts[1]);
    writeFile(UserConstructionFiles::sPath(path), parts[2]);
    UserConstructionList list;
    try {
        UserConstructionFiles::load(path, list);
    } catch (const AppError&) {
    }
    for (int i = 0; i < list.names.size() + 1; ++i) {
        UserConstructionList::lineAt(list.ldValues, i);
        UserConstructionList::lineAt(list.sValues, i);
    }
    ColumnText::lineCount(ColumnText::fromLines(list.names));
    return 0;
}
