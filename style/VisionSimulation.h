// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/Color.h"

// How the page looks to visitors with a colour-vision deficiency. The dichromacies use the
// matrices of Machado, Oliveira and Fernandes (2009) at full severity; achromatopsia keeps
// only the Rec. 709 luminance. Both work on linear RGB, so colours are decoded from sRGB
// first and encoded again after.
enum class TVision { Normal, Protanopia, Deuteranopia, Tritanopia, Achromatopsia };

constexpr std::array<TVision, 5> kVisions = {TVision::Normal, TVision::Protanopia, TVision::Deuteranopia,
                                             TVision::Tritanopia, TVision::Achromatopsia};

// "Normal Vision", "Protanopia", ...: the menu's texts.
std::string_view VisionName(TVision vision);

// What the window's caption adds while a simulation is on: "" for normal vision.
std::string VisionCaption(TVision vision);

using TVisionMatrix = std::array<std::array<double, 3>, 3>;

// The matrix that maps linear (R, G, B) to what the visitor sees; rows are output channels.
const TVisionMatrix& VisionMatrix(TVision vision);

// The sRGB transfer function and its inverse, for channels 0..1.
double SrgbToLinear(double channel);
double LinearToSrgb(double channel);

// One colour as seen with the deficiency, clamped into the sRGB gamut.
platform::TColor SimulateVision(TVision vision, platform::TColor color);
