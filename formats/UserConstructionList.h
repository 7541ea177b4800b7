#pragma once
// The user's own constructions: three parallel lists of text lines (names, Ld
// values, S values); entry i is line i of each. Nothing checks their lengths
// or that the values are numbers.

#include <QString>
#include <QStringList>

struct UserConstructionList {
    QStringList names;
    QStringList ldValues;
    QStringList sValues;

    // Line `index` of a list, or the empty text when the list is shorter.
    static QString lineAt(const QStringList& lines, int index);
};

// A column as the user constructions window holds it: its lines joined by
// CR LF, ending with CR LF only when the user left an empty last line.
namespace ColumnText {

// The number of lines, a last empty line not counted: "" 0, "a\r\n" 1, "a\r\nb" 2.
int lineCount(const QString& column);

// The column of a list of lines.
QString fromLines(const QStringList& lines);

} // namespace ColumnText
