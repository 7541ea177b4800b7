#include "ui/ListPrompt.h"

#include "ui/InterfaceLanguage.h"
#include "ui/ListChoice.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

constexpr char showsPromptFlag[] = "showsPrompt";
constexpr char writingPrompt[] = "writingPrompt";
constexpr char watched[] = "promptWatched";

// Any text that the list takes, other than its prompt written here, clears the flag.
void watch(QComboBox* list) {
    if (list->property(watched).toBool())
        return;
    list->setProperty(watched, true);
    QObject::connect(list->lineEdit(), &QLineEdit::textChanged, list, [list] {
        if (!list->property(writingPrompt).toBool())
            list->setProperty(showsPromptFlag, false);
    });
}

void markShown(QComboBox* list) {
    watch(list);
    list->setProperty(showsPromptFlag, true);
}

} // namespace

void showAsPrompt(QComboBox* list, const QString& text) {
    list->setProperty(writingPrompt, true);
    list->setEditText(text);
    list->setProperty(writingPrompt, false);
    list->lineEdit()->setCursorPosition(0);
    markShown(list);
}

bool showsPrompt(const QComboBox* list) {
    return list->property(showsPromptFlag).toBool() && list->currentIndex() < 0;
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

bool ListPrompt::restore(const Project::ListChoice& choice,
                         const std::function<void()>& picked) const {
    // Projects keep a prompt as the list showed it, in the language of their time.
    const bool prompt = choice.typed.value_or(true) &&
                        (choice.text == QString::fromUtf8(source) || choice.text == text() ||
                         choice.text == Language::ukrainian(context, source));
    Project::ListChoice restored = choice;
    if (prompt)
        restored.text = text();
    const bool item = restoreChoice(list, restored, picked);
    if (prompt && list->currentIndex() < 0)
        markShown(list);
    return item;
}
