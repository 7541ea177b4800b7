#include "ui/ErrorHandler.h"

namespace {

HeldErrors* holding = nullptr; // the innermost living collection, on the UI thread

} // namespace

void reportError(Platform& platform, QString message) {
    if (!message.endsWith(QLatin1Char('.')))
        message += QLatin1Char('.');
    platform.error(message);
}

void reportError(Platform& platform, const AppError& error) {
    if (holding)
        holding->hold(error);
    else
        reportError(platform, error.message());
}

HeldErrors::HeldErrors() : outer_(holding) {
    holding = this;
}

HeldErrors::~HeldErrors() {
    holding = outer_;
}

void HeldErrors::hold(const AppError& error) {
    const auto* conversion = dynamic_cast<const ConversionError*>(&error);
    errors_.push_back({kindOf(error), error.message(),
                       conversion ? std::optional<QString>(conversion->text()) : std::nullopt});
}
