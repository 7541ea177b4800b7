#include "ScenarioRunner.h"

#include "FocusFallback.h"

#include "core/Rgb.h"
#include "session/Program.h"
#include "support/Controls.h"
#include "support/Typing.h"
#include "testsupport/ui/ScriptedPlatform.h"
#include "ui/GuardedApplication.h"
#include "ui/InterfaceLanguage.h"
#include "ui/Main.h"
#include "ui/Widgets.h"

#include "formats/Cp1251.h"
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>

#include <cstdio>
#include <set>

namespace {

// A text as a script would write it, so control characters can be seen.
QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += QStringLiteral("\\\"");
            break;
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case 9:
            out += QStringLiteral("\\t");
            break;
        case 10:
            out += QStringLiteral("\\n");
            break;
        case 13:
            out += QStringLiteral("\\r");
            break;
        default:
            out += c;
        }
    }
    return out + QLatin1Char('"');
}

QString kindName(ScriptedPlatform::Kind kind) {
    switch (kind) {
    case ScriptedPlatform::Kind::Info:
        return QStringLiteral("info");
    case ScriptedPlatform::Kind::Warning:
        return QStringLiteral("warning");
    case ScriptedPlatform::Kind::Error:
        break;
    }
    return QStringLiteral("error");
}

QString describe(const ScriptedPlatform::Message& message) {
    return QStringLiteral("%1 %2 %3")
        .arg(kindName(message.kind), quoted(message.title), quoted(message.text));
}

QByteArray parseHex(const std::vector<Argument>& arguments, std::size_t from) {
    QString hex;
    for (std::size_t i = from; i < arguments.size(); ++i)
        hex += arguments[i].text;
    hex.remove(QLatin1Char(' '));
    static const QRegularExpression pairs(QStringLiteral("^([0-9A-Fa-f]{2})*$"));
    if (!pairs.match(hex).hasMatch())
        throw StepFailure(QStringLiteral("bytes must be written as hex pairs, found %1").arg(hex));
    return QByteArray::fromHex(hex.toLatin1());
}

QString hexOf(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QString plainLabelText(const QLabel* label) {
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (!rich)
        return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

QString textOf(QObject* object, const QString& name) {
    if (auto* edit = qobject_cast<QLineEdit*>(object))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(object))
        return combo->currentText();
    if (auto* label = qobject_cast<QLabel*>(object))
        return plainLabelText(label);
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(object))
        return group->title();
    if (auto* area = qobject_cast<QTextEdit*>(object))
        return area->toPlainText();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(object))
        return plain->toPlainText();
    if (auto* action = qobject_cast<QAction*>(object))
        return action->text();
    if (auto* status = qobject_cast<QStatusBar*>(object))
        return status->currentMessage();
    throw StepFailure(QStringLiteral("%1 is a %2, which shows no text")
                          .arg(name, QString::fromLatin1(object->metaObject()->className())));
}

// The captions and hints by which a control may be named besides its objectName.
QStringList namesOf(QObject* object) {
    QStringList names;
    if (auto* action = qobject_cast<QAction*>(object)) {
        names << action->text() << action->toolTip() << action->statusTip();
    } else if (auto* widget = qobject_cast<QWidget*>(object)) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            names << button->text();
        if (auto* label = qobject_cast<QLabel*>(widget))
            names << plainLabelText(label);
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            names << group->title();
        names << widget->toolTip() << widget->statusTip();
    }
    names.removeAll(QString());
    return names;
}

QString readWindows1251(const QByteArray& bytes) {
    return Cp1251::decode(bytes);
}

} // namespace

ScenarioRunner::ScenarioRunner(QDir startFolder) : startFolder_(std::move(startFolder)) {}

ScenarioRunner::~ScenarioRunner() = default;

