#include "ui/ListChoice.h"

#include <QComboBox>
#include <QLineEdit>

Project::ListChoice shownChoice(const QComboBox* list, int keptItem) {
    return {keptItem, list->currentText()};
}

bool restoreChoice(QComboBox* list, const Project::ListChoice& choice,
                   const std::function<void()>& picked) {
    const bool pickable = choice.item >= 0 && choice.item < list->count();
    list->setCurrentIndex(pickable ? choice.item : -1);
    if (pickable && picked)
        picked();
    const bool typed = list->currentText() != choice.text;
    if (typed) {
        list->setEditText(choice.text);
        if (picked)
            picked();
    }
    if (list->lineEdit())
        list->lineEdit()->setCursorPosition(0);
    return pickable && !typed;
}
