#pragma once
// Steady heat flow through the layers: the temperature of every plane of the
// section, the indoor dew point, and the two checks of the inner surface.

#include <QList>

namespace TemperatureProfile {

// A plane across the section where the temperature is known.
enum class PlaneKind { RoomAir, InnerSurface, Interface, OuterSurface, OutdoorAir };

struct Plane {
    PlaneKind kind = PlaneKind::Interface;
    double depth = 0;       // mm from the inner surface (the air planes sit at the surfaces)
    double resistance = 0;  // m2*K/W from the room air to this plane, R_si included
    double temperature = 0; // °C
};

struct Climate {
    double indoor = 0;   // t_i, °C
    double humidity = 0; // phi_i, %
    double outdoor = 0;  // t_e, °C
};

// One layer from the room side out.
struct LayerResistance {
    double thickness = 0;  // mm
    double resistance = 0; // m2*K/W
};

struct Profile {
    double innerSurfaceResistance = 0; // R_si = 1/alpha_int
    double outerSurfaceResistance = 0; // R_se = 1/alpha_ext
    double total = 0;                  // R_T
    QList<Plane> planes;     // room air, inner surface, interfaces, outer surface, outdoor air
    double innerSurface = 0; // theta_si
    double outerSurface = 0; // theta_se
    double indoorVapourPressure = 0; // p_i, Pa
    bool hasDewPoint = false;        // false for dry air (phi_i = 0)
    double dewPoint = 0;             // °C
    double temperatureDrop = 0;      // t_i - theta_si
    bool heatFlowsOutward = false;   // t_i > t_e
};

// theta(x) = t_i - (t_i - t_e) * R(x) / R_T for every plane. Throws DivisionByZero for
// a zero alpha and Overflow or InvalidOperation for a result beyond the double range.
Profile compute(const QList<LayerResistance>& fromRoomSide, double alphaInt, double alphaExt,
                const Climate& climate);

// Saturation vapour pressure over water (theta >= 0) or ice (theta < 0), Pa.
double saturationPressure(double theta);
// The temperature whose saturation pressure is `pressure` (> 0), the exact inverse.
double dewPoint(double pressure);

// The temperature at `depth` mm from the inner surface, linear within each layer.
double temperatureAt(const Profile& profile, double depth);

// t_i - theta_si <= Δt_cr.
bool sanitaryMet(const Profile& profile, double criticalDifference);
// theta_si above the dew point; dry air never condenses.
bool surfaceStaysDry(const Profile& profile);

} // namespace TemperatureProfile
