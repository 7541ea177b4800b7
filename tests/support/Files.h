#pragma once
// Files as the tests put them in place and read them back, byte for byte.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTest>

// The file's bytes, or "<missing>" when there is no such file.
inline QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A path as the program's messages name it: with the system's own separators.
inline QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

inline void putBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
