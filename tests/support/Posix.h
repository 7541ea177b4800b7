#pragma once
// What only POSIX systems give the tests: FIFOs, symbolic links, names that are raw bytes,
// file modes, resource limits. On Windows a test that needs them is skipped, saying why.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN
#define SKIP_WITHOUT_POSIX(what) QSKIP("needs what only POSIX systems have: " what)
#else
#define SKIP_WITHOUT_POSIX(what) (void)0
#endif

// A FIFO at the path; false where there is none.
inline bool makeFifo([[maybe_unused]] const QString& path) {
#ifdef Q_OS_WIN
    return false;
#else
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#endif
}

// An empty file in the folder whose name is the raw bytes given, UTF-8 or not.
inline bool makeRawNamed([[maybe_unused]] const QString& folder,
                         [[maybe_unused]] const QByteArray& name) {
#ifdef Q_OS_WIN
    return false;
#else
    const int file = ::open(QByteArray(QFile::encodeName(folder) + '/' + name).constData(),
                            O_WRONLY | O_CREAT, 0600);
    return file >= 0 && ::close(file) == 0;
#endif
}

// Whether the tests run as root, whom no file mode keeps out.
inline bool runsAsRoot() {
#ifdef Q_OS_WIN
    return false;
#else
    return ::geteuid() == 0;
#endif
}
