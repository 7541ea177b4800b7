// vuvuvudozizod-monkey [--seed N] [--actions N]: random use of the whole program.
// Prints its seed first; a failure prints the command that replays it.

#include "Monkey.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    quint64 seed = quint64(QDateTime::currentMSecsSinceEpoch());
    int actions = 3000;
    const QStringList arguments = QApplication::arguments();
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == QLatin1String("--seed"))
            seed = arguments[i + 1].toULongLong();
        else if (arguments[i] == QLatin1String("--actions"))
            actions = arguments[i + 1].toInt();
    }
    std::printf("seed %llu, %d actions\n", static_cast<unsigned long long>(seed), actions);
    std::fflush(stdout);

    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    QFile existing(QDir(folder.path()).filePath(QStringLiteral("existing.txt")));
    if (existing.open(QIODevice::WriteOnly))
        existing.write("2,5\r\n\xcf\xf0\xe8\xec\xe5\xf0\r\n"); // "Пример" in Windows-1251
    existing.close();

    Monkey monkey(seed, QDir(folder.path()));
    const QString failure = monkey.run(actions);
    if (!failure.isEmpty()) {
        std::printf("FAILED %s\n", qPrintable(failure));
        return 1;
    }
    std::printf("all invariants held\n");
    return 0;
}
