// vuvuvudozizod-monkey [--seed N] [--actions N] [--trace]: random use of the whole
// program. Prints its seed first; a failure prints the command that replays it.
// A seed replays the same run: the program's timers follow the monkey's clock.

#include "Monkey.h"

#include "ui/InterfaceLanguage.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    quint64 seed = quint64(QDateTime::currentMSecsSinceEpoch());
    int actions = 3000;
    const QStringList arguments = QApplication::arguments();
    bool trace = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const bool valued = i + 1 < arguments.size();
        if (arguments[i] == QLatin1String("--trace"))
            trace = true;
        else if (arguments[i] == QLatin1String("--seed") && valued)
            seed = arguments[++i].toULongLong();
        else if (arguments[i] == QLatin1String("--actions") && valued)
            actions = arguments[++i].toInt();
    }
    std::printf("seed %llu, %d actions\n", static_cast<unsigned long long>(seed), actions);
    std::fflush(stdout);

    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    // The calculation kept at each closing stays in the run's own folder.
    qputenv("XDG_DATA_HOME", QDir(folder.path()).filePath(QStringLiteral("data")).toLocal8Bit());
    // So do its settings; it works in Russian whatever the machine's language.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QDir(folder.path()).filePath(QStringLiteral("config")));
    Language::apply(InterfaceLanguage::Russian);

    Monkey monkey(seed, QDir(folder.path()));
    monkey.setTrace(trace);
    const QString failure = monkey.run(actions);
    if (!failure.isEmpty()) {
        std::printf("FAILED %s\n", qPrintable(failure));
        return 1;
    }
    std::printf("all invariants held\n");
    return 0;
}
