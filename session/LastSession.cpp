#include "session/LastSession.h"

#include "formats/ProjectFile.h"
#include "formats/RecoveryPlace.h"
#include "session/ProjectReplay.h"
#include "ui/Forms.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <condition_variable>
#include <csignal>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

namespace LastSession {

namespace {

QString text(const char* source) {
    return QCoreApplication::translate("LastSession", source);
}

// One thread writes the recovery project, so that neither typing nor closing waits for the
// disk; what closing hands over is written as the run ends, once no window is left, by the
// ending thread itself when that thread was never needed. Only the newest calculation handed
// over is written; the previous run's is read before this run first replaces it.
class Writer {
  public:
    ~Writer() {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        changed_.notify_all();
        if (thread_.joinable())
            thread_.join();
    }

    void post(const QString& path, Project::Record record) {
        {
            const std::lock_guard lock(mutex_);
            if (!pending_ && written_ == record)
                return;
            pending_ = {path, std::move(record)};
            if (!thread_.joinable())
                thread_ = std::thread([this] { run(); });
        }
        changed_.notify_all();
    }

    // Hands the calculation to the writing thread when one is at work; else keeps it for
    // finish(), which writes it on the thread that calls it (and would wait for it anyway).
    void hold(const QString& path, Project::Record record) {
        {
            const std::lock_guard lock(mutex_);
            if (!thread_.joinable()) {
                pending_ = {path, std::move(record)};
                return;
            }
        }
        post(path, std::move(record));
    }

    void finish() {
        std::unique_lock lock(mutex_);
        if (pending_ && !thread_.joinable()) {
            const Job job = std::move(*pending_);
            pending_.reset();
            perform(job, lock);
        }
        idle_.wait(lock, [this] { return !pending_ && !busy_; });
    }

    // Once finished: the next run finds the file as a new process would.
    void forget() {
        const std::lock_guard lock(mutex_);
        firstWrite_ = true;
        written_.reset();
        previous_.reset();
    }

    std::optional<Project::Record> previous() {
        const std::lock_guard lock(mutex_);
        return previous_;
    }

    // Whether the previous run left a calculation; known once this run has begun to write.
    std::optional<bool> previousLeft() {
        const std::lock_guard lock(mutex_);
        return firstWrite_ ? std::nullopt : std::optional<bool>(previous_.has_value());
    }

  private:
    struct Job {
        QString path;
        Project::Record record;
    };

    void run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            changed_.wait(lock, [this] { return stopping_ || pending_; });
            if (!pending_)
                return;
            Job job = std::move(*pending_);
            pending_.reset();
            perform(job, lock);
        }
    }

    // Reads what the file held before this run's first write, then writes unless the file
    // already holds this calculation. Called and returns with the lock held.
    void perform(const Job& job, std::unique_lock<std::mutex>& lock) {
        busy_ = true;
        if (firstWrite_) {
            lock.unlock();
            const std::optional<Project::Record> before = read(job.path);
            lock.lock();
            previous_ = before; // kept before the file is replaced
            firstWrite_ = false;
        }
        // What the file holds: this run's last write, else what the run found.
        const bool unchanged = written_ ? *written_ == job.record : previous_ == job.record;
        lock.unlock();
        const bool written = unchanged || write(job);
        lock.lock();
        if (written)
            written_ = job.record;
        busy_ = false;
        idle_.notify_all();
    }

    static std::optional<Project::Record> read(const QString& path) {
        try {
            if (QFileInfo(path).isFile())
                return ProjectFile::load(path);
        } catch (const std::exception&) {
            // A damaged recovery file is nothing to restore.
        }
        return std::nullopt;
    }

