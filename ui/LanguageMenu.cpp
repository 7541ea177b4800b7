#include "ui/LanguageMenu.h"

#include "ui/InterfaceLanguage.h"
#include "ui/Platform.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

void addLanguageMenu(QMenuBar* bar, Platform& platform) {
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
        QObject::connect(action, &QAction::triggered, menu, [language, &platform] {
            Language::apply(language);
            // Said once: the user knows after that, and may switch as often as liked.
            static bool told = false;
            if (!Language::remember(language) && !told) {
                told = true;
                platform.information(QCoreApplication::translate(
                                         "LanguageMenu",
                                         "Выбор языка не удалось сохранить в файле \"%1\": при "
                                         "следующем запуске язык будет выбран заново.")
                                         .arg(Language::settingsFile()));
            }
        });
    }
}
