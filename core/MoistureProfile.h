#pragma once
// Vapour pressure across the section for one set of conditions: the temperatures of the
// interfaces, their saturation pressures, the tightened vapour-pressure line and the
// condensation planes with their rates (ISO 13788, clause 6).

#include <QList>

#include <optional>

namespace Moisture {

// δ0, the permeability of still air: 2·10⁻¹⁰ kg/(m·s·Pa) (ISO 13788, clause 6, the flow
// equation), which is 0,72 mg/(m·h·Pa) in the unit of the Ukrainian tables.
inline constexpr double stillAirPermeability = 0.72;    // mg/(m·h·Pa)
inline constexpr double stillAirPermeabilitySI = 2e-10; // kg/(m·s·Pa)

// One layer from the room side out.
struct Layer {
    double thickness = 0;  // m
    double resistance = 0; // m²·K/W
    // δ, mg/(m·h·Pa); 0 for a vapour-tight layer; none when no value is known.
    std::optional<double> permeability;
};

// μ = δ0/δ, and s_d = μ·d in metres (a vapour-tight layer has neither).
double resistanceFactor(double permeability);
double equivalentAirThickness(const Layer& layer);

struct SurfaceResistances {
    double inner = 0; // R_si, m²·K/W
    double outer = 0; // R_se
};

struct Conditions {
    double indoorTemperature = 0; // °C
    double indoorHumidity = 0;    // %
    double outdoorTemperature = 0;
    double outdoorHumidity = 0;
};

// The state of every interface, from the inner surface (0) to the outer one (layers' count).
struct Profile {
    QList<double> temperature; // °C
    QList<double> saturation;  // p_sat, Pa
    // s from the start of the interface's vapour-open part (it restarts after a tight layer), m.
    QList<double> position;
    // The vapour pressure as tightened; none inside a part closed by tight layers on both sides.
    QList<std::optional<double>> pressure;
    QList<bool> plane;  // a condensation plane: where the line bends at p_sat, or held
    QList<double> rate; // g_c at a plane, kg/(m²·s): + condensation, − evaporation; 0 elsewhere
    double indoorPressure = 0;  // p_i
    double outdoorPressure = 0; // p_e
    bool condenses() const;
};

// p = φ·p_sat(θ), with φ in %.
double vapourPressure(double temperature, double humidity);

// Every layer must carry a permeability. `held` marks the interfaces that hold condensate:
// they are fixed at their p_sat; an empty list holds nothing.
Profile vapourProfile(const QList<Layer>& fromRoomSide, const SurfaceResistances& surfaces,
                      const Conditions& conditions, const QList<bool>& held = {});

} // namespace Moisture