QString ScenarioRunner::run(const Script& script) {
    QTemporaryDir temporary;
    if (!temporary.isValid())
        return QStringLiteral("0: can't create a temporary folder");
    // For writing a scenario: keep the folder to look at the files it made.
    if (qEnvironmentVariableIsSet("VUV_KEEP_SCENARIO_FOLDER")) {
        temporary.setAutoRemove(false);
        std::fprintf(stderr, "scenario folder kept: %s\n", qPrintable(temporary.path()));
    }
    folder_ = QDir(temporary.path()).canonicalPath();
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder_);
    // The calculation kept at closing goes to the scenario's folder, not the user's.
    qputenv("XDG_DATA_HOME", QDir(folder_).filePath(QStringLiteral("data")).toLocal8Bit());
    // So do its settings, and every scenario starts in Russian whatever the machine's language.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QDir(folder_).filePath(QStringLiteral("config")));
    Language::apply(InterfaceLanguage::Russian);

    platform_ = std::make_unique<ScriptedPlatform>(script.separator);
    if (auto* application = dynamic_cast<GuardedApplication*>(qApp))
        application->setPlatform(platform_.get());
    focusFallback_ = std::make_unique<FocusFallback>();
    program_ = std::make_unique<Program>(*platform_);
    QApplication::processEvents();
    expectedMessages_ = expectedOpened_ = answeredDialogs_ = 0;
    hovered_ = nullptr;

    QString failure;
    int line = 0;
    try {
        for (const Command& command : script.commands) {
            line = command.line;
            execute(command);
            QApplication::processEvents();
            focusFallback_->settle();
            QApplication::processEvents();
            checkDialogsAnswered();
        }
        line = script.commands.empty() ? 0 : script.commands.back().line;
        checkNothingLeftUnexpected();
    } catch (const StepFailure& error) {
        failure = QStringLiteral("%1: %2").arg(line).arg(error.message);
    }

    program_.reset();
    focusFallback_.reset();
    QApplication::processEvents();
    if (auto* application = dynamic_cast<GuardedApplication*>(qApp))
        application->setPlatform(nullptr);
    platform_.reset();
    QDir::setCurrent(previous);
    return failure;
}

void ScenarioRunner::checkDialogsAnswered() {
    if (platform_->unansweredDialogs > 0)
        throw StepFailure(QStringLiteral(
            "a dialog or question was shown with no answer queued (use \"answer\" before)"));
}

void ScenarioRunner::checkNothingLeftUnexpected() {
    if (expectedMessages_ < platform_->messages.size())
        throw StepFailure(QStringLiteral("at the end: a message that no line expected: %1")
                              .arg(describe(platform_->messages.at(expectedMessages_))));
    if (expectedOpened_ < platform_->opened.size())
        throw StepFailure(QStringLiteral("at the end: a request to open %1 that no line expected")
                              .arg(quoted(platform_->opened.at(expectedOpened_))));
    if (!platform_->answers.isEmpty() || !platform_->buttonAnswers.isEmpty())
        throw StepFailure(QStringLiteral("at the end: %1 queued dialog answer(s) never used")
                              .arg(platform_->answers.size() + platform_->buttonAnswers.size()));
}

QWidget* ScenarioRunner::window(const QString& className) const {
    QWidget* found = program_->window(className);
    if (!found)
        throw StepFailure(QStringLiteral("no window %1 (windows are TMainForm, TAboutBox, TForm1 "
                                         ".. TForm10)")
                              .arg(className));
    return found;
}

QWidget* ScenarioRunner::visibleWindow(const QString& className) const {
    QWidget* found = window(className);
    if (!found->isVisible())
        throw StepFailure(QStringLiteral("expected %1 to be open, found it hidden").arg(className));
    return found;
}

QObject* ScenarioRunner::control(const QString& windowName, const QString& controlName) const {
    QWidget* owner = window(windowName);
    std::set<QObject*> found;
    for (QObject* object : owner->findChildren<QObject*>(controlName))
        found.insert(object);
    if (found.empty()) {
        for (QObject* object : owner->findChildren<QObject*>())
            if (namesOf(object).contains(controlName))
                found.insert(object);
    }
    if (found.empty())
        throw StepFailure(QStringLiteral("no control %1 in %2 (by objectName, caption or hint)")
                              .arg(quoted(controlName), windowName));
    if (found.size() > 1)
        throw StepFailure(QStringLiteral("%1 names %2 controls in %3; use an objectName")
                              .arg(quoted(controlName))
                              .arg(found.size())
                              .arg(windowName));
    return *found.begin();
}

