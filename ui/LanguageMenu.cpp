#include "ui/LanguageMenu.h"

#include "ui/InterfaceLanguage.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

void addLanguageMenu(QMenuBar* bar) {
    QMenu* menu = bar->addMenu(QStringLiteral("Язык / Мова"));
    menu->setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(menu);
    const struct {
        InterfaceLanguage language;
        const char* name;
        const char* text;
    } languages[] = {{InterfaceLanguage::Russian, "LanguageRussian", "Русский"},
                     {InterfaceLanguage::Ukrainian, "LanguageUkrainian", "Українська"}};
    for (const auto& each : languages) {
        QAction* action = menu->addAction(QString::fromUtf8(each.text));
        action->setObjectName(QLatin1String(each.name));
        action->setCheckable(true);
        action->setChecked(each.language == Language::current());
        group->addAction(action);
        const InterfaceLanguage language = each.language;
        QObject::connect(action, &QAction::triggered, menu, [language] {
            Language::apply(language);
            Language::remember(language);
        });
    }
}
