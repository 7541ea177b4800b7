#include "Monkey.h"

#include "support/Typing.h"
#include "ui/Program.h"
#include "ui/ScriptedPlatform.h"
#include "ui/Widgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>

#include <exception>

namespace {

// The errors the program may show; anything else escaped from somewhere.
bool isProgramError(const QString& text) {
    static const QList<QRegularExpression> patterns = [] {
        QList<QRegularExpression> list;
        for (const char* pattern :
             {"^'.*' is not a valid floating point value\\.$",
              "^Floating point division by zero\\.$", "^Invalid floating point operation\\.$",
              "^Floating point overflow\\.$", "^Cannot open file \".*\"\\. .+$",
              "^Cannot create file \".*\"\\. .+$",
              "^(File not found|Invalid filename|Too many open files|File access denied|Disk "
              "full)\\.$",
              "^I/O error \\d+\\.$"})
            list << QRegularExpression(QString::fromLatin1(pattern),
                                       QRegularExpression::DotMatchesEverythingOption);
        return list;
    }();
    for (const auto& pattern : patterns)
        if (pattern.match(text).hasMatch())
            return true;
    return false;
}

// "inf", "nan" or a negative zero in a shown text.
bool showsBrokenNumber(const QString& text) {
    static const QRegularExpression nonFinite(QStringLiteral("inf|nan"),
                                              QRegularExpression::CaseInsensitiveOption);
    // A minus that follows a letter is a hyphen, as in the board name "ПСБ-0".
    static const QRegularExpression negativeZero(
        QStringLiteral("(?<![\\p{L}\\p{N}.,])-0+([.,]0*)?(E-?\\d+)?(?![\\p{N}.,E])"));
    return nonFinite.match(text).hasMatch() || negativeZero.match(text).hasMatch();
}

template <class T> QList<T*> usable(QWidget* window) {
    QList<T*> found;
    for (T* widget : window->findChildren<T*>())
        if (widget->isVisibleTo(window) && widget->isEnabled())
            found << widget;
    return found;
}

} // namespace

Monkey::Monkey(quint64 seed, QDir folder) : random_(seed), seed_(seed), folder_(std::move(folder)) {
    startProgram();
}

Monkey::~Monkey() = default;

void Monkey::startProgram() {
    program_.reset();
    platform_ =
        std::make_unique<ScriptedPlatform>(random_() % 2 ? QLatin1Char(',') : QLatin1Char('.'));
    program_ = std::make_unique<Program>(*platform_);
    windows_.clear();
    for (QWidget* window : program_->windows())
        windows_ << window;
    typed_.clear();
    checkedMessages_ = 0;
}

QString Monkey::run(int actions) {
    for (int i = 1; i <= actions; ++i) {
        QString action;
        try {
            action = act();
            QApplication::processEvents();
        } catch (const std::exception& error) {
            action +=
                QStringLiteral(" -> exception escaped: ") + QString::fromLocal8Bit(error.what());
            return QStringLiteral("action %1 (%2)").arg(i).arg(action);
        } catch (...) {
            return QStringLiteral("action %1 (%2): an unknown exception escaped")
                .arg(i)
                .arg(action);
        }
        const QString broken = checkInvariants();
        if (!broken.isEmpty())
            return QStringLiteral(
                       "after action %1 (%2): %3\nreplay: vuvuvudozizod-monkey --seed %4 "
                       "--actions %1")
                .arg(i)
                .arg(action, broken)
                .arg(seed_);
        if (platform_->ended)
            startProgram();
    }
    return {};
}

QString Monkey::act() {
    queueDialogAnswer();
    QWidget* window = randomVisibleWindow();
    const int dice = int(random_() % 100);
    if (dice < 30)
        return click(window);
    if (dice < 38)
        return triggerMenuItem(program_->window(QStringLiteral("TMainForm")));
    if (dice < 56)
        return choose(window);
    if (dice < 94)
        return typeInto(window);
    if (dice < 97) {
        const int milliseconds = 50 + int(random_() % 1100);
        QTest::qWait(milliseconds);
        return QStringLiteral("wait %1").arg(milliseconds);
    }
    if (window != program_->window("TMainForm") || random_() % 10 == 0) {
        window->close();
        return QStringLiteral("close %1").arg(window->metaObject()->className());
    }
    return QStringLiteral("nothing");
}

QWidget* Monkey::randomVisibleWindow() {
    QList<QWidget*> visible;
    for (const auto& window : windows_)
        if (window && window->isVisible())
            visible << window;
    if (visible.isEmpty())
        return program_->window("TMainForm");
    return visible.at(int(random_() % visible.size()));
}

QString Monkey::click(QWidget* window) {
    QList<QWidget*> targets;
    for (auto* button : usable<QAbstractButton>(window))
        targets << button;
    for (auto* label : usable<ClickableLabel>(window))
        targets << label;
    if (targets.isEmpty())
        return QStringLiteral("no button in %1").arg(window->metaObject()->className());
    QWidget* target = targets.at(int(random_() % targets.size()));
    const QString what =
        QStringLiteral("click %1 %2").arg(window->metaObject()->className(), target->objectName());
    if (auto* button = qobject_cast<QAbstractButton*>(target))
        button->click();
    else
        static_cast<ClickableLabel*>(target)->click();
    return what;
}

