#pragma once
// A font colour named by the logic; the windows turn it into a QColor.

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
