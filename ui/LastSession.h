#pragma once
// The calculation that survives closing: its inputs, written as a project into the
// user's data folder just before the program ends, for the user to restore on asking.

#include <QString>

struct Forms;

namespace LastSession {

// The recovery project, in the application's local data folder; empty without one.
QString path();

// Whether there is one to restore; a look at the folder, nothing read.
bool exists();

// Writes the inputs of every window there, whole or not at all. Never throws: the
// program ends as it would have without it.
void keep(const Forms& forms) noexcept;

} // namespace LastSession
