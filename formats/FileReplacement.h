#pragma once
// Puts new file contents in place whole or not at all: each file is written and
// synced beside its target under a short temporary name, then renamed over it.

#include "core/Errors.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace FileReplacement {

struct Replacement {
    QString path;
    QByteArray bytes;
};

// A replacement that failed: the user's message, and apart from it the bare
// reason and the file, for messages that name the file themselves.
class WriteError : public FileError {
  public:
    WriteError(const QString& message, QString reason, QString path)
        : FileError(message), reason_(std::move(reason)), path_(std::move(path)) {}
    const QString& reason() const { return reason_; }
    const QString& path() const { return path_; }

  private:
    QString reason_;
    QString path_;
};

// Replaces every file with its bytes, all of them or none. A link is followed, so
// the file it points to is replaced. A set of several files keeps the old files
// until the last new one is in place and puts them back after a failure; should
// even that fail, the message says which files are new, which old, and where the
// old contents are kept. Throws WriteError.
void replaceAll(const QList<Replacement>& replacements);

} // namespace FileReplacement
