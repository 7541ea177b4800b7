#include "ui/CommandLine.h"

#include "formats/SameFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

#ifndef VUV_VERSION
#error "VUV_VERSION is given by the build: the project's version"
#endif

namespace CommandLine {

namespace {

// Standard output was closed when the program started.
bool outputClosed = false;

// A source marked with QT_TRANSLATE_NOOP in the context "CommandLine".
QString text(const char* source) {
    return QCoreApplication::translate("CommandLine", source);
}

// Qt's own words of the help and of a refused line, under the context Qt asks for them:
// the program's translation, asked before Qt's, words them where Qt's translation does not.
[[maybe_unused]] const char* const parserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Arguments:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'.")};

Request fail(const QString& what) {
    return {Action::Fail,
            {},
            {},
            QStringLiteral("vuvuvudozizod: %1\n%2\n")
                .arg(what, text(QT_TRANSLATE_NOOP("CommandLine",
                                                  "Параметры запуска: vuvuvudozizod --help")))};
}

} // namespace

Request parse(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(text(QT_TRANSLATE_NOOP(
        "CommandLine",
        "Подбор утеплителя многослойных ограждающих конструкций по ДБН В.2.6-31:2006.")));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        text(QT_TRANSLATE_NOOP("CommandLine", "Показать эту справку и выйти.")));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        text(QT_TRANSLATE_NOOP("CommandLine", "Показать версию программы и выйти.")));
    const QCommandLineOption pdf(
        QStringLiteral("pdf"),
        text(QT_TRANSLATE_NOOP(
            "CommandLine",
            "Открыть проект, записать его отчет PDF в <файл> и выйти, не показывая окон.")),
        text(QT_TRANSLATE_NOOP("CommandLine", "файл")));
    parser.addOptions({help, version, pdf});
    parser.addPositionalArgument(
        text(QT_TRANSLATE_NOOP("CommandLine", "проект")),
        text(
            QT_TRANSLATE_NOOP("CommandLine", "Файл проекта (*.vvz), который открыть при запуске.")),
        text(QT_TRANSLATE_NOOP("CommandLine", "[проект]")));

    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(help))
        return {Action::Help, {}, {}, parser.helpText()};
    if (parser.isSet(version))
        return {Action::Version, {}, {}, QStringLiteral("Vuvuvudozizod " VUV_VERSION "\n")};
    const QStringList projects = parser.positionalArguments();
    if (projects.size() > 1)
        return fail(text(QT_TRANSLATE_NOOP("CommandLine",
                                           "Можно открыть только один проект, а указано %1."))
                        .arg(projects.join(QStringLiteral(", "))));
    Request request;
    request.project = projects.value(0);
    request.pdf = parser.value(pdf);
    if (parser.isSet(pdf) && request.pdf.isEmpty())
        return fail(text(QT_TRANSLATE_NOOP("CommandLine", "Для --pdf нужно имя файла отчета.")));
    if (parser.isSet(pdf) && request.project.isEmpty())
        return fail(text(QT_TRANSLATE_NOOP("CommandLine", "Для --pdf нужен файл проекта.")));
    if (isSameFile(request.pdf, request.project))
        return fail(text(QT_TRANSLATE_NOOP(
                             "CommandLine",
                             "отчет \"%1\" заменил бы проект \"%2\": выберите другое имя отчета."))
                        .arg(QDir::toNativeSeparators(request.pdf),
                             QDir::toNativeSeparators(request.project)));
    return request;
}

QStringList withoutToolkitOptions(const QStringList& arguments) {
    // The options that the window system's application object takes out, with a value and
    // without one; each may be written with one dash or two.
    static const QStringList valued{"platform",        "platformpluginpath",
                                    "platformtheme",   "plugin",
                                    "qwindowgeometry", "geometry",
                                    "qwindowtitle",    "title",
                                    "qwindowicon",     "icon",
                                    "display",         "name",
                                    "session",         "style",
                                    "stylesheet",      "visual",
                                    "ncols",           "cmap"};
    static const QStringList flags{"reverse", "testability", "widgetcount",
                                   "nograb",  "dograb",      "sync"};
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--")) // the rest are projects, whatever they look like
            return kept + arguments.mid(i);
        if (i == 0 || !argument.startsWith(u'-')) {
            kept << argument;
            continue;
        }
        const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const QString bare = name.section(u'=', 0, 0);
        if (valued.contains(bare) && !name.contains(u'='))
            ++i; // its value follows
        else if (!valued.contains(bare) && !flags.contains(name))
            kept << argument;
    }
    return kept;
}

QStringList raw(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void holdStandardStreams() {
#ifndef Q_OS_WIN // a Windows program without a console has no streams to hold
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(stream, F_GETFD) != -1)
            continue;
        if (stream == STDOUT_FILENO)
            outputClosed = true;
        const int placeholder = ::open("/dev/null", stream == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (placeholder != stream && placeholder >= 0)
            ::close(placeholder); // not where it was wanted: that place is taken after all
    }
#endif
}

int answer(const Request& request) {
    const QByteArray bytes = request.text.toLocal8Bit();
    const bool refusal = request.action == Action::Fail;
    std::FILE* stream = refusal ? stderr : stdout;
    const auto size = static_cast<std::size_t>(bytes.size());
    errno = outputClosed && !refusal ? EBADF : 0;
    const bool written = errno == 0 && std::fwrite(bytes.constData(), 1, size, stream) == size &&
                         std::fflush(stream) == 0;
    if (refusal)
        return 2;
    if (written)
        return 0;
    // Help or a version that never reached its reader is not a success.
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    const QByteArray message =
        QStringLiteral("vuvuvudozizod: %1\n")
            .arg(text(QT_TRANSLATE_NOOP("CommandLine", "не удалось вывести текст: %1")).arg(reason))
            .toLocal8Bit();
    std::fwrite(message.constData(), 1, static_cast<std::size_t>(message.size()), stderr);
    return 1;
}

} // namespace CommandLine
