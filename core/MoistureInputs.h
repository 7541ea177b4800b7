#pragma once
// What the user types into the moisture window, as the texts stand: δ or μ per layer row
// of the layer window, and the outdoor climate month by month with its place's name.

#include "core/LayerCount.h"
#include "core/VapourPermeability.h"

#include <QString>

#include <array>

struct MoistureInputs {
    std::array<VapourPermeability::Typed, layerCount> typed; // by row 1..12
    QString place;
    std::array<QString, 12> outdoorTemperature; // θ_e, °C, January first
    std::array<QString, 12> outdoorHumidity;    // φ_e, %
    friend bool operator==(const MoistureInputs&, const MoistureInputs&) = default;
};
