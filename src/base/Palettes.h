#pragma once
// The built-in map palettes: 35 colours for the screen and 35 for paper.
// The meaning of each slot belongs to the map painter.

#include <array>

#include "base/Rgb.h"

namespace z5 {

inline constexpr int kPaletteSize = 35;
inline constexpr int kCustomColourCount = 16;
using Palette = std::array<Rgb, kPaletteSize>;

inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kCyan{0, 255, 255};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

inline constexpr Palette kDefaultScreenPalette = {{
    kRed, kCyan, {255, 0, 255}, {255, 255, 0}, kRed, kCyan, kBlack, kWhite,  // 0-7
    {255, 255, 0}, {128, 64, 0}, {128, 64, 0},                               // 8-10 boundaries
    kGreen, kGreen, kGreen, kGreen, kGreen, kGreen, kGreen,                  // 11-17 land
    kCyan,                                                                   // 18 lakes
    {192, 192, 192}, {192, 192, 192}, {192, 192, 192},                       // 19-21
    kRed, {255, 160, 0},                                                     // 22-23 route check
    kCyan, kCyan,                                                            // 24-25 rivers
    kBlue, kBlue, kBlue, kBlue, kBlue, kBlue, kBlue, kBlue, kBlue,           // 26-34
}};

inline constexpr Palette kDefaultPrintPalette = {{
    kRed, kCyan, {192, 0, 192}, {155, 135, 0}, kRed, kCyan, kWhite, kBlack,  // 0-7
    {128, 64, 0}, {155, 135, 0}, {155, 135, 0},                              // 8-10
    kGreen, kGreen, kGreen, kGreen, kGreen, kGreen, kGreen,                  // 11-17
    kBlue,                                                                   // 18
    {128, 128, 128}, {128, 128, 128}, {128, 128, 128},                       // 19-21
    kRed, {255, 128, 0},                                                     // 22-23
    kBlue, kBlue,                                                            // 24-25
    kBlue, kBlue, kBlue, kBlue, kBlue, kBlue, kBlue, kBlue, kBlue,           // 26-34
}};

}  // namespace z5
