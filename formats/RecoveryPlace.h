#pragma once
// Where the calculation kept for recovery lives: a project in the user's data folder.

#include <QString>

namespace RecoveryPlace {

// The recovery project in the user's data folder (an absolute XDG_DATA_HOME, else
// ~/.local/share with an existing home folder); empty without one.
QString path();

} // namespace RecoveryPlace
