#include "core/TemperatureProfile.h"

#include "core/Errors.h"

#include <algorithm>
#include <cmath>

namespace TemperatureProfile {

namespace {

// Saturation vapour pressure, ISO 13788 Annex E:
// 610.5 Pa at 0 °C, and the coefficients over water and over ice.
constexpr double pressureAtZero = 610.5;
constexpr double waterA = 17.269;
constexpr double waterB = 237.3;
constexpr double iceA = 21.875;
constexpr double iceB = 265.5;

struct Builder {
    Profile& profile;
    double indoor;
    double difference; // t_i - t_e

    void add(PlaneKind kind, double depth, double resistance) {
        const double share = Arithmetic::divide(resistance, profile.total);
        const double temperature = Arithmetic::checked(indoor - difference * share);
        profile.planes.append({kind, depth, resistance, temperature});
    }
};

void addPlanes(Profile& p, const QList<LayerResistance>& layers, const Climate& climate) {
    Builder builder{p, climate.indoor, Arithmetic::checked(climate.indoor - climate.outdoor)};
    p.planes.reserve(layers.size() + 3);
    p.planes.append({PlaneKind::RoomAir, 0, 0, climate.indoor});
    double resistance = p.innerSurfaceResistance;
    double depth = 0;
    builder.add(PlaneKind::InnerSurface, depth, resistance);
    for (qsizetype i = 0; i < layers.size(); ++i) {
        resistance += layers[i].resistance;
        depth += layers[i].thickness;
        builder.add(i + 1 < layers.size() ? PlaneKind::Interface : PlaneKind::OuterSurface, depth,
                    resistance);
    }
    if (layers.isEmpty())
        builder.add(PlaneKind::OuterSurface, depth, resistance);
    p.planes.append({PlaneKind::OutdoorAir, depth, p.total, climate.outdoor});
}

} // namespace

double saturationPressure(double theta) {
    const double a = theta >= 0 ? waterA : iceA;
    const double b = theta >= 0 ? waterB : iceB;
    return Arithmetic::checked(pressureAtZero * std::exp(Arithmetic::divide(a * theta, b + theta)));
}

double dewPoint(double pressure) {
    const double l = std::log(Arithmetic::divide(pressure, pressureAtZero));
    const double a = l >= 0 ? waterA : iceA;
    const double b = l >= 0 ? waterB : iceB;
    return Arithmetic::divide(b * l, a - l);
}

Profile compute(const QList<LayerResistance>& fromRoomSide, double alphaInt, double alphaExt,
                const Climate& climate) {
    Profile p;
    p.innerSurfaceResistance = Arithmetic::divide(1, alphaInt);
    p.outerSurfaceResistance = Arithmetic::divide(1, alphaExt);
    double total = p.innerSurfaceResistance;
    for (const LayerResistance& layer : fromRoomSide)
        total += layer.resistance;
    p.total = Arithmetic::checked(total + p.outerSurfaceResistance);
    addPlanes(p, fromRoomSide, climate);
    p.innerSurface = p.planes[1].temperature;
    p.outerSurface = p.planes[p.planes.size() - 2].temperature;
    p.temperatureDrop = Arithmetic::checked(climate.indoor - p.innerSurface);
    p.heatFlowsOutward = climate.indoor > climate.outdoor;
    p.indoorVapourPressure = climate.humidity / 100 * saturationPressure(climate.indoor);
    p.hasDewPoint = p.indoorVapourPressure > 0;
    if (p.hasDewPoint)
        p.dewPoint = dewPoint(p.indoorVapourPressure);
    return p;
}

double temperatureAt(const Profile& profile, double depth) {
    const QList<Plane>& planes = profile.planes;
    // Planes 1 .. size-2 are the surfaces and interfaces, in order of depth.
    for (qsizetype i = 2; i + 1 < planes.size(); ++i) {
        const Plane& a = planes[i - 1];
        const Plane& b = planes[i];
        if (depth <= b.depth || i + 2 == planes.size()) {
            if (b.depth <= a.depth)
                return b.temperature;
            const double share = std::clamp((depth - a.depth) / (b.depth - a.depth), 0.0, 1.0);
            return a.temperature + (b.temperature - a.temperature) * share;
        }
    }
    return profile.innerSurface;
}

bool sanitaryMet(const Profile& profile, double criticalDifference) {
    return profile.temperatureDrop <= criticalDifference;
}

bool surfaceStaysDry(const Profile& profile) {
    return !profile.hasDewPoint || profile.innerSurface > profile.dewPoint;
}

} // namespace TemperatureProfile
