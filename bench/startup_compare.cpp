// Compares the program's start-up with the floor program, whole processes side by side:
// the median wall time and peak memory over RUNS interleaved runs of each, the
// instructions of one run of each under Callgrind (when valgrind is installed), and the
// median time of the layer window's first opening.
// Usage: vuv-startup-compare [RUNS]   (in the build's bench/ folder)

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// The targets: at or below the floor in time, instructions and memory.
constexpr double ratioTarget = 1.0;
constexpr double openingTarget = 50.0; // ms, the layer window's first opening

struct Run {
    double milliseconds;
    double peakMebibytes;
};

Run runOnce(const std::vector<std::string>& command) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        std::vector<char*> arguments;
        for (const auto& argument : command)
            arguments.push_back(const_cast<char*>(argument.c_str()));
        arguments.push_back(nullptr);
        execv(arguments[0], arguments.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", command[0].c_str());
        std::exit(2);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            usage.ru_maxrss / 1024.0};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// What a program printed on its standard output; exits when it fails.
QString printed(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed\n", qPrintable(program));
        std::exit(2);
    }
    return QString::fromLatin1(process.readAllStandardOutput()).trimmed();
}

// The instructions that Callgrind counts over one whole run, or nothing without valgrind.
std::optional<double> instructions(const QStringList& command) {
    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    if (valgrind.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(valgrind, QStringList{QStringLiteral("--tool=callgrind"),
                                        QStringLiteral("--callgrind-out-file=/dev/null")} +
                                command);
    process.waitForFinished(-1);
    const auto found = QRegularExpression(QStringLiteral("Collected : (\\d+)"))
                           .match(QString::fromLatin1(process.readAllStandardError()));
    if (!found.hasMatch())
        return std::nullopt;
    return found.captured(1).toDouble();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 21;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A home of its own: the user's settings and last calculation neither shape the runs nor
    // are written by them. The program starts as for a new user, in Russian.
    const QTemporaryDir home;
    for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(variable, home.path().toLocal8Bit());
    const QString folder = QCoreApplication::applicationDirPath();
    const QString probe = QDir(folder).filePath(QStringLiteral("vuv-startup-probe"));
    const QString floor = QDir(folder).filePath(QStringLiteral("vuv-floor"));

    // The floor makes at its start every window and widget that the program holds in all.
    const QStringList counts = printed(probe, {QStringLiteral("--all-built")}).split(' ');
    if (counts.size() != 2) {
        std::fprintf(stderr, "the probe did not report its windows and widgets\n");
        return 2;
    }

    std::vector<double> ourTimes, floorTimes, ourMemory, floorMemory;
    const std::vector<std::string> ourCommand{probe.toStdString()};
    const std::vector<std::string> floorCommand{floor.toStdString(), counts[0].toStdString(),
                                                counts[1].toStdString()};
    // Interleaved, so that both see the same machine; in turns first, after a pause of a
    // random length, so that no disturbance of the machine that comes at a steady beat
    // falls on one of them alone.
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> pauseMicroseconds(0, 40000);
    const auto runAfterPause = [&](const std::vector<std::string>& command) {
        usleep(useconds_t(pauseMicroseconds(random)));
        return runOnce(command);
    };
    for (int i = 0; i < runs; ++i) {
        const bool oursFirst = i % 2 == 0;
        const Run first = runAfterPause(oursFirst ? ourCommand : floorCommand);
        const Run second = runAfterPause(oursFirst ? floorCommand : ourCommand);
        const Run& ours = oursFirst ? first : second;
        const Run& bare = oursFirst ? second : first;
        ourTimes.push_back(ours.milliseconds);
        ourMemory.push_back(ours.peakMebibytes);
        floorTimes.push_back(bare.milliseconds);
        floorMemory.push_back(bare.peakMebibytes);
    }
    std::vector<double> openings;
    for (int i = 0; i < std::max(3, runs / 4); ++i)
        openings.push_back(printed(probe, {QStringLiteral("--open-layers")}).toDouble());

    const double timeRatio = median(ourTimes) / median(floorTimes);
    const double memoryRatio = median(ourMemory) / median(floorMemory);
    std::printf("%s windows, %s widgets in all, %d runs each, QT_QPA_PLATFORM=offscreen\n",
                qPrintable(counts[0]), qPrintable(counts[1]), runs);
    std::printf("floor:         %6.1f ms  %6.2f MiB peak\n", median(floorTimes),
                median(floorMemory));
    std::printf("Vuvuvudozizod: %6.1f ms  %6.2f MiB peak\n", median(ourTimes), median(ourMemory));
    std::printf("time ratio %.3f, memory ratio %.3f (targets <= %.1f)\n", timeRatio, memoryRatio,
                ratioTarget);
    bool met = timeRatio <= ratioTarget && memoryRatio <= ratioTarget;

    const auto ourInstructions = instructions({probe});
    const auto floorInstructions = instructions({floor, counts[0], counts[1]});
    if (ourInstructions && floorInstructions) {
        const double ratio = *ourInstructions / *floorInstructions;
        std::printf("instructions (Callgrind): floor %.1f M, Vuvuvudozizod %.1f M, ratio %.3f "
                    "(target <= %.1f)\n",
                    *floorInstructions / 1e6, *ourInstructions / 1e6, ratio, ratioTarget);
        met = met && ratio <= ratioTarget;
    } else {
        std::printf("instructions: not counted (valgrind is not installed)\n");
    }
    const double opening = median(openings);
    std::printf("first opening of the layer window: %.1f ms, median of %zu (target < %.0f ms)\n",
                opening, openings.size(), openingTarget);
    met = met && opening < openingTarget;
    std::printf("%s\n", met ? "every target met" : "a target not met");
    return met ? 0 : 1;
}