    static bool write(const Job& job) {
        try {
            if (!QDir().mkpath(QFileInfo(job.path).absolutePath()))
                return false;
            ProjectFile::save(job.path, job.record);
            return true;
        } catch (const std::exception&) {
            // A full disk or a folder not ours to write: the calculation is not kept.
            return false;
        }
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::condition_variable idle_;
    std::thread thread_;
    std::optional<Job> pending_;
    std::optional<Project::Record> written_;  // what the file holds since this run wrote it
    std::optional<Project::Record> previous_; // what it held before
    bool firstWrite_ = true;
    bool busy_ = false;
    bool stopping_ = false;
};

Writer& writer() {
    static Writer instance;
    return instance;
}

#ifndef Q_OS_WIN
// The signals that end the program reach it through this pipe, to be answered between
// events: a signal handler may do nothing but write here. (Windows ends a program by
// closing the session, which the commit of the session data answers.)
int signalPipe[2] = {-1, -1};

void onSignal(int signal) {
    const char number = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &number, 1);
}
#endif

} // namespace

QString path() {
    return RecoveryPlace::path();
}

QString whyNotKept() {
    if (!path().isEmpty())
        return {};
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty())
        return text(QT_TRANSLATE_NOOP("LastSession", "Последний расчет не сохраняется: не задана "
                                                     "домашняя папка (переменная HOME)."));
    return text(QT_TRANSLATE_NOOP("LastSession",
                                  "Последний расчет не сохраняется: домашней папки \"%1\" нет."))
        .arg(QDir::toNativeSeparators(home));
}

bool exists() {
    if (path().isEmpty())
        return false;
    if (const std::optional<bool> left = writer().previousLeft())
        return *left;
    return QFileInfo(path()).isFile();
}

void keep(const Forms& forms) noexcept {
    try {
        if (const QString file = path(); !file.isEmpty())
            writer().post(file, ProjectReplay::capture(forms));
    } catch (const std::exception&) {
        // Nothing to keep: the program ends as it would have without it.
    }
}

void keepForTheEnd(const Forms& forms) noexcept {
    try {
        if (const QString file = path(); !file.isEmpty())
            writer().hold(file, ProjectReplay::capture(forms));
    } catch (const std::exception&) {
        // Nothing to keep: the program ends as it would have without it.
    }
}

void keepNow(const Forms& forms) noexcept {
    keepForTheEnd(forms);
    finishWriting();
}

void finishWriting() {
    writer().finish();
}

void finishRun() {
    writer().finish();
    writer().forget();
}

void restore(Forms& forms) {
    if (const QString why = whyNotKept(); !why.isEmpty()) {
        forms.platform.information(why);
        return;
    }
    if (const std::optional<Project::Record> previous = writer().previous())
        ProjectReplay::replay(forms, *previous, path());
    else
        ProjectReplay::open(forms, path());
}

Watch::Watch(const Forms& forms) : forms_(forms), timer_(new QTimer(this)) {
    timer_->setSingleShot(true);
    timer_->setInterval(delay);
    connect(timer_, &QTimer::timeout, this, [this] { keep(forms_); });
    QCoreApplication::instance()->installEventFilter(this);
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(application, &QGuiApplication::commitDataRequest, this,
                [this] { keepNow(forms_); });
#ifndef Q_OS_WIN
    if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char number = 0;
        if (::read(signalPipe[0], &number, 1) == 1)
            keepAndEnd(number);
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int each : {SIGTERM, SIGHUP}) {
        struct sigaction before {};
        // A signal ignored by whoever started the program (nohup) stays ignored.
        if (sigaction(each, nullptr, &before) == 0 && before.sa_handler != SIG_IGN)
            sigaction(each, &action, nullptr);
    }
#endif
}

Watch::~Watch() {
#ifndef Q_OS_WIN
    for (const int each : {SIGTERM, SIGHUP}) {
        struct sigaction now {};
        if (sigaction(each, nullptr, &now) == 0 && now.sa_handler == onSignal)
            std::signal(each, SIG_DFL);
    }
#endif
}

bool Watch::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
    case QEvent::InputMethod:
    case QEvent::Drop:
        timer_->start(); // again from the start: kept once the user pauses
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// The calculation is written before the program ends, as the signal asked.
void Watch::keepAndEnd(int signal) {
    keepNow(forms_);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace LastSession
