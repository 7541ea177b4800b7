#pragma once
// How the program's windows behave together on the desktop: a window opens the
// first time centred over the main window and fitted to a small screen, Escape acts
// as its close box, Enter presses the focused push button in every window, and a
// window that stays above another stays above that window only: never above the
// program's dialogs, message boxes and later windows, nor above other programs.

#include <QDeadlineTimer>
#include <QHash>
#include <QObject>
#include <QRect>
#include <QSet>
#include <QSize>

#include <functional>

class QKeyEvent;
class QWidget;

class WindowManners : public QObject {
  public:
    // The main window: fitted to its screen and centred on it when first shown.
    explicit WindowManners(QWidget* mainWindow);

    // A window other than the main one.
    void manage(QWidget* window);
    // The window stays above `under`, as the window manager keeps a dialog above the
    // window it belongs to.
    void keepAbove(QWidget* window, QWidget* under);
    // The window opens beside `owner`, never over the rows that `rows` gives on the
    // screen; where it was left, unless that covers them.
    void openBesideRows(QWidget* window, QWidget* owner, std::function<QRect()> rows);
    // The same, next to `neighbour` where that is shown and leaves room, clear of it too.
    void openBesideRows(QWidget* window, QWidget* owner, std::function<QRect()> rows,
                        QWidget* neighbour);
    // Beside the rows and clear of `alsoClear` of the owner too.
    void openBesideRows(QWidget* window, QWidget* owner, std::function<QRect()> rows,
                        std::function<QRect()> alsoClear);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct RowsOwner {
        QWidget* owner;
        std::function<QRect()> rows;
        QWidget* neighbour = nullptr;
        std::function<QRect()> alsoClear = [] { return QRect(); };
        bool coveredBy(QRect frame) const {
            return frame.intersects(rows()) || frame.intersects(alsoClear());
        }
    };

    bool keyPressed(QWidget* window, const QKeyEvent& key) const;
    void shown(QWidget* window);
    void placeBesideRows(QWidget* window, const RowsOwner& beside);
    void keepOffRows(QWidget* window);
    void lookAgainLater(QWidget* window);
    void placeCentred(QWidget* window);
    void refit(QWidget* window);

    QWidget* mainWindow_;
    QSet<QObject*> closesOnEscape_;
    QSet<QObject*> placed_;
    // The size each shown window was last given to fit its texts: one still at that size
    // fits the texts of a new language too; one the user resized keeps its size, and so
    // do one of a size of its own and one cut down to a small screen.
    QHash<QObject*, QSize> fitted_;
    QHash<QObject*, RowsOwner> besideRows_;
    // Windows placed beside rows, with the time their moves are still watched: a busy
    // window manager may place them over the rows again after they are shown.
    QHash<QObject*, QDeadlineTimer> placedBesideRows_;
    // Those shown and not yet painted: they are mapped, and placed by the window manager,
    // only when it gets to them, which on a loaded machine may be seconds after the show.
    QSet<QObject*> awaitingFirstPaint_;
};