// A widget the user can reach: its window open, itself shown and enabled.
QWidget* ScenarioRunner::usableWidget(const QString& windowName, const QString& controlName) const {
    QWidget* owner = visibleWindow(windowName);
    auto* widget = qobject_cast<QWidget*>(control(windowName, controlName));
    if (!widget)
        throw StepFailure(
            QStringLiteral("%1 in %2 is not a widget").arg(quoted(controlName), windowName));
    if (!widget->isVisibleTo(owner))
        throw StepFailure(QStringLiteral("expected %1 in %2 to be visible, found it hidden")
                              .arg(quoted(controlName), windowName));
    if (!widget->isEnabled())
        throw StepFailure(QStringLiteral("expected %1 in %2 to be enabled, found it disabled")
                              .arg(quoted(controlName), windowName));
    return widget;
}

void ScenarioRunner::execute(const Command& c) {
    const QString& name = c.name;
#ifdef Q_OS_WIN
    // Reading a PDF back takes poppler's tools: Linux programs a test on Windows cannot start.
    if (name.contains(QLatin1String("-pdf-"))) {
        std::fprintf(stderr, "line %d: %s skipped: poppler's tools run on Linux only\n", c.line,
                     qPrintable(name));
        return;
    }
#endif
    if (name == QLatin1String("click")) {
        click(c);
    } else if (name == QLatin1String("type")) {
        typeText(c, false);
    } else if (name == QLatin1String("replace")) {
        typeText(c, true);
    } else if (name == QLatin1String("clear")) {
        clearText(c);
    } else if (name == QLatin1String("choose")) {
        choose(c);
    } else if (name == QLatin1String("hover")) {
        hover(c);
    } else if (name == QLatin1String("close")) {
        visibleWindow(c.arg(0))->close();
    } else if (name == QLatin1String("wait")) {
        bool ok = false;
        const int milliseconds = c.arg(0).toInt(&ok);
        if (!ok || milliseconds < 0)
            throw StepFailure(QStringLiteral("wait takes milliseconds, found %1").arg(c.arg(0)));
        QTest::qWait(milliseconds);
    } else if (name == QLatin1String("language")) {
        switchLanguage(c.arg(0));
    } else if (name == QLatin1String("answer")) {
        if (c.arg(0) == QLatin1String("cancel"))
            platform_->answerCancel();
        else if (c.arg(0) == QLatin1String("button"))
            platform_->answerButton(c.arg(1));
        else
            platform_->answer(c.arg(1));
    } else if (name == QLatin1String("write-file")) {
        QFile file(c.arg(0));
        const QByteArray bytes = Cp1251::encode(c.arg(1)).value_or(c.arg(1).toUtf8());
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0)
            throw StepFailure(
                QStringLiteral("can't write %1: %2").arg(c.arg(0), file.errorString()));
    } else if (name == QLatin1String("write-bytes")) {
        QFile file(c.arg(0));
        if (!file.open(QIODevice::WriteOnly) || file.write(parseHex(c.arguments, 1)) < 0)
            throw StepFailure(
                QStringLiteral("can't write %1: %2").arg(c.arg(0), file.errorString()));
    } else if (name == QLatin1String("expect")) {
        expectText(c);
    } else if (name == QLatin1String("expect-title")) {
        const QString title = window(c.arg(0))->windowTitle();
        if (title != c.arg(1))
            throw StepFailure(QStringLiteral("expected the title %1, found %2")
                                  .arg(quoted(c.arg(1)), quoted(title)));
    } else if (name == QLatin1String("expect-color")) {
        auto* widget = qobject_cast<QWidget*>(control(c.arg(0), c.arg(1)));
        if (!widget)
            throw StepFailure(QStringLiteral("%1 has no font colour").arg(quoted(c.arg(1))));
        const Rgb color = textColor(widget);
        const Rgb expected{c.arg(2).toInt(), c.arg(3).toInt(), c.arg(4).toInt()};
        if (!(color == expected))
            throw StepFailure(QStringLiteral("expected %1 in colour %2 %3 %4, found %5 %6 %7")
                                  .arg(quoted(c.arg(1)))
                                  .arg(expected.red)
                                  .arg(expected.green)
                                  .arg(expected.blue)
                                  .arg(color.red)
                                  .arg(color.green)
                                  .arg(color.blue));
    } else if (name == QLatin1String("expect-visible")) {
        expectVisibility(c, true);
    } else if (name == QLatin1String("expect-hidden")) {
        expectVisibility(c, false);
    } else if (name == QLatin1String("expect-enabled")) {
        expectEnabled(c, true);
    } else if (name == QLatin1String("expect-disabled")) {
        expectEnabled(c, false);
    } else if (name == QLatin1String("expect-active")) {
        QWidget* expected = window(c.arg(0));
        QWidget* active = QApplication::activeWindow();
        if (active != expected)
            throw StepFailure(
                QStringLiteral("expected %1 to be the active window, found %2")
                    .arg(c.arg(0), active ? QString::fromLatin1(active->metaObject()->className())
                                          : QStringLiteral("no active window")));
    } else if (name == QLatin1String("expect-items")) {
        auto* combo = qobject_cast<QComboBox*>(control(c.arg(0), c.arg(1)));
        if (!combo)
            throw StepFailure(QStringLiteral("%1 is not a drop-down list").arg(quoted(c.arg(1))));
        if (QString::number(combo->count()) != c.arg(2))
            throw StepFailure(QStringLiteral("expected %1 items in %2, found %3")
                                  .arg(c.arg(2), quoted(c.arg(1)))
                                  .arg(combo->count()));
    } else if (name == QLatin1String("expect-status")) {
        auto* status = window(QStringLiteral("TMainForm"))->findChild<QStatusBar*>();
        const QString shown = status ? status->currentMessage() : QString();
        if (shown != c.arg(0))
            throw StepFailure(QStringLiteral("expected the status line %1, found %2")
                                  .arg(quoted(c.arg(0)), quoted(shown)));
    } else if (name == QLatin1String("expect-message")) {
        expectMessage(c);
    } else if (name == QLatin1String("expect-no-message")) {
        if (expectedMessages_ < platform_->messages.size())
            throw StepFailure(QStringLiteral("expected no further message, found %1")
                                  .arg(describe(platform_->messages.at(expectedMessages_))));
    } else if (name == QLatin1String("expect-opened")) {
        expectOpened(c);
    } else if (name == QLatin1String("expect-file-lines")) {
        expectFileLines(c);
    } else if (name == QLatin1String("expect-file-bytes")) {
        expectFileBytes(c);
    } else if (name == QLatin1String("expect-no-file")) {
        if (QFileInfo::exists(c.arg(0)))
            throw StepFailure(
                QStringLiteral("expected no file %1, found one").arg(quoted(c.arg(0))));
    } else if (name == QLatin1String("expect-pdf-text") ||
               name == QLatin1String("expect-no-pdf-text")) {
        expectPdfText(c);
    } else if (name == QLatin1String("expect-pdf-on-one-line")) {
        expectPdfOnOneLine(c);
    } else if (name == QLatin1String("expect-question")) {
        expectQuestion(c);
    } else if (name == QLatin1String("expect-pdf-fonts-embedded")) {
        expectPdfFontsEmbedded(c);
    } else if (name == QLatin1String("expect-quit")) {
        if (!platform_->ended || window(QStringLiteral("TMainForm"))->isVisible())
            throw StepFailure(
                QStringLiteral("expected the program to have ended, found it running"));
    } else if (name == QLatin1String("screenshot")) {
        const QString path = startFolder_.absoluteFilePath(c.arg(1));
        QFileInfo(path).absoluteDir().mkpath(QStringLiteral("."));
        if (!window(c.arg(0))->grab().save(path))
            throw StepFailure(QStringLiteral("can't save the screenshot %1").arg(quoted(path)));
    }
}