QString Monkey::triggerMenuItem(QWidget* window) {
    QList<QAction*> items;
    for (QMenu* menu : window->findChildren<QMenu*>())
        for (QAction* action : menu->actions())
            if (!action->isSeparator() && !action->menu() && action->isEnabled())
                items << action;
    if (items.isEmpty())
        return QStringLiteral("no menu item");
    QAction* item = items.at(int(random_() % items.size()));
    item->trigger();
    return QStringLiteral("menu %1").arg(item->text());
}

QString Monkey::choose(QWidget* window) {
    const QList<QComboBox*> lists = usable<QComboBox>(window);
    if (lists.isEmpty())
        return QStringLiteral("no list in %1").arg(window->metaObject()->className());
    QComboBox* list = lists.at(int(random_() % lists.size()));
    const QString what =
        QStringLiteral("%1 %2").arg(window->metaObject()->className(), list->objectName());
    if (list->isEditable() && random_() % 4 == 0) {
        const QString text = randomText();
        list->lineEdit()->selectAll();
        Typing::typeText(list->lineEdit(), text);
        typed_.insert(list->lineEdit(), list->lineEdit()->text());
        return QStringLiteral("type into %1: \"%2\"").arg(what, text);
    }
    if (list->count() == 0)
        return QStringLiteral("empty list %1").arg(what);
    const int index = int(random_() % list->count());
    list->setCurrentIndex(index);
    if (list->isEditable() && list->lineEdit()->text() != list->itemText(index))
        list->lineEdit()->setText(list->itemText(index));
    emit list->activated(index);
    emit list->textActivated(list->itemText(index));
    return QStringLiteral("choose %1 item %2").arg(what).arg(index);
}

QString Monkey::typeInto(QWidget* window) {
    QList<QLineEdit*> fields;
    for (QLineEdit* field : usable<QLineEdit>(window))
        if (!field->isReadOnly())
            fields << field;
    if (fields.isEmpty())
        return QStringLiteral("no field in %1").arg(window->metaObject()->className());
    QLineEdit* field = fields.at(int(random_() % fields.size()));
    const QString text = randomText();
    const int how = int(random_() % 3);
    if (how == 0)
        field->selectAll();
    else
        field->end(false);
    if (how == 2) {
        field->selectAll();
        Typing::sendKey(field, Qt::Key_Delete);
    } else {
        Typing::typeText(field, text);
    }
    typed_.insert(field, field->text());
    return QStringLiteral("type %1 %2 \"%3\"")
        .arg(window->metaObject()->className(), field->objectName(), how == 2 ? QString() : text);
}

QString Monkey::randomText() {
    static const QStringList samples{"0",      "1",     "2,5",    "2.5",  "-1",
                                     "-0",     "0,0",   "23",     "8,7",  "1e308",
                                     "-1e308", "9e307", "1e-320", "1E-5", "100",
                                     "1000",   "",      " 5 ",    "абв",  "200...300",
                                     "1,,2",   "e",     "+",      ",",    "12345678901234567890"};
    if (random_() % 4)
        return samples.at(int(random_() % samples.size()));
    static const QString alphabet = QStringLiteral("0123456789,.-+eE xбю");
    QString text;
    const int length = int(random_() % 8);
    for (int i = 0; i < length; ++i)
        text += alphabet.at(int(random_() % alphabet.size()));
    return text;
}

QString Monkey::randomPath() {
    switch (random_() % 4) {
    case 0:
        return folder_.filePath(QStringLiteral("existing.txt"));
    case 1:
        return folder_.filePath(QStringLiteral("new-%1.txt").arg(random_() % 5));
    case 2:
        return folder_.filePath(QStringLiteral("no-such-folder/file.txt"));
    default:
        return folder_.filePath(QStringLiteral("set.rww"));
    }
}

void Monkey::queueDialogAnswer() {
    platform_->answers.clear();
    for (int i = 0; i < 3; ++i) {
        if (random_() % 5 == 0)
            platform_->answerCancel();
        else
            platform_->answer(randomPath());
    }
}

QString Monkey::checkInvariants() {
    for (int i = 0; i < windows_.size(); ++i)
        if (!windows_[i])
            return QStringLiteral("window %1 of the twelve was destroyed").arg(i + 1);
    for (; checkedMessages_ < platform_->messages.size(); ++checkedMessages_) {
        const auto& message = platform_->messages.at(checkedMessages_);
        if (message.title.isEmpty())
            return QStringLiteral("a message box without a title: %1").arg(message.text);
        if (message.kind == ScriptedPlatform::Kind::Error && !isProgramError(message.text))
            return QStringLiteral("an error that is not one of the program's messages: \"%1\"")
                .arg(message.text);
    }
    const QList<QString> typedTexts = typed_.values();
    for (const auto& window : windows_) {
        for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
            if (typedTexts.contains(field->text()))
                continue;
            if (showsBrokenNumber(field->text()))
                return QStringLiteral("%1 %2 shows \"%3\"")
                    .arg(window->metaObject()->className(), field->objectName(), field->text());
        }
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (typedTexts.contains(label->text()))
                continue;
            if (showsBrokenNumber(label->text()))
                return QStringLiteral("%1 %2 shows \"%3\"")
                    .arg(window->metaObject()->className(), label->objectName(), label->text());
        }
    }
    return {};
}
