#pragma once
// A scenario script read into commands: one command a line, arguments split at
// blanks, quoted arguments with escapes.

#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

struct Argument {
    QString text;
    bool quoted = false;
};

struct Command {
    int line = 0;
    QString name;
    std::vector<Argument> arguments;
    QStringList block; // the "| text" lines of expect-file-lines

    const QString& arg(std::size_t i) const { return arguments.at(i).text; }
};

struct Script {
    QString path;
    QChar separator = QLatin1Char(',');
    std::vector<Command> commands;
};

// A script that can't be read or parsed; `line` is 0 when the file can't be read.
struct ScriptError : std::runtime_error {
    ScriptError(int line, const QString& message)
        : std::runtime_error(message.toStdString()), line(line), message(message) {}
    int line;
    QString message;
};

Script readScript(const QString& path);