void ScenarioRunner::click(const Command& c) {
    QObject* object = control(c.arg(0), c.arg(1));
    if (auto* action = qobject_cast<QAction*>(object)) {
        visibleWindow(c.arg(0));
        if (!action->isVisible() || !action->isEnabled())
            throw StepFailure(QStringLiteral("expected the menu item %1 to be usable, found it %2")
                                  .arg(quoted(c.arg(1)), action->isVisible()
                                                             ? QStringLiteral("disabled")
                                                             : QStringLiteral("hidden")));
        action->trigger();
        return;
    }
    QWidget* widget = usableWidget(c.arg(0), c.arg(1));
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->click();
    else
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

// The control gets the focus as a click gives it: its window becomes the active
// window first, then the control (or the list that owns its inner field) takes the focus.
QWidget* ScenarioRunner::focusAsClick(QWidget* widget) const {
    QWidget* top = widget->window();
    top->raise();
    top->activateWindow();
    if (!QTest::qWaitFor([top] { return QApplication::activeWindow() == top; }, 1000))
        throw StepFailure(
            QStringLiteral("%1 could not be made the active window").arg(top->objectName()));
    widget->setFocus(Qt::MouseFocusReason);
    QWidget* focus = QApplication::focusWidget();
    if (!focus || (focus != widget && !widget->isAncestorOf(focus) &&
                   focus != widget->focusProxy() && widget != focus->focusProxy()))
        throw StepFailure(
            QStringLiteral("%1 did not take the keyboard focus").arg(quoted(widget->objectName())));
    return focus;
}

void ScenarioRunner::typeText(const Command& c, bool replaceAll) {
    QWidget* widget = usableWidget(c.arg(0), c.arg(1));
    QWidget* field = widget;
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        if (!combo->isEditable())
            throw StepFailure(
                QStringLiteral("%1 is a list the user can't type into").arg(quoted(c.arg(1))));
        field = combo->lineEdit();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        if (edit->isReadOnly())
            throw StepFailure(QStringLiteral("%1 is read-only").arg(quoted(c.arg(1))));
    } else if (!qobject_cast<QTextEdit*>(field)) {
        throw StepFailure(
            QStringLiteral("%1 is not a field the user can type into").arg(quoted(c.arg(1))));
    }
    focusAsClick(widget);
    if (replaceAll)
        Typing::selectAllInFocus();
    else
        Typing::endOfTextInFocus(qobject_cast<QTextEdit*>(field) != nullptr);
    Typing::typeTextToFocus(c.arg(2));
}

