#include "ui/Widgets.h"

#include "ui/Forms.h"
#include "ui/ListChoice.h"
#include "ui/PictureSetEngine.h"
#include "ui/Platform.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

QChar Forms::separator() const {
    return platform.separator();
}

QIcon applicationIcon() {
    QStringList pictures;
    for (int side : {16, 32, 48, 64})
        pictures << QStringLiteral(":/icons/%1.png").arg(side);
    return QIcon(new PictureSetEngine(pictures));
}

QLabel* namedLabel(const QString& text, const QString& name) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* verdictLabel(const QString& text, const QString& name) {
    QLabel* label = namedLabel(text, name);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* outOfDateNote(const QString& name) {
    QLabel* note = namedLabel(QString(), name);
    note->setWordWrap(true);
    note->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setTextColor(note, Rgb{160, 0, 0});
    note->hide();
    return note;
}

QPushButton* namedButton(const QString& text, const QString& name) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    return button;
}

QTimer* namedTimer(QObject* parent, const QString& name, int milliseconds) {
    auto* timer = new QTimer(parent);
    timer->setObjectName(name);
    timer->setInterval(milliseconds);
    return timer;
}

void switchOn(QTimer& timer) {
    if (!timer.isActive())
        timer.start();
}

void openWindow(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void setTextColor(QWidget* widget, Rgb color) {
    QPalette palette = widget->palette();
    const QColor qcolor(color.red, color.green, color.blue);
    palette.setColor(QPalette::WindowText, qcolor);
    palette.setColor(QPalette::ButtonText, qcolor);
    palette.setColor(QPalette::Text, qcolor);
    widget->setPalette(palette);
}

Rgb textColor(const QWidget* widget) {
    const QColor color = widget->palette().color(widget->foregroundRole());
    return Rgb{color.red(), color.green(), color.blue()};
}

namespace {

QString shortHint(const QString& hint) {
    return hint.section(QLatin1Char('|'), 0, 0);
}

QString longHint(const QString& hint) {
    const int bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

class DecimalKeyFilter : public QObject {
  public:
    DecimalKeyFilter(QObject* parent, QChar separator) : QObject(parent), separator_(separator) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if ((text != QStringLiteral(".") && text != QStringLiteral(",")) ||
            text.at(0) == separator_)
            return false;
        const int code = separator_ == QLatin1Char(',') ? Qt::Key_Comma : Qt::Key_Period;
        QKeyEvent mapped(key->type(), code, key->modifiers(), QString(separator_),
                         key->isAutoRepeat());
        QApplication::sendEvent(watched, &mapped);
        return true;
    }

  private:
    QChar separator_;
};

} // namespace

void setHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(shortHint(hint));
    widget->setStatusTip(longHint(hint));
}

void setHint(QAction* action, const QString& hint) {
    action->setToolTip(shortHint(hint));
    action->setStatusTip(longHint(hint));
}

void installDecimalKeyFilter(QWidget* field, QChar separator) {
    field->installEventFilter(new DecimalKeyFilter(field, separator));
}

void showWrittenTextFromStart(QLineEdit* field) {
    // setText clears the modified flag; the user's own typing sets it.
    QObject::connect(field, &QLineEdit::textChanged, field, [field] {
        if (!field->isModified())
            field->setCursorPosition(0);
    });
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

QComboBox* editableList(const QString& name, const QStringList& items, const QString& prompt) {
    auto* list = new QComboBox;
    list->setObjectName(name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr); // typed text stays as typed
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    addSourceItems(list, items);
    list->setCurrentIndex(-1);
    list->setEditText(prompt);
    list->lineEdit()->setCursorPosition(0);
    return list;
}

int pickedIndex(const QComboBox* list) {
    const int index = list->currentIndex();
    return index >= 0 && list->currentText() == list->itemText(index) ? index : -1;
}

namespace {

// Qt's editable list reports "activated" when the focus leaves it or Enter is pressed
// on typed text that matches an item; the text did not change, so that is no user
// change. The watch is up while the list handles those two events.
class EditorFinishWatch : public QObject {
  public:
    explicit EditorFinishWatch(QComboBox* list) : QObject(list) {
        list->installEventFilter(this);
        connect(list->lineEdit(), &QLineEdit::editingFinished, this,
                [this] { finishing_ = false; });
    }
    bool finishing() const { return finishing_; }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusOut || isEnter(event)) {
            finishing_ = true;
            QMetaObject::invokeMethod(
                this, [this] { finishing_ = false; }, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    static bool isEnter(QEvent* event) {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }
    bool finishing_ = false;
};

} // namespace

void onUserChange(QComboBox* list, QObject* context, const std::function<void()>& action) {
    auto* watch = new EditorFinishWatch(list);
    QObject::connect(list, &QComboBox::activated, context, [list, watch, action](int index) {
        if (watch->finishing())
            return;
        // Picking the item already selected after typing over it shows the item again.
        if (index >= 0 && list->currentText() != list->itemText(index))
            list->setEditText(list->itemText(index));
        action();
    });
    QObject::connect(list->lineEdit(), &QLineEdit::textEdited, context, [action] { action(); });
}
