#pragma once
// Small pieces shared by the windows: timers, colours, hints, key filters, links.

#include "core/Rgb.h"

#include <QLabel>
#include <QStringList>
#include <QWidget>

#include <functional>

class QAction;
class QIcon;
class QPushButton;
class QComboBox;
class QLineEdit;
class QTimer;

// The program's own icon, from the executable's compiled-in resources, each size decoded
// when it is first asked for.
QIcon applicationIcon();

// A plain-text label and a push button, each with its objectName.
QLabel* namedLabel(const QString& text, const QString& name);
QPushButton* namedButton(const QString& text, const QString& name);
// A verdict line of a check window: bold, wrapped.
QLabel* verdictLabel(const QString& text, const QString& name);

// A stopped timer with its objectName and interval.
QTimer* namedTimer(QObject* parent, const QString& name, int milliseconds);

// Starts a one-shot delay unless it is already counting down.
void switchOn(QTimer& timer);

// Makes a window visible, brings it to the front and gives it the focus.
void openWindow(QWidget* window);

void setTextColor(QWidget* widget, Rgb color);
Rgb textColor(const QWidget* widget);

// A hint "short|long": the short part is the tool tip, the long part goes to the status line.
void setHint(QWidget* widget, const QString& hint);
void setHint(QAction* action, const QString& hint);

// A typed "." or "," is entered as the locale's decimal separator. For an editable
// list, give the list itself: it receives the keys and hands them to its inner field.
void installDecimalKeyFilter(QWidget* field, QChar separator);

// A text written from code is shown from its start, however long; the user's typing is left alone.
void showWrittenTextFromStart(QLineEdit* field);

// A label that acts on a click: links and pictures.
class ClickableLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;
    void click() { emit clicked(); }

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A hidden note in dark red that says the results shown are out of date; it wraps
// within the width its window gives it and never widens the window.
QLabel* outOfDateNote(const QString& name);

// An editable drop-down list that shows its prompt as text until the user picks an item.
QComboBox* editableList(const QString& name, const QStringList& items, const QString& prompt);
// The picked item, or -1 while the list shows typed text or its prompt.
int pickedIndex(const QComboBox* list);
// Runs the action when the user picks an item from the list or types into it.
void onUserChange(QComboBox* list, QObject* context, const std::function<void()>& action);
