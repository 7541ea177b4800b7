#pragma once
// The order text file: a few lines in Windows-1251, each ended by CR LF.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace OrderText {

// The file's bytes: every line followed by CR LF, the last one too. Windows-1251,
// or UTF-8 with a byte-order mark should a line hold a character it lacks.
QByteArray encode(const QStringList& lines);

// Replaces the file with exactly these lines. A failed save leaves any old file
// as it was and throws FileError "Cannot create file "path". reason".
void save(const QString& path, const QStringList& lines);

} // namespace OrderText