void ScenarioRunner::clearText(const Command& c) {
    QWidget* widget = usableWidget(c.arg(0), c.arg(1));
    QWidget* field = widget;
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        field = combo->lineEdit();
    if (!qobject_cast<QLineEdit*>(field) && !qobject_cast<QTextEdit*>(field))
        throw StepFailure(
            QStringLiteral("%1 is not a field the user can clear").arg(quoted(c.arg(1))));
    focusAsClick(widget);
    Typing::selectAllInFocus();
    Typing::sendKeyToFocus(Qt::Key_Delete);
}

void ScenarioRunner::choose(const Command& c) {
    auto* combo = qobject_cast<QComboBox*>(usableWidget(c.arg(0), c.arg(1)));
    if (!combo)
        throw StepFailure(QStringLiteral("%1 is not a drop-down list").arg(quoted(c.arg(1))));
    int index = -1;
    if (c.arguments[2].quoted) {
        index = combo->findText(c.arg(2), Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index < 0)
            throw StepFailure(
                QStringLiteral("no item %1 in %2").arg(quoted(c.arg(2)), quoted(c.arg(1))));
    } else {
        bool ok = false;
        index = c.arg(2).toInt(&ok);
        if (!ok || index < 0 || index >= combo->count())
            throw StepFailure(QStringLiteral("no item %1 in %2, which has %3 items")
                                  .arg(c.arg(2), quoted(c.arg(1)))
                                  .arg(combo->count()));
    }
    combo->setFocus(Qt::OtherFocusReason);
    ::choose(combo, index);
}

