#include "core/RestoredChoice.h"

#include <QCoreApplication>

namespace RestoredChoice {

// A pickable item is picked; a text that was typed over it (older projects: any text not
// the item's own source) is then put back, unless the list already shows it.
Shown of(const QStringList& sources, const char* context, const Project::ListChoice& choice) {
    const bool pickable = choice.item >= 0 && choice.item < sources.size();
    if (!pickable)
        return {choice.text, -1, -1};
    const QString& source = sources.at(choice.item);
    const QString itemText =
        context ? QCoreApplication::translate(context, source.toUtf8().constData()) : source;
    const bool typedOver = choice.typed.value_or(choice.text != source);
    const QString text = typedOver ? choice.text : itemText;
    return {text, choice.item, text == itemText ? choice.item : -1};
}

} // namespace RestoredChoice
