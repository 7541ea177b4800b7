#include "ui/ListPrompt.h"

#include "ui/InterfaceLanguage.h"
#include "ui/ListChoice.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

constexpr char shownMark[] = "shownMark";
constexpr char writingMarked[] = "writingMarked";
constexpr char watched[] = "markWatched";
constexpr char promptMark[] = "prompt";

// Any text that the list takes, other than the marked one written here, clears the mark.
void watch(QComboBox* list) {
    if (list->property(watched).toBool())
        return;
    list->setProperty(watched, true);
    QObject::connect(list->lineEdit(), &QLineEdit::textChanged, list, [list] {
        if (!list->property(writingMarked).toBool())
            list->setProperty(shownMark, QByteArray());
    });
}

} // namespace

void showMarked(QComboBox* list, const QString& text, const char* mark) {
    watch(list);
    list->setProperty(writingMarked, true);
    list->setEditText(text);
    list->setProperty(writingMarked, false);
    list->lineEdit()->setCursorPosition(0);
    list->setProperty(shownMark, QByteArray(mark));
}

bool showsMarked(const QComboBox* list, const char* mark) {
    return list->property(shownMark).toByteArray() == mark;
}

void showAsPrompt(QComboBox* list, const QString& text) {
    showMarked(list, text, promptMark);
}

bool showsPrompt(const QComboBox* list) {
    return showsMarked(list, promptMark) && list->currentIndex() < 0;
}

QString ListPrompt::text() const {
    return QCoreApplication::translate(context, source);
}

void ListPrompt::show() const {
    const QSignalBlocker quiet(list);
    showAsPrompt(list, text());
}

bool ListPrompt::shown() const {
    return showsPrompt(list);
}

void ListPrompt::retranslate() const {
    if (shown())
        show();
}

// Projects keep a prompt as the list showed it, in the language of their time.
bool ListPrompt::isPrompt(const Project::ListChoice& choice) const {
    return choice.typed.value_or(true) &&
           (choice.text == QString::fromUtf8(source) || choice.text == text() ||
            choice.text == Language::ukrainian(context, source));
}

Project::ListChoice ListPrompt::inCurrentLanguage(Project::ListChoice choice) const {
    if (isPrompt(choice))
        choice.text = text();
    return choice;
}

bool ListPrompt::restore(const Project::ListChoice& choice,
                         const std::function<void()>& picked) const {
    const bool prompt = isPrompt(choice);
    const Project::ListChoice restored = inCurrentLanguage(choice);
    const bool item = restoreChoice(list, restored, picked);
    if (prompt && list->currentIndex() < 0) {
        watch(list);
        list->setProperty(shownMark, QByteArray(promptMark));
    }
    return item;
}