// As the user switches it: by the main window's language menu.
void ScenarioRunner::switchLanguage(const QString& code) {
    InterfaceLanguage language;
    if (!Language::fromCode(code, language))
        throw StepFailure(QStringLiteral("language takes ru or uk, found %1").arg(quoted(code)));
    const QString name =
        language == InterfaceLanguage::Ukrainian ? "LanguageUkrainian" : "LanguageRussian";
    auto* action = window(QStringLiteral("TMainForm"))->findChild<QAction*>(name);
    if (!action)
        throw StepFailure(QStringLiteral("the main window has no %1").arg(name));
    action->trigger();
    QApplication::processEvents();
}

void ScenarioRunner::hover(const Command& c) {
    QObject* object = control(c.arg(0), c.arg(1));
    QWidget* owner = visibleWindow(c.arg(0));
    if (hovered_) {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(hovered_, &leave);
        hovered_ = nullptr;
    }
    if (auto* action = qobject_cast<QAction*>(object)) {
        action->showStatusText(owner);
        return;
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->isVisibleTo(owner))
        throw StepFailure(QStringLiteral("%1 is not a visible control").arg(quoted(c.arg(1))));
    const QPointF centre = widget->rect().center();
    QEnterEvent enter(centre, widget->mapTo(owner, centre), widget->mapToGlobal(centre));
    QApplication::sendEvent(widget, &enter);
    hovered_ = widget;
}

void ScenarioRunner::expectText(const Command& c) {
    const QString shown = textOf(control(c.arg(0), c.arg(1)), quoted(c.arg(1)));
    if (shown != c.arg(2))
        throw StepFailure(QStringLiteral("expected %1 in %2 to show %3, found %4")
                              .arg(quoted(c.arg(1)), c.arg(0), quoted(c.arg(2)), quoted(shown)));
}

QString ScenarioRunner::expandDir(const QString& text) const {
    QString expanded = text;
    return expanded.replace(QStringLiteral("{dir}"), folder_);
}

// The program's messages name files with the system's separators: "{dir}/a/b" as the path
// to the end of its quotes, in that form.
QString ScenarioRunner::expandDirInMessage(const QString& text) const {
    static const QRegularExpression path(QStringLiteral("\\{dir\\}([^\"]*)"));
    QString expanded;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : path.globalMatch(text)) {
        expanded += text.mid(done, match.capturedStart() - done) +
                    QDir::toNativeSeparators(folder_ + match.captured(1));
        done = match.capturedEnd();
    }
    return expanded + text.mid(done);
}

bool ScenarioRunner::matches(const QString& pattern, const QString& found) const {
    const QString expected = expandDir(pattern);
    if (expected.endsWith(QLatin1Char('*')))
        return found.startsWith(expected.chopped(1));
    return found == expected;
}

void ScenarioRunner::expectMessage(const Command& c) {
    static const QStringList kinds{QStringLiteral("info"), QStringLiteral("warning"),
                                   QStringLiteral("error")};
    if (!kinds.contains(c.arg(0)))
        throw StepFailure(
            QStringLiteral("a message is info, warning or error, found %1").arg(c.arg(0)));
    const QString pattern = expandDirInMessage(c.arg(2));
    const QString expected =
        QStringLiteral("%1 %2 %3").arg(c.arg(0), quoted(c.arg(1)), quoted(pattern));
    if (expectedMessages_ >= platform_->messages.size())
        throw StepFailure(
            QStringLiteral("expected the message %1, found no message").arg(expected));
    const auto& message = platform_->messages.at(expectedMessages_);
    if (kindName(message.kind) != c.arg(0) || message.title != c.arg(1) ||
        !matches(pattern, message.text))
        throw StepFailure(
            QStringLiteral("expected the message %1, found %2").arg(expected, describe(message)));
    ++expectedMessages_;
}

