#pragma once
// A drop-down list's prompt, shown as its text while no item is chosen and kept in the
// current language. Whether the list shows it is a flag the list carries: set when the
// prompt is shown, cleared as soon as anything else takes the list's text.

#include "core/ProjectRecord.h"

#include <functional>

class QComboBox;
class QString;

// Shows `text` as the list's text with a mark the list carries until anything else takes its
// text; signals what setEditText does.
void showMarked(QComboBox* list, const QString& text, const char* mark);
// Whether the list still shows the text last shown with `mark`.
bool showsMarked(const QComboBox* list, const char* mark);

// Shows `text` as the list's prompt and marks the list as showing it, for a list whose
// prompt is not one fixed source (the layer window's captions); signals what setEditText does.
void showAsPrompt(QComboBox* list, const QString& text);
// Whether the list shows the prompt last shown, nothing having taken its text since.
bool showsPrompt(const QComboBox* list);

struct ListPrompt {
    QComboBox* list = nullptr;
    const char* context = nullptr; // of the translation
    const char* source = nullptr;  // marked with QT_TRANSLATE_NOOP

    // The prompt in the current language.
    QString text() const;
    // Shows the prompt in the current language; signals nothing.
    void show() const;
    // Whether the list shows its prompt.
    bool shown() const;
    // Shows the prompt in the current language when the list shows it.
    void retranslate() const;
    // What the list shows, with the item its window keeps, and whether that is the prompt.
    Project::ListChoice choice(int keptItem) const;
    // The choice of a list showing its prompt in the current language, keeping `item`.
    Project::ListChoice fresh(int item = -1) const;
    // Restores a saved choice as `restoreChoice` does; a choice of the prompt shows the
    // prompt in the current language. Returns whether the list ends showing the choice's
    // item itself.
    bool restore(const Project::ListChoice& choice, const std::function<void()>& picked = {}) const;
};
