// Times the program's start-up against the floor program, whole processes side
// by side: the median wall time and peak memory over RUNS runs of each.
// Usage: vuv-startup-compare [RUNS]   (in the build's bench/ folder)

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 21;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString folder = QCoreApplication::applicationDirPath();
    const std::string probe = QDir(folder).filePath("vuv-startup-probe").toStdString();
    const std::string floor = QDir(folder).filePath("vuv-floor").toStdString();

    QProcess counting;
    counting.start(QString::fromStdString(probe), {});
    counting.waitForFinished();
    const QStringList counts = QString::fromLatin1(counting.readAllStandardOutput()).split(' ');
    if (counts.size() != 2) {
        std::fprintf(stderr, "the probe did not report its windows and widgets\n");
        return 2;
    }
    const std::string windows = counts[0].trimmed().toStdString();
    const std::string widgets = counts[1].trimmed().toStdString();

    std::vector<double> ourTimes, floorTimes, ourMemory, floorMemory;
    for (int i = 0; i < runs; ++i) { // interleaved, so both see the same machine
        const Run ours = runOnce({probe});
        const Run bare = runOnce({floor, windows, widgets});
        ourTimes.push_back(ours.milliseconds);
        ourMemory.push_back(ours.peakMebibytes);
        floorTimes.push_back(bare.milliseconds);
        floorMemory.push_back(bare.peakMebibytes);
    }
    const double ratio = median(ourTimes) / median(floorTimes);
    std::printf("%s windows, %s widgets, %d runs each, QT_QPA_PLATFORM=offscreen\n",
                windows.c_str(), widgets.c_str(), runs);
    std::printf("floor:        %6.1f ms  %5.1f MiB peak\n", median(floorTimes),
                median(floorMemory));
    std::printf("Vuvuvudozizod: %5.1f ms  %5.1f MiB peak\n", median(ourTimes), median(ourMemory));
    std::printf("time ratio %.2f (target <= 1.5), memory %.1f MiB (target < 45)\n", ratio,
                median(ourMemory));
    return ratio <= 1.5 && median(ourMemory) < 45 ? 0 : 1;
}
