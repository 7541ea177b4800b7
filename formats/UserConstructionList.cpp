#include "formats/UserConstructionList.h"

#include "formats/TextFile.h"

QString UserConstructionList::lineAt(const QStringList& lines, int index) {
    return index >= 0 && index < lines.size() ? lines.at(index) : QString();
}

namespace ColumnText {

int lineCount(const QString& column) {
    return int(TextFile::splitLines(column).size());
}

QString fromLines(const QStringList& lines) {
    return TextFile::joinCrLf(lines);
}

} // namespace ColumnText
