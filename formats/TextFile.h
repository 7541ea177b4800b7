#pragma once
// Text files as the program reads and writes them: Windows-1251 with CR LF,
// UTF-8 recognised on reading, every replacement written whole or not at all.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace TextFile {

// Windows-1251, or UTF-8 with a byte-order mark when the text holds a
// character that Windows-1251 lacks, so that nothing is lost.
QByteArray encode(const QString& text);

// UTF-8 when the bytes start with its byte-order mark or are valid UTF-8 with
// non-ASCII bytes; Windows-1251 otherwise.
QString decode(const QByteArray& bytes);
bool isUtf8(const QByteArray& bytes);

// Lines ended by CR LF, a lone CR or a lone LF; a line end at the very end
// starts no further line, and the empty text has no lines.
QStringList splitLines(const QString& text);

// The user's message for a system error number on `path`: "File not found",
// "Invalid filename" (a missing folder), "File access denied", "Disk full", ...
QString errorText(int systemError, const QString& path);

// The raw bytes of a file; throws FileError "Cannot open file "path". reason".
QByteArray readBytes(const QString& path);
// The raw bytes of a file; throws FileError with the bare reason ("File not found").
QByteArray readExisting(const QString& path);
// The existing bytes followed by the text in the same encoding; a Windows-1251
// file that can't hold the text becomes UTF-8 with a byte-order mark.
QByteArray appendEncoded(const QByteArray& existing, const QString& text);
// The decoded text of a file, line ends as they stand.
QString read(const QString& path);

struct Replacement {
    QString path;
    QByteArray bytes;
};

// Replaces every file with its bytes, all of them or none: the new contents are
// written beside the old ones first and put in place only when all are ready.
// Throws FileError with the user's message for the first failure.
void replaceAll(const QList<Replacement>& replacements);

// Replaces one file with the encoded text (line ends as they stand in the text).
void write(const QString& path, const QString& text);

// The lines joined by CR LF.
QString joinCrLf(const QStringList& lines);

} // namespace TextFile