void ScenarioRunner::expectOpened(const Command& c) {
    if (expectedOpened_ >= platform_->opened.size())
        throw StepFailure(QStringLiteral("expected a request to open %1, found none")
                              .arg(quoted(expandDir(c.arg(0)))));
    const QString& address = platform_->opened.at(expectedOpened_);
    if (!matches(c.arg(0), address))
        throw StepFailure(QStringLiteral("expected a request to open %1, found %2")
                              .arg(quoted(expandDir(c.arg(0))), quoted(address)));
    ++expectedOpened_;
}

void ScenarioRunner::expectFileLines(const Command& c) {
    QFile file(c.arg(0));
    if (!file.open(QIODevice::ReadOnly))
        throw StepFailure(QStringLiteral("expected the file %1, found none").arg(quoted(c.arg(0))));
    const QString content = readWindows1251(file.readAll());
    const bool finalLineEnd = c.arg(1) == QLatin1String("crlf-end");
    QString expected = c.block.join(QStringLiteral("\r\n"));
    if (finalLineEnd && !c.block.isEmpty())
        expected += QStringLiteral("\r\n");
    if (content == expected)
        return;
    QString rest = content;
    if (finalLineEnd && rest.endsWith(QStringLiteral("\r\n")))
        rest.chop(2);
    const QStringList found = rest.isEmpty() ? QStringList() : rest.split(QStringLiteral("\r\n"));
    for (int i = 0; i < std::max(found.size(), c.block.size()); ++i) {
        const QString want = i < c.block.size() ? quoted(c.block[i]) : QStringLiteral("no line");
        const QString got = i < found.size() ? quoted(found[i]) : QStringLiteral("no line");
        if (want != got)
            throw StepFailure(QStringLiteral("%1, line %2: expected %3, found %4")
                                  .arg(quoted(c.arg(0)))
                                  .arg(i + 1)
                                  .arg(want, got));
    }
    throw StepFailure(
        QStringLiteral("%1: the lines match but the file %2 a final CR LF")
            .arg(quoted(c.arg(0)), finalLineEnd ? QStringLiteral("lacks") : QStringLiteral("has")));
}

void ScenarioRunner::expectFileBytes(const Command& c) {
    const QByteArray expected = parseHex(c.arguments, 1);
    QFile file(c.arg(0));
    if (!file.open(QIODevice::ReadOnly))
        throw StepFailure(QStringLiteral("expected the file %1, found none").arg(quoted(c.arg(0))));
    const QByteArray found = file.readAll();
    if (found != expected)
        throw StepFailure(QStringLiteral("expected %1 to hold %2, found %3")
                              .arg(quoted(c.arg(0)), hexOf(expected), hexOf(found)));
}

