#include "Script.h"

#include <QFile>
#include <QHash>

namespace {

// Allowed argument counts of each command (minimum, maximum).
const QHash<QString, std::pair<int, int>>& commandArity() {
    static const QHash<QString, std::pair<int, int>> arity{{"separator", {1, 1}},
                                                           {"click", {2, 2}},
                                                           {"type", {3, 3}},
                                                           {"replace", {3, 3}},
                                                           {"clear", {2, 2}},
                                                           {"choose", {3, 3}},
                                                           {"hover", {2, 2}},
                                                           {"close", {1, 1}},
                                                           {"wait", {1, 1}},
                                                           {"answer", {1, 2}},
                                                           {"language", {1, 1}},
                                                           {"write-file", {2, 2}},
                                                           {"write-bytes", {1, 1000}},
                                                           {"expect", {3, 3}},
                                                           {"expect-title", {2, 2}},
                                                           {"expect-color", {5, 5}},
                                                           {"expect-visible", {1, 2}},
                                                           {"expect-hidden", {1, 2}},
                                                           {"expect-enabled", {2, 2}},
                                                           {"expect-disabled", {2, 2}},
                                                           {"expect-active", {1, 1}},
                                                           {"expect-items", {3, 3}},
                                                           {"expect-status", {1, 1}},
                                                           {"expect-message", {3, 3}},
                                                           {"expect-no-message", {0, 0}},
                                                           {"expect-opened", {1, 1}},
                                                           {"expect-file-lines", {2, 2}},
                                                           {"expect-file-bytes", {1, 1000}},
                                                           {"expect-no-file", {1, 1}},
                                                           {"expect-pdf-text", {2, 2}},
                                                           {"expect-no-pdf-text", {2, 2}},
                                                           {"expect-pdf-on-one-line", {2, 2}},
                                                           {"expect-question", {1, 1}},
                                                           {"expect-pdf-fonts-embedded", {1, 1}},
                                                           {"expect-quit", {0, 0}},
                                                           {"screenshot", {2, 2}}};
    return arity;
}

QChar unescape(QChar c, int line) {
    switch (c.unicode()) {
    case '"':
        return c;
    case '\\':
        return c;
    case 't':
        return QChar(9);
    case 'r':
        return QChar(13);
    case 'n':
        return QChar(10);
    default:
        throw ScriptError(line, QStringLiteral("unknown escape \\%1").arg(c));
    }
}

std::vector<Argument> splitArguments(const QString& text, int line) {
    std::vector<Argument> arguments;
    int i = 0;
    const int n = text.size();
    while (i < n) {
        if (text[i].isSpace()) {
            ++i;
            continue;
        }
        Argument argument;
        if (text[i] == QLatin1Char('"')) {
            argument.quoted = true;
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar c = text[i++];
                if (c == QLatin1Char('"')) {
                    closed = true;
                    break;
                }
                if (c == QLatin1Char('\\')) {
                    if (i == n)
                        break;
                    argument.text += unescape(text[i++], line);
                } else {
                    argument.text += c;
                }
            }
            if (!closed)
                throw ScriptError(line, QStringLiteral("unterminated quoted argument"));
            if (i < n && !text[i].isSpace())
                throw ScriptError(line, QStringLiteral("a blank must follow a quoted argument"));
        } else {
            while (i < n && !text[i].isSpace())
                argument.text += text[i++];
        }
        arguments.push_back(argument);
    }
    return arguments;
}

void checkArguments(const Command& command, bool firstCommand) {
    const auto found = commandArity().constFind(command.name);
    if (found == commandArity().constEnd())
        throw ScriptError(command.line, QStringLiteral("unknown command \"%1\"").arg(command.name));
    const int count = static_cast<int>(command.arguments.size());
    if (count < found->first || count > found->second)
        throw ScriptError(
            command.line,
            QStringLiteral("\"%1\" takes %2 argument(s), found %3")
                .arg(command.name)
                .arg(found->first == found->second
                         ? QString::number(found->first)
                         : QStringLiteral("%1 to %2").arg(found->first).arg(found->second))
                .arg(count));
    if (command.name == QLatin1String("separator")) {
        if (!firstCommand)
            throw ScriptError(command.line,
                              QStringLiteral("\"separator\" must come before any other command"));
        if (command.arg(0) != QLatin1String(",") && command.arg(0) != QLatin1String("."))
            throw ScriptError(command.line, QStringLiteral("the separator is \",\" or \".\""));
    }
    if (command.name == QLatin1String("answer")) {
        const QString kind = command.arg(0);
        const bool withPath = kind == QLatin1String("open") || kind == QLatin1String("save") ||
                              kind == QLatin1String("print") || kind == QLatin1String("button");
        if (!(withPath && count == 2) && !(kind == QLatin1String("cancel") && count == 1))
            throw ScriptError(command.line,
                              QStringLiteral("use: answer open \"path\", answer save \"path\", "
                                             "answer print \"file.pdf\", answer button \"text\" "
                                             "or answer cancel"));
    }
    if (command.name == QLatin1String("expect-file-lines") &&
        command.arg(1) != QLatin1String("crlf-end") &&
        command.arg(1) != QLatin1String("no-crlf-end"))
        throw ScriptError(command.line,
                          QStringLiteral("expect-file-lines ends with crlf-end or no-crlf-end"));
}

} // namespace

Script readScript(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ScriptError(0, QStringLiteral("can't read the script: %1").arg(file.errorString()));
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    Script script;
    script.path = path;
    for (int index = 0; index < lines.size(); ++index) {
        QString text = lines[index];
        if (text.endsWith(QLatin1Char('\r')))
            text.chop(1);
        const QString trimmed = text.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        Command command;
        command.line = index + 1;
        std::vector<Argument> words = splitArguments(trimmed, command.line);
        command.name = words.front().text;
        command.arguments.assign(words.begin() + 1, words.end());
        checkArguments(command, script.commands.empty());
        if (command.name == QLatin1String("expect-file-lines")) {
            bool ended = false;
            while (++index < lines.size()) {
                QString blockLine = lines[index];
                if (blockLine.endsWith(QLatin1Char('\r')))
                    blockLine.chop(1);
                if (blockLine.trimmed() == QLatin1String("end")) {
                    ended = true;
                    break;
                }
                if (!blockLine.startsWith(QLatin1Char('|')))
                    throw ScriptError(index + 1,
                                      QStringLiteral("expected a line \"| text\" or \"end\""));
                command.block << (blockLine.startsWith(QLatin1String("| ")) ? blockLine.mid(2)
                                                                            : blockLine.mid(1));
            }
            if (!ended)
                throw ScriptError(command.line,
                                  QStringLiteral("expect-file-lines without \"end\""));
        }
        if (command.name == QLatin1String("separator"))
            script.separator = command.arg(0).at(0);
        else
            script.commands.push_back(command);
    }
    return script;
}
