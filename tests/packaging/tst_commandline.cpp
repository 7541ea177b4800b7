// The command line: what starts the program, what only prints, and what is refused
// before any window is made.

#include "ui/CommandLine.h"

#include <QTest>

using CommandLine::Action;

class CommandLineTest : public QObject {
    Q_OBJECT
  private slots:
    void parse_data();
    void parse();
    void texts();
};

void CommandLineTest::parse_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("pdf");
    const auto row = [](const char* name, const QStringList& arguments, Action action,
                        const QString& project = {}, const QString& pdf = {}) {
        QTest::newRow(name) << arguments << action << project << pdf;
    };
    row("nothing", {}, Action::Start);
    row("project", {"стена.vvz"}, Action::Start, "стена.vvz");
    row("report", {"--pdf", "a.pdf", "b.vvz"}, Action::Start, "b.vvz", "a.pdf");
    row("report after project", {"b.vvz", "--pdf=a.pdf"}, Action::Start, "b.vvz", "a.pdf");
    row("project named like an option", {"--", "-стена.vvz"}, Action::Start, "-стена.vvz");
    row("help wins over a project", {"стена.vvz", "--help"}, Action::Help);
    row("short help", {"-h"}, Action::Help);
    row("version", {"--version"}, Action::Version);
    row("short version", {"-v"}, Action::Version);
    row("unknown option", {"--bogus"}, Action::Fail);
    row("unknown beside a project", {"стена.vvz", "-x"}, Action::Fail);
    row("two projects", {"a.vvz", "b.vvz"}, Action::Fail);
    row("report without project", {"--pdf", "a.pdf"}, Action::Fail);
    row("report without file", {"--pdf"}, Action::Fail);
    row("report with empty file", {"--pdf=", "b.vvz"}, Action::Fail);
    // The window system's own options are its business, whatever their form.
    row("toolkit options", {"-platform", "offscreen", "--style=fusion", "-reverse", "b.vvz"},
        Action::Start, "b.vvz");
    row("toolkit option after the projects' mark", {"--", "-reverse"}, Action::Start, "-reverse");
}

void CommandLineTest::parse() {
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    arguments.prepend(QStringLiteral("vuvuvudozizod"));
    const CommandLine::Request request =
        CommandLine::parse(CommandLine::withoutToolkitOptions(arguments));
    QCOMPARE(request.action, action);
    QTEST(request.project, "project");
    QTEST(request.pdf, "pdf");
    QCOMPARE(request.text.isEmpty(), action == Action::Start);
}

// What the user reads: the help names every option and the argument, a refusal names
// the culprit and where help is (the version is checked against the build's by the
// command-line test of the executable).
void CommandLineTest::texts() {
    const auto request = [](const char* argument) {
        return CommandLine::parse({QStringLiteral("vuvuvudozizod"), QString::fromUtf8(argument)});
    };
    const QString help = request("--help").text;
    for (const char* part : {"--help", "--version", "--pdf <файл>", "[проект]", "ДБН"})
        QVERIFY2(help.contains(QString::fromUtf8(part)), part);
    const QString refusal = request("--bogus").text;
    QVERIFY(refusal.startsWith(QStringLiteral("vuvuvudozizod: ")));
    QVERIFY(refusal.contains(QStringLiteral("bogus")));
    QVERIFY(refusal.contains(QStringLiteral("--help")));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
