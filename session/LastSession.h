#pragma once
// The calculation that survives the program's end, however it ends: its inputs, written as
// a project into the user's data folder a short while after each change, on closing, on
// SIGTERM and SIGHUP and at the end of the desktop session, for the user to restore.

#include <QObject>
#include <QString>

class QTimer;
struct Forms;

namespace LastSession {

// The recovery project's place (RecoveryPlace::path()); empty without one.
QString path();

// Why there is no place for it, in the user's words; empty when there is one.
QString whyNotKept();

// Whether an earlier run left one to restore (this run's own does not count); a look at the
// folder, nothing read.
bool exists();

// Hands the inputs of every window to the writer, which puts them in place whole or not at
// all in the background. Never throws: the program ends as it would have without it.
void keep(const Forms& forms) noexcept;

// The same as the program closes: written by the time the run ends (finishRun), on the
// ending thread unless a write is under way, so that closing waits for nothing.
void keepForTheEnd(const Forms& forms) noexcept;

// The same, written (or found not writable) by the time it returns.
void keepNow(const Forms& forms) noexcept;

// Waits until what was handed over is written (or could not be).
void finishWriting();

// The same, and the run ends there: a program started again in the same process (as tests
// do) finds the file as a new run would.
void finishRun();

// Restores the calculation the previous run left, even after this run has written its own.
void restore(Forms& forms);

// Keeps the calculation as it goes: a short while after each change the user makes, on
// SIGTERM and SIGHUP (after which the program ends as the signal asks) and when the desktop
// session ends. One for the program; none for a report made without windows.
class Watch : public QObject {
  public:
    explicit Watch(const Forms& forms);
    ~Watch() override;
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

    // The quiet time after the user's last action before the calculation is kept, ms.
    static constexpr int delay = 2000;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void keepAndEnd(int signal);

    const Forms& forms_;
    QTimer* timer_;
};

} // namespace LastSession
