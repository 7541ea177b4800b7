#pragma once
// The general error handler: every slot runs guarded, so an error ends the
// handler that raised it, is shown once, and whoever wrote the field goes on.

#include "core/Errors.h"
#include "ui/Platform.h"

#include <optional>
#include <utility>
#include <vector>

// Shows the message in the error box, with a full stop added when it lacks one.
void reportError(Platform& platform, QString message);
// The same for an error met by a guarded action, unless errors are being held.
void reportError(Platform& platform, const AppError& error);

// While one lives, the errors that guarded actions meet are kept here instead of
// shown, so that a composite action (opening a project) can report them as one.
class HeldErrors {
  public:
    // What failed, so that the holder words it by its kind, never by its message.
    using Kind = ErrorKind;
    struct Held {
        Kind kind = Kind::Other;
        QString message;
        std::optional<QString> notANumber; // the text, for a text that is not a number
    };
    HeldErrors();
    ~HeldErrors();
    HeldErrors(const HeldErrors&) = delete;
    HeldErrors& operator=(const HeldErrors&) = delete;

    void hold(const AppError& error);
    const std::vector<Held>& errors() const { return errors_; }

  private:
    std::vector<Held> errors_;
    HeldErrors* outer_;
};

template <class Action> void guarded(Platform& platform, Action&& action) {
    try {
        std::forward<Action>(action)();
    } catch (const AppError& error) {
        reportError(platform, error);
    }
}
