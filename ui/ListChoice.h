#pragma once
// A drop-down list's choice as a project keeps it, and its restoration along the
// path a user's choice takes: the item is picked first, then any typed text.

#include "core/Caption.h"
#include "core/ProjectRecord.h"

#include <QStringList>

#include <functional>

class QComboBox;

// Adds items that show their source texts and keep them as item data (Qt::UserRole), so
// that a translation may change what an item shows while projects still find it.
void addSourceItems(QComboBox* list, const QStringList& sourceTexts);

// Shows every item's source text in the current language, as translated in `context`;
// the choice and a text typed over it stay, and no change is signalled.
void translateItems(QComboBox* list, const char* context);

// The source text of the item the list shows; empty when its text was typed over, or when
// the item has no source.
QString pickedSource(const QComboBox* list);

// The caption of the list's picked item, translated in `context`; what the list shows, as
// it is, when its text was typed over or the item has no source.
Caption shownCaption(const QComboBox* list, const char* context);

// What the list shows, with the item whose values its window keeps: typed when the
// list's text is not that item's own text, or when no item is kept.
Project::ListChoice shownChoice(const QComboBox* list, int keptItem);

// Picks the item (running `picked`, as the window's reaction to that pick), then
// puts back a typed text over it (running `picked` again, as the reaction to typing).
// Returns whether the list ends showing the item itself.
bool restoreChoice(QComboBox* list, const Project::ListChoice& choice,
                   const std::function<void()>& picked = {});
