#pragma once

#include <QString>

#include <vector>

// A Code 128 symbol as bars on a grid of modules (narrowest bar widths), made by libzint.
struct TCode128 {
    struct TBar {
        int start = 0; // first module
        int width = 0; // modules
    };
    int modules = 0; // width of the symbol without its quiet zones
    std::vector<TBar> bars;
};

namespace Code128 {
// Modules of blank space each side of the symbol that a scanner needs to find its ends.
constexpr int quietZone = 10;
// Throws DoravelError when the text cannot be encoded.
TCode128 encode(const QString& text);
} // namespace Code128
