#include "ui/ErrorHandler.h"

#include <QCoreApplication>

namespace {

HeldErrors* holding = nullptr; // the innermost living collection, on the UI thread

// The message of an arithmetic or number error in the language of the moment; the
// errors carry their given English words, which the Russian interface shows as they are.
QString shownMessage(const AppError& error) {
    auto text = [](const char* source) {
        return QCoreApplication::translate("ErrorHandler", source);
    };
    if (const auto* conversion = dynamic_cast<const ConversionError*>(&error))
        return text(QT_TRANSLATE_NOOP("ErrorHandler", "'%1' is not a valid floating point value"))
            .arg(conversion->text());
    if (dynamic_cast<const DivisionByZero*>(&error))
        return text(QT_TRANSLATE_NOOP("ErrorHandler", "Floating point division by zero"));
    if (dynamic_cast<const InvalidOperation*>(&error))
        return text(QT_TRANSLATE_NOOP("ErrorHandler", "Invalid floating point operation"));
    if (dynamic_cast<const Overflow*>(&error))
        return text(QT_TRANSLATE_NOOP("ErrorHandler", "Floating point overflow"));
    return error.message();
}

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
        reportError(platform, shownMessage(error));
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
