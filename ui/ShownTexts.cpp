#include "ui/ShownTexts.h"

#include "ui/Widgets.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

void ShownTexts::keep(QObject* target, const char* source,
                      std::function<void(const QString&)> show) {
    kept_.push_back({target, source, std::move(show)});
}

void ShownTexts::title(QWidget* window, const char* source) {
    keep(window, source, [window](const QString& shown) { window->setWindowTitle(shown); });
}

void ShownTexts::title(QMenu* menu, const char* source) {
    keep(menu, source, [menu](const QString& shown) { menu->setTitle(shown); });
}

void ShownTexts::hint(QWidget* widget, const char* source) {
    keep(widget, source, [widget](const QString& shown) { setHint(widget, shown); });
}

void ShownTexts::hint(QAction* action, const char* source) {
    keep(action, source, [action](const QString& shown) { setHint(action, shown); });
}

QAction* ShownTexts::action(QAction* action, const char* text, const char* hint) {
    this->text(action, text);
    if (hint)
        this->hint(action, hint);
    return action;
}

QString ShownTexts::operator()(const char* source) const {
    return QCoreApplication::translate(context_, source);
}

void ShownTexts::retranslate() const {
    for (const Kept& each : kept_)
        if (each.target) // a widget its window has deleted is left out
            each.show((*this)(each.source));
}
