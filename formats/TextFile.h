#pragma once
// Text files as the program reads and writes them: Windows-1251 with CR LF,
// UTF-8 recognised on reading, every replacement written whole or not at all.

#include "formats/FileReplacement.h"

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
// "Invalid filename" (a missing folder), "File access denied", "Disk full",
// the system's own words for a folder, a name too long and a device error, ...
QString errorText(int systemError, const QString& path);
// The same for any problem: a FIFO or a device, a file too large.
QString errorText(const FileProblem& problem, const QString& path);
// The reason given for bytes that no text file holds.
QString notTextReason();
// A failure's message on its own: the reason, and the file where a full disk
// would otherwise leave the user guessing which one.
QString failureMessage(const FileProblem& problem, const QString& path);
enum class Access { Reading, Writing };
// What the problem's message leaves unsaid or says wrongly about `path`, in the interface's
// language: the folder that is missing or is a file, a folder where no file can be made, a
// name the system's encoding can't spell. Empty when the message says it all.
QString hiddenCause(const FileProblem& problem, const QString& path, Access access);
// The problem in the words of the program's own messages, for the features whose
// messages speak the interface's language throughout: projects, drawings, the PDF report.
QString reasonInOwnWords(const FileProblem& problem, const QString& path,
                         Access access = Access::Reading);
// "Cannot open file "path". reason".
QString cannotOpenMessage(const QString& path, const QString& reason);

// The largest file that is read: more would freeze the window and fill the memory.
inline constexpr qsizetype maxFileBytes = 10 * 1024 * 1024;

// The raw bytes of a regular file of at most maxFileBytes; throws FileFailure
// "Cannot open file "path". reason", with the hidden cause after the reason.
QByteArray readBytes(const QString& path);
// The same, throwing FileFailure with the bare reason ("File not found").
QByteArray readExisting(const QString& path);
// Bytes that no text file holds: a zero byte, or many other control characters.
bool looksBinary(const QByteArray& bytes);
// The existing bytes followed by the text in the same encoding; a Windows-1251
// file that can't hold the text becomes UTF-8 with a byte-order mark.
QByteArray appendEncoded(const QByteArray& existing, const QString& text);
// The decoded text of a file's bytes; binary bytes are refused with FileError
// "Cannot open file "path". Not a text file".
QString textOf(const QByteArray& bytes, const QString& path);
// The decoded text of a file, line ends as they stand (readBytes, textOf).
QString read(const QString& path);

using Replacement = FileReplacement::Replacement;

// Replaces every file with its bytes, all of them or none (FileReplacement).
void replaceAll(const QList<Replacement>& replacements);

// Replaces one file with the bytes; a failure throws FileError
// "Cannot create file "path". reason", naming the file, with the hidden cause after the reason.
void replaceNamingFile(const QString& path, const QByteArray& bytes);
// The same for the program's own files: FileError "failed "path": reason", the
// reason in Russian (`failed` says what could not be done, "Не удалось сохранить проект").
void replaceOwnFile(const QString& path, const QByteArray& bytes, const QString& failed);

// Replaces one file with the encoded text (line ends as they stand in the text); a failure
// throws FileError naming the reason, the file and what the reason leaves unsaid.
void write(const QString& path, const QString& text);

// The lines joined by CR LF.
QString joinCrLf(const QStringList& lines);

} // namespace TextFile
