#include "ui/ListChoice.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

// The text an item was given before any translation; a list filled without source
// texts has only the shown one.
QString sourceText(const QComboBox* list, int item) {
    const QVariant source = list->itemData(item);
    return source.isValid() ? source.toString() : list->itemText(item);
}

// Newer projects say whether the text was typed; older ones kept the shown text, which
// was typed only when it is not the item's own (untranslated) text.
bool typedOver(const QComboBox* list, const Project::ListChoice& choice) {
    return choice.typed.value_or(choice.text != sourceText(list, choice.item));
}

} // namespace

void addSourceItems(QComboBox* list, const QStringList& sourceTexts) {
    for (const QString& text : sourceTexts)
        list->addItem(text, text);
}

QString pickedSource(const QComboBox* list) {
    const int item = list->currentIndex();
    const QVariant source = item >= 0 ? list->itemData(item) : QVariant();
    const bool picked = source.isValid() && list->currentText() == list->itemText(item);
    return picked ? source.toString() : QString();
}

Caption shownCaption(const QComboBox* list, const char* context) {
    const QString source = pickedSource(list);
    return source.isEmpty() ? Caption::plain(list->currentText()) : Caption{context, source};
}

void translateItems(QComboBox* list, const char* context) {
    const QSignalBlocker quiet(list);
    const int current = list->currentIndex();
    const bool typed = current < 0 || list->currentText() != list->itemText(current);
    const QString shown = list->currentText();
    for (int i = 0; i < list->count(); ++i)
        list->setItemText(i, QCoreApplication::translate(
                                 context, list->itemData(i).toString().toUtf8().constData()));
    if (list->isEditable() && typed)
        list->setEditText(shown);
}

Project::ListChoice shownChoice(const QComboBox* list, int keptItem) {
    const bool kept = keptItem >= 0 && keptItem < list->count();
    const bool typed = !kept || list->currentText() != list->itemText(keptItem);
    return {keptItem, typed ? list->currentText() : QString(), typed};
}

bool restoreChoice(QComboBox* list, const Project::ListChoice& choice,
                   const std::function<void()>& picked) {
    const bool pickable = choice.item >= 0 && choice.item < list->count();
    list->setCurrentIndex(pickable ? choice.item : -1);
    if (pickable && picked)
        picked();
    const bool typed = (!pickable || typedOver(list, choice)) && list->currentText() != choice.text;
    if (typed) {
        list->setEditText(choice.text);
        if (picked)
            picked();
    }
    if (list->lineEdit())
        list->lineEdit()->setCursorPosition(0);
    return pickable && !typed;
}
