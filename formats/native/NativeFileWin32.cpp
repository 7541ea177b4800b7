#include "formats/native/NativeFile.h"

#include <QDir>

#include <cerrno>
#include <string>
#include <windows.h>

namespace {

std::wstring wide(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

HANDLE handle(NativeFile::Handle file) {
    return reinterpret_cast<HANDLE>(file);
}

NativeFile::Handle opened(HANDLE file) {
    return file == INVALID_HANDLE_VALUE ? NativeFile::noHandle
                                        : reinterpret_cast<NativeFile::Handle>(file);
}

// The Windows error in errno's numbering, so that the messages are those of Linux.
int errnoOf(DWORD error) {
    switch (error) {
    case ERROR_SUCCESS:
        return 0;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return ENOENT;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_TOO_MANY_OPEN_FILES:
        return EMFILE;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_NETWORK_ACCESS_DENIED:
        return EACCES;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
        return EPERM;
    default:
        return EIO;
    }
}

int lastError() {
    return errnoOf(GetLastError());
}

NativeFile::Type typeOf(DWORD attributes) {
    return attributes & FILE_ATTRIBUTE_DIRECTORY ? NativeFile::Type::Folder
                                                 : NativeFile::Type::Regular;
}

} // namespace

namespace NativeFile {

int openForReading(const QString& path, Handle& file) {
    // Folders open too (backup semantics), so that they are told apart from missing files.
    file = opened(CreateFileW(wide(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return file == noHandle ? lastError() : 0;
}

int statusOf(Handle file, Status& status) {
    if (GetFileType(handle(file)) != FILE_TYPE_DISK) {
        status = {Type::Other, 0};
        return 0;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle(file), &info))
        return lastError();
    status.type = typeOf(info.dwFileAttributes);
    status.size = qint64(info.nFileSizeHigh) << 32 | info.nFileSizeLow;
    return 0;
}

int readSome(Handle file, char* data, qint64 size, qint64& got) {
    DWORD read = 0;
    if (!ReadFile(handle(file), data, DWORD(qMin<qint64>(size, 1 << 30)), &read, nullptr)) {
        if (GetLastError() != ERROR_HANDLE_EOF)
            return lastError();
        read = 0;
    }
    got = read;
    return 0;
}

int createNew(const QString& path, Handle& file) {
    file = opened(CreateFileW(wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file == noHandle ? lastError() : 0;
}

int writeAll(Handle file, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        DWORD written = 0;
        if (!WriteFile(handle(file), data, DWORD(qMin<qsizetype>(left, 1 << 30)), &written,
                       nullptr))
            return lastError();
        if (written == 0)
            return ENOSPC;
        data += written;
        left -= written;
    }
    return 0;
}

int flush(Handle file) {
    return FlushFileBuffers(handle(file)) ? 0 : lastError();
}

int close(Handle file) {
    return CloseHandle(handle(file)) ? 0 : lastError();
}

int statusAt(const QString& path, Status& status) {
    WIN32_FILE_ATTRIBUTE_DATA info{};
    status = Status{};
    if (!GetFileAttributesExW(wide(path).c_str(), GetFileExInfoStandard, &info)) {
        const int error = lastError();
        return error == ENOENT ? 0 : error;
    }
    status.type = typeOf(info.dwFileAttributes);
    status.size = qint64(info.nFileSizeHigh) << 32 | info.nFileSizeLow;
    return 0;
}

int writable(const QString& path) {
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return lastError();
    return attributes & FILE_ATTRIBUTE_READONLY ? EACCES : 0;
}

void copyPermissions(const QString&, Handle) {
    // The new file takes the folder's permissions, as the replaced one did.
}

int remove(const QString& path) {
    return DeleteFileW(wide(path).c_str()) ? 0 : lastError();
}

int replace(const QString& from, const QString& to) {
    return MoveFileExW(wide(from).c_str(), wide(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : lastError();
}

int link(const QString& existing, const QString& name) {
    return CreateHardLinkW(wide(name).c_str(), wide(existing).c_str(), nullptr) ? 0 : lastError();
}

void syncFolder(const QString&) {
    // Each replacement is written through already.
}

bool spelledOtherwise(const QString&, const QString&) {
    return false;
}

bool sameFile(const QString& first, const QString& second) {
    BY_HANDLE_FILE_INFORMATION a{};
    BY_HANDLE_FILE_INFORMATION b{};
    auto identify = [](const QString& path, BY_HANDLE_FILE_INFORMATION& info) {
        Handle file = noHandle;
        if (openForReading(path, file) != 0)
            return false;
        const bool known = GetFileInformationByHandle(handle(file), &info);
        close(file);
        return known;
    };
    return identify(first, a) && identify(second, b) &&
           a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

} // namespace NativeFile
