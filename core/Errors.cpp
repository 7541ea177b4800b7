#include "core/Errors.h"

#include <cmath>

ErrorKind kindOf(const AppError& error) {
    if (dynamic_cast<const ConversionError*>(&error))
        return ErrorKind::NotANumber;
    if (dynamic_cast<const DivisionByZero*>(&error))
        return ErrorKind::DivisionByZero;
    if (dynamic_cast<const InvalidOperation*>(&error))
        return ErrorKind::InvalidOperation;
    if (dynamic_cast<const Overflow*>(&error))
        return ErrorKind::Overflow;
    return ErrorKind::Other;
}

namespace Arithmetic {

double divide(double a, double b) {
    if (b == 0.0) {
        if (a == 0.0 || std::isnan(a))
            throw InvalidOperation();
        throw DivisionByZero();
    }
    return checked(a / b);
}

double checked(double x) {
    if (std::isnan(x))
        throw InvalidOperation();
    if (std::isinf(x))
        throw Overflow();
    return x;
}

} // namespace Arithmetic
