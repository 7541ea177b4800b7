#pragma once
// A clock of the test's own for every QTimer of the program: the real ticks are
// swallowed, and each timer fires when the test's time passes its deadline, so that
// a monkey's seed replays the same run however fast the machine is, and a test of
// a one-second timer waits no real second.

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QTimerEvent>
#include <QWidget>

#include <vector>

class VirtualClock : public QObject {
  public:
    // Holds only the timers of these windows, so that two programs in one test each
    // keep their own clock; by default, those of every top-level window.
    template <class Windows> void followOnly(const Windows& windows) {
        followed_.clear();
        for (QWidget* window : windows)
            followed_ << window;
        following_ = true;
        adoptTimers();
    }

    // Takes over the timers of every window that exists now.
    void adoptTimers() {
        if (following_) {
            for (const QPointer<QWidget>& window : followed_)
                if (window)
                    adoptChildren(window);
        } else {
            for (QWidget* window : QApplication::topLevelWidgets())
                adoptChildren(window);
        }
        schedule();
    }

    // Lets `milliseconds` pass, firing every timer that falls due on the way, in
    // the order of their deadlines.
    void advance(qint64 milliseconds) {
        const qint64 until = now_ + milliseconds;
        // The windows make their timers when they are made: one look for new ones
        // is enough; each tick only changes which of them run.
        adoptTimers();
        for (;;) {
            schedule();
            Entry* next = nullptr;
            for (Entry& entry : entries_)
                if (entry.due && entry.deadline <= until &&
                    (!next || entry.deadline < next->deadline))
                    next = &entry;
            if (!next)
                break;
            now_ = next->deadline;
            fire(*next);
            QApplication::processEvents();
        }
        now_ = until;
    }

    // Lets time pass 10 ms at a time until `done` holds, for at most `limit` ms;
    // whether it came to hold.
    template <class Done> bool advanceUntil(Done done, qint64 limit) {
        for (qint64 passed = 0; !done(); passed += 10) {
            if (passed >= limit)
                return false;
            advance(10);
        }
        return true;
    }

    qint64 now() const { return now_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return event->type() == QEvent::Timer && !delivering_ && qobject_cast<QTimer*>(watched);
    }

  private:
    struct Entry {
        QPointer<QTimer> timer;
        int id = 0; // the run of the timer that the deadline belongs to
        qint64 deadline = 0;
        bool due = false;
    };

    void adoptChildren(QWidget* window) {
        for (QTimer* timer : window->findChildren<QTimer*>())
            adopt(timer);
    }

    void adopt(QTimer* timer) {
        for (const Entry& entry : entries_)
            if (entry.timer == timer)
                return;
        timer->installEventFilter(this);
        entries_.push_back({timer, 0, 0, false});
    }

    // A timer that was started since the last look gets its deadline; a stopped
    // one has none.
    void schedule() {
        std::erase_if(entries_, [](const Entry& entry) { return entry.timer.isNull(); });
        for (Entry& entry : entries_) {
            if (!entry.timer->isActive()) {
                entry.due = false;
                continue;
            }
            if (entry.due && entry.id == entry.timer->timerId())
                continue;
            entry.id = entry.timer->timerId();
            entry.deadline = now_ + qMax(1, entry.timer->interval());
            entry.due = true;
        }
    }

    void fire(Entry& entry) {
        QTimer* timer = entry.timer;
        const int id = timer->timerId();
        delivering_ = true;
        QTimerEvent tick(id);
        QApplication::sendEvent(timer, &tick);
        delivering_ = false;
        // A repeating timer that runs on is due again one interval later.
        if (!entry.timer.isNull() && timer->isActive() && timer->timerId() == id)
            entry.deadline += qMax(1, timer->interval());
        else
            entry.due = false;
    }

    std::vector<Entry> entries_;
    QList<QPointer<QWidget>> followed_;
    bool following_ = false;
    qint64 now_ = 0;
    bool delivering_ = false;
};
