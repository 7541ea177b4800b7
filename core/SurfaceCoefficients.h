#pragma once
// The heat-transfer coefficients of the outer and the inner surface by type of construction.

#include <QString>
#include <QStringList>

#include <optional>

namespace SurfaceCoefficients {

struct Pair {
    double alphaExt = 0.0; // W/(m2*K), outer surface
    double alphaInt = 0.0; // W/(m2*K), inner surface
};

// The items of the type list, in table order (item 1 is a line of hyphens): source texts,
// to be shown translated in this context.
inline constexpr const char* context = "SurfaceCoefficients";
QStringList typeItems();

// The pair for a type index 0 to 3; nothing for any other index.
std::optional<Pair> forType(int typeIndex);

} // namespace SurfaceCoefficients
