#include "formats/UserConstructionFiles.h"

#include "formats/DocumentLimits.h"
#include "formats/TextFile.h"

namespace UserConstructionFiles {

QString namesPath(const QString& path) {
    return path;
}
QString ldPath(const QString& path) {
    return path + QStringLiteral("Ld");
}
QString sPath(const QString& path) {
    return path + QStringLiteral("S");
}

QStringList readLines(const QString& file) {
    const QString text = TextFile::read(file);
    // The lists are shown in text areas and a drop-down list: no more than they take.
    if (const QString problem = DocumentLimits::problem(text); !problem.isEmpty())
        throw FileError(TextFile::cannotOpenMessage(file, problem));
    return TextFile::splitLines(text);
}

void load(const QString& path, UserConstructionList& list) {
    list.names = readLines(namesPath(path));
    list.ldValues = readLines(ldPath(path));
    list.sValues = readLines(sPath(path));
}

void overwrite(const QString& path, const Columns& columns) {
    TextFile::replaceAll({{namesPath(path), TextFile::encode(columns.names)},
                          {ldPath(path), TextFile::encode(columns.ldValues)},
                          {sPath(path), TextFile::encode(columns.sValues)}});
}

void append(const QString& path, const Columns& columns) {
    // All three files are read first, so a missing one stops the append before
    // anything is written.
    const QByteArray names = TextFile::readExisting(namesPath(path));
    const QByteArray ldValues = TextFile::readExisting(ldPath(path));
    const QByteArray sValues = TextFile::readExisting(sPath(path));
    const QChar cr(0x0D);
    TextFile::replaceAll({{namesPath(path), TextFile::appendEncoded(names, cr + columns.names)},
                          {ldPath(path), TextFile::appendEncoded(ldValues, cr + columns.ldValues)},
                          {sPath(path), TextFile::appendEncoded(sValues, cr + columns.sValues)}});
}

} // namespace UserConstructionFiles