namespace {

// The standard output of a poppler tool run on the file.
QString popplerOutput(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        throw StepFailure(
            QStringLiteral("%1 failed on %2: %3")
                .arg(tool, arguments.last(), QString::fromUtf8(process.readAllStandardError())));
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

// The text in the order the page draws it, compared without blanks and line ends, so that
// a value wrapped in a table cell (after a hyphen too) is still found whole.
void ScenarioRunner::expectPdfText(const Command& c) {
    const QString path = QDir::current().absoluteFilePath(c.arg(0));
    const QString text = popplerOutput(QStringLiteral("pdftotext"),
                                       {QStringLiteral("-raw"), QStringLiteral("-enc"),
                                        QStringLiteral("UTF-8"), path, QStringLiteral("-")})
                             .simplified();
    const auto withoutBlanks = [](QString s) {
        return s.remove(QRegularExpression(QStringLiteral("\\s+")));
    };
    const bool wanted = c.name == QLatin1String("expect-pdf-text");
    if (withoutBlanks(text).contains(withoutBlanks(c.arg(1))) != wanted)
        throw StepFailure(
            QStringLiteral("expected %1 %2 the text %3, found %4")
                .arg(quoted(c.arg(0)),
                     wanted ? QStringLiteral("to hold") : QStringLiteral("not to hold"),
                     quoted(c.arg(1)), quoted(text)));
}

void ScenarioRunner::expectPdfOnOneLine(const Command& c) {
    const QString path = QDir::current().absoluteFilePath(c.arg(0));
    const QStringList lines = popplerOutput(QStringLiteral("pdftotext"),
                                            {QStringLiteral("-raw"), QStringLiteral("-enc"),
                                             QStringLiteral("UTF-8"), path, QStringLiteral("-")})
                                  .split(QLatin1Char('\n'));
    const QString text = c.arg(1).simplified();
    if (std::none_of(lines.begin(), lines.end(),
                     [&](const QString& line) { return line.simplified().contains(text); }))
        throw StepFailure(
            QStringLiteral("expected %1 whole on one line of %2, found %3")
                .arg(quoted(text), quoted(c.arg(0)), quoted(lines.join(QLatin1Char('\n')))));
}

void ScenarioRunner::expectQuestion(const Command& c) {
    const auto& questions = platform_->questions;
    const QString asked = questions.isEmpty() ? QString() : questions.last().text;
    if (asked != c.arg(0))
        throw StepFailure(QStringLiteral("expected the last question to be %1, found %2")
                              .arg(quoted(c.arg(0)), quoted(asked)));
}

// Every font of the PDF is embedded (pdffonts' "emb" column).
void ScenarioRunner::expectPdfFontsEmbedded(const Command& c) {
    const QString path = QDir::current().absoluteFilePath(c.arg(0));
    const QStringList lines = popplerOutput(QStringLiteral("pdffonts"), {path})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                  .mid(2); // the heading and its rule
    if (lines.isEmpty())
        throw StepFailure(QStringLiteral("expected fonts in %1, found none").arg(quoted(c.arg(0))));
    for (const QString& line : lines) {
        const QStringList columns = line.simplified().split(QLatin1Char(' '));
        // name, type words, encoding, then emb sub uni object generation
        if (columns.size() < 5 || columns.at(columns.size() - 5) != QLatin1String("yes"))
            throw StepFailure(QStringLiteral("expected every font of %1 embedded, found %2")
                                  .arg(quoted(c.arg(0)), line));
    }
}

void ScenarioRunner::expectVisibility(const Command& c, bool visible) {
    QWidget* owner = window(c.arg(0));
    bool shown = owner->isVisible();
    QString what = c.arg(0);
    if (c.arguments.size() == 2) {
        QObject* object = control(c.arg(0), c.arg(1));
        what = QStringLiteral("%1 in %2").arg(quoted(c.arg(1)), c.arg(0));
        if (auto* action = qobject_cast<QAction*>(object))
            shown = action->isVisible();
        else if (auto* widget = qobject_cast<QWidget*>(object))
            shown = widget->isVisibleTo(owner);
    }
    if (shown != visible)
        throw StepFailure(QStringLiteral("expected %1 to be %2, found it %3")
                              .arg(what,
                                   visible ? QStringLiteral("visible") : QStringLiteral("hidden"),
                                   shown ? QStringLiteral("visible") : QStringLiteral("hidden")));
}

void ScenarioRunner::expectEnabled(const Command& c, bool enabled) {
    QObject* object = control(c.arg(0), c.arg(1));
    bool isEnabled = false;
    if (auto* action = qobject_cast<QAction*>(object))
        isEnabled = action->isEnabled();
    else if (auto* widget = qobject_cast<QWidget*>(object))
        isEnabled = widget->isEnabled();
    if (isEnabled != enabled)
        throw StepFailure(
            QStringLiteral("expected %1 in %2 to be %3, found it %4")
                .arg(quoted(c.arg(1)), c.arg(0),
                     enabled ? QStringLiteral("enabled") : QStringLiteral("disabled"),
                     isEnabled ? QStringLiteral("enabled") : QStringLiteral("disabled")));
}
