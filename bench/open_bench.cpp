// How long the text window takes with big files: from the open button to the
// window shown, then until the first key is answered, and the memory it took.
// vuv-open-bench [folder]: writes its files there (a temporary folder by default).

#include "session/Program.h"
#include "testsupport/ui/ScriptedPlatform.h"
#include "ui/Main.h"
#include "ui/Unit1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

long peakMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6)) / 1024;
    return 0;
}

struct Case {
    const char* name;
    QByteArray bytes;
};

QByteArray lines(int count, int length) {
    return (QByteArray(length, 'x') + "\r\n").repeated(count);
}

QByteArray rtfParagraphs(int count) {
    return "{\\rtf1\\ansi " + QByteArray("{\\b x}y\\par ").repeated(count) + "}";
}

// One opening in a fresh program, so that each case's peak memory is its own.
void measure(const QString& path, const char* name) {
    ScriptedPlatform platform;
    Program program(platform);
    TForm1* window = program.forms().form1;
    auto* area = window->findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
    QElapsedTimer clock;
    clock.start();
    platform.answer(path);
    program.forms().mainForm->findChild<QToolButton*>(QStringLiteral("TextButton"))->click();
    QApplication::processEvents();
    const qint64 shown = clock.elapsed();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(area, &key);
    area->viewport()->repaint();
    QApplication::processEvents();
    const qint64 answered = clock.elapsed();
    const QString outcome =
        platform.messages.isEmpty() ? QStringLiteral("shown") : platform.messages.last().text;
    std::printf("%-34s open %6lld ms, first key %6lld ms, peak %5ld MB: %s\n", name,
                static_cast<long long>(shown), static_cast<long long>(answered), peakMegabytes(),
                qPrintable(outcome.left(90)));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const QList<Case> cases{
        {"report, 100 lines", lines(100, 60)},
        {"text 50,000 lines of 60 (3 MB)", lines(50000, 60)},
        {"text 100,000 lines of 60 (6 MB)", lines(100000, 60)},
        {"text 2,000 lines of 5,000 (10 MB)", lines(2000, 4998)},
        {"text 50 MB", lines(800000, 63)},
        {"text 10 MB in one line", QByteArray(10 * 1000 * 1000, 'x')},
        {"RTF 10,000 paragraphs", rtfParagraphs(10000)},
        {"RTF 30,000 paragraphs", rtfParagraphs(30000)},
        {"RTF a million paragraphs (5 MB)",
         "{\\rtf1 " + QByteArray("\\par ").repeated(1000000) + "}"},
    };
    // One case a run when a name is given second, for a clean peak of memory.
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    for (const Case& c : cases) {
        if (!only.isEmpty() && !QString::fromLatin1(c.name).startsWith(only))
            continue;
        const QString path = folder + QStringLiteral("/bench-%1").arg(qHash(QByteArray(c.name)));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(c.bytes) != c.bytes.size())
            return 1;
        file.close();
        measure(path, c.name);
        QFile::remove(path);
    }
    for (const char* special : {"/dev/zero"})
        measure(QString::fromLatin1(special), special);
    return 0;
}
