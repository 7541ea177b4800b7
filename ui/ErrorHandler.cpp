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
    const Kind kind = conversion                                      ? Kind::NotANumber
                      : dynamic_cast<const DivisionByZero*>(&error)   ? Kind::DivisionByZero
                      : dynamic_cast<const InvalidOperation*>(&error) ? Kind::InvalidOperation
                      : dynamic_cast<const Overflow*>(&error)         ? Kind::Overflow
                                                                      : Kind::Other;
    errors_.push_back({kind, error.message(),
                       conversion ? std::optional<QString>(conversion->text()) : std::nullopt});
}
