#pragma once
// Why a file could not be read or written, kept as a kind and a system error number
// (errno's numbering on every system), so that each message words it in its own way.

#include "core/Errors.h"

#include <QString>

struct FileProblem {
    enum class Kind {
        System,     // `error` says what the system refused
        NotRegular, // a FIFO, a device or a socket, which are never read or written
        TooLarge,   // more than is ever read; `size` when it is known, else 0
    };
    Kind kind = Kind::System;
    int error = 0;
    qint64 size = 0;

    static FileProblem system(int error) { return {Kind::System, error, 0}; }
};

// A file error with its cause and file kept apart from the message.
class FileFailure : public FileError {
  public:
    FileFailure(const QString& message, FileProblem problem, QString path)
        : FileError(message), problem_(problem), path_(std::move(path)) {}
    const FileProblem& problem() const { return problem_; }
    const QString& path() const { return path_; }

  private:
    FileProblem problem_;
    QString path_;
};
