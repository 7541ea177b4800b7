#pragma once
// A drop-down list's prompt, shown as its text while no item is chosen, kept in the
// current language across a switch and when a project saved in the other one is opened.

#include "core/ProjectRecord.h"

class QComboBox;
class QString;

struct ListPrompt {
    QComboBox* list = nullptr;
    const char* context = nullptr; // of the translation
    const char* source = nullptr;  // marked with QT_TRANSLATE_NOOP

    // The prompt in the current language.
    QString text() const;
    // Whether `shown` is the prompt in Russian or in Ukrainian.
    bool isPrompt(const QString& shown) const;
    // Shows the prompt in the current language when the list shows it in either, with
    // no item chosen; signals nothing.
    void retranslate() const;
    // A saved choice that is the prompt in either language, as the prompt in the current one.
    Project::ListChoice restored(Project::ListChoice choice) const;
};
