#include "ui/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

#ifndef VUV_VERSION
#error "VUV_VERSION is given by the build: the project's version"
#endif

namespace CommandLine {

namespace {

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
    return request;
}

QStringList raw(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int answer(const Request& request) {
    const QByteArray bytes = request.text.toLocal8Bit();
    std::FILE* stream = request.action == Action::Fail ? stderr : stdout;
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
    return request.action == Action::Fail ? 2 : 0;
}

} // namespace CommandLine
