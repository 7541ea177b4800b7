#include "ui/ListPrompt.h"

#include "ui/Widgets.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTranslator>

namespace {

// The program's Ukrainian texts, whatever language is installed: a prompt written in
// Ukrainian must be recognised while the interface is Russian too.
const QTranslator& ukrainian() {
    static QTranslator translator;
    static const bool loaded =
        translator.load(QStringLiteral("vuvuvudozizod_uk"), QStringLiteral(":/translations"));
    Q_UNUSED(loaded);
    return translator;
}

} // namespace

QString ListPrompt::text() const {
    return QCoreApplication::translate(context, source);
}

bool ListPrompt::isPrompt(const QString& shown) const {
    if (shown == QString::fromUtf8(source) || shown == text())
        return true;
    const QString inUkrainian = ukrainian().translate(context, source);
    return !inUkrainian.isEmpty() && shown == inUkrainian;
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
