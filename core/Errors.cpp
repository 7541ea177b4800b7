#include "core/Errors.h"

#include <cmath>

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
