#pragma once
// A drop-down list's choice as a project keeps it, and its restoration along the
// path a user's choice takes: the item is picked first, then any typed text.

#include "core/ProjectRecord.h"

#include <functional>

class QComboBox;

// What the list shows, with the item whose values its window keeps.
Project::ListChoice shownChoice(const QComboBox* list, int keptItem);

// Picks the item (running `picked`, as the window's reaction to that pick), then
// puts back a typed text over it (running `picked` again, as the reaction to typing).
// Returns whether the list ends showing the item itself.
bool restoreChoice(QComboBox* list, const Project::ListChoice& choice,
                   const std::function<void()>& picked = {});
