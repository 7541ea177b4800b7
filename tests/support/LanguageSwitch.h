#pragma once
// The interface language switched as its menu does, with the change handed to every
// window at once: in the program they hear of it when its posted events come.

#include "ui/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QEvent>

inline bool switchLanguage(InterfaceLanguage language) {
    const bool applied = Language::apply(language);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return applied;
}
