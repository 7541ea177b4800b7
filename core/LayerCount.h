#pragma once
// The number of layers of a construction, the rows of the layer window: the one count
// behind every table, record and row of controls that holds something per layer.

inline constexpr int layerCount = 12;
