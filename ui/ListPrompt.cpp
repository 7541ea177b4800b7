#include "ui/ListPrompt.h"

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

Project::ListChoice ListPrompt::choice(int keptItem) const {
    Project::ListChoice chosen = shownChoice(list, keptItem);
    chosen.prompt = shown();
    return chosen;
}

Project::ListChoice ListPrompt::fresh(int item) const {
    return {item, text(), true, true};
}

bool ListPrompt::restore(const Project::ListChoice& choice,
                         const std::function<void()>& picked) const {
    Project::ListChoice restored = choice;
    if (choice.prompt)
        restored.text = text();
    const bool item = restoreChoice(list, restored, picked);
    if (choice.prompt && list->currentIndex() < 0) {
        watch(list);
        list->setProperty(shownMark, QByteArray(promptMark));
    }
    return item;
}
