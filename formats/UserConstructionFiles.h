#pragma once
// The user constructions file set: a chosen path P holds the names, P + "Ld"
// the Ld values and P + "S" the S values, each in its own text file.

#include "formats/UserConstructionList.h"

#include <QString>

namespace UserConstructionFiles {

QString namesPath(const QString& path);
QString ldPath(const QString& path);
QString sPath(const QString& path);

// The lines of one file of the set (CR LF, CR or LF ends); throws FileError
// "Cannot open file ..." when it can't be read, isn't text or passes the
// limits of what a text area takes (DocumentLimits).
QStringList readLines(const QString& file);

// Reads the names, the Ld and the S file into `list`, in this order. A file
// that can't be read stops the load there: the lists read before it stay.
void load(const QString& path, UserConstructionList& list);

// The three column texts of the user constructions window.
struct Columns {
    QString names;
    QString ldValues;
    QString sValues;
};

// Replaces the three files with the column texts, unchanged: all three or
// none, the old files kept until the new ones are in place (FileReplacement).
// Throws FileError with the user's message.
void overwrite(const QString& path, const Columns& columns);

// Adds a lone CR and the column text to the end of each of the three files,
// which must all exist; nothing is written unless all three can be.
void append(const QString& path, const Columns& columns);

} // namespace UserConstructionFiles
