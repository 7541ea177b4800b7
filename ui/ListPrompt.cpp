#include "ui/ListPrompt.h"

#include "ui/InterfaceLanguage.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSignalBlocker>

QString ListPrompt::text() const {
    return QCoreApplication::translate(context, source);
}

bool ListPrompt::isPrompt(const QString& shown) const {
    if (shown == QString::fromUtf8(source) || shown == text())
        return true;
    return shown == Language::ukrainian(context, source);
}

void ListPrompt::retranslate() const {
    if (pickedIndex(list) >= 0 || !isPrompt(list->currentText()))
        return;
    const QSignalBlocker quiet(list);
    list->setEditText(text());
    list->lineEdit()->setCursorPosition(0);
}

Project::ListChoice ListPrompt::restored(Project::ListChoice choice) const {
    if (choice.typed.value_or(true) && isPrompt(choice.text))
        choice.text = text();
    return choice;
}
