#pragma once
// The file calls that differ between the systems, behind one interface: POSIX calls on
// Linux, wide-character Win32 calls on Windows (binary, any Unicode name). Each call
// answers 0 or a system error in errno's numbering (ENOENT, EACCES, ENOSPC, ...), so
// that the messages are the same on both.

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace NativeFile {

// An open file: a descriptor, or a Windows handle.
using Handle = std::intptr_t;
inline constexpr Handle noHandle = -1;

enum class Type { Missing, Regular, Folder, Other };
struct Status {
    Type type = Type::Missing;
    qint64 size = 0;
};

// Opens a file for reading without waiting, so that a FIFO can't hold the window.
int openForReading(const QString& path, Handle& file);
int statusOf(Handle file, Status& status);
// Reads at most `size` bytes; `got` is 0 at the end of the file.
int readSome(Handle file, char* data, qint64 size, qint64& got);
// A new file for writing that no one else holds; EEXIST when the name is taken.
int createNew(const QString& path, Handle& file);
int writeAll(Handle file, const QByteArray& bytes);
// Forces the file's data to the disk.
int flush(Handle file);
int close(Handle file);

// What is at the path, links followed; Type::Missing with 0 when there is nothing.
int statusAt(const QString& path, Status& status);
// 0 when the existing file may be written over, else why not.
int writable(const QString& path);
// Gives the open file the permissions of the file at `model`, where the system has them.
void copyPermissions(const QString& model, Handle file);
int remove(const QString& path);
// Renames `from` over `to` in one step, replacing whatever `to` was.
int replace(const QString& from, const QString& to);
// A second name for the file; fails where the file system has no hard links.
int link(const QString& existing, const QString& name);
// Forces the folder's names to the disk, where the system asks for it (best effort).
void syncFolder(const QString& folder);
// Whether the folder holds a file whose name decodes to `name` but whose bytes are not
// UTF-8, so that it can't be opened by that name (never on Windows: names are UTF-16).
bool spelledOtherwise(const QString& folder, const QString& name);
// Whether two names reach one existing file, a hard link included.
bool sameFile(const QString& first, const QString& second);

} // namespace NativeFile
