#pragma once
// The general error handler: every slot runs guarded, so an error ends the
// handler that raised it, is shown once, and whoever wrote the field goes on.

#include "core/Errors.h"
#include "ui/Platform.h"

#include <utility>

// Shows the message in the error box, with a full stop added when it lacks one.
void reportError(Platform& platform, QString message);

template <class Action> void guarded(Platform& platform, Action&& action) {
    try {
        std::forward<Action>(action)();
    } catch (const AppError& error) {
        reportError(platform, error.message());
    }
}
