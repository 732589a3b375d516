// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/Color.h"

// How the page looks to visitors with a colour-vision deficiency or weak sight. The colour
// deficiencies use the matrices of Machado, Oliveira and Fernandes (2009): the dichromacies
// at full severity, the anomalous trichromacies at a severity of 0.1 to 1.0 (1.0 is the
// dichromacy itself); achromatopsia keeps only the Rec. 709 luminance. All work on linear
// RGB, so colours are decoded from sRGB first and encoded again after.
enum class TVision {
    Normal,
    Protanopia,
    Deuteranopia,
    Tritanopia,
    Achromatopsia,
    Protanomaly,
    Deuteranomaly,
    Tritanomaly,
    // Detail lost: the picture is blurred (see VisionBlur.h); single colours are unchanged.
    BlurredVision,
    // Contrast lost, as through a veil: every linear channel moves halfway to a middle grey.
    ReducedContrast,
};

constexpr std::array<TVision, 5> kVisions = {TVision::Normal, TVision::Protanopia, TVision::Deuteranopia,
                                             TVision::Tritanopia, TVision::Achromatopsia};
constexpr std::array<TVision, 3> kAnomalies = {TVision::Protanomaly, TVision::Deuteranomaly,
                                               TVision::Tritanomaly};

// Severities are held in tenths, as the published table steps them.
inline constexpr int kFullSeverity = 10;

// One simulation: the vision and, for the anomalous trichromacies, its severity in tenths
// (1..10). Other visions ignore the severity.
struct TSimulation {
    TVision vision = TVision::Normal;
    int severity = kFullSeverity;
    constexpr TSimulation(TVision v = TVision::Normal, int tenths = kFullSeverity)
        : vision(v), severity(tenths) {}
    bool operator==(const TSimulation&) const = default;
};

// "Normal Vision", "Protanopia", "Deuteranomaly", "Blurred Vision", ...: the menu's texts.
std::string_view VisionName(TVision vision);

// "0.6": a severity in tenths as the menu and caption write it.
std::string SeverityText(int tenths);

// What the window's caption adds while a simulation is on: "" for normal vision,
// " (simulating Deuteranomaly, severity 0.6)" for an anomaly.
std::string VisionCaption(const TSimulation& simulation);

using TVisionMatrix = std::array<std::array<double, 3>, 3>;

// The matrix that maps linear (R, G, B) to what the visitor sees; rows are output channels.
// The identity for the visions that are not a change of colour; a severity outside 1..10 is
// brought inside.
const TVisionMatrix& VisionMatrix(const TSimulation& simulation);

// Reduced Contrast: each linear channel c becomes kVeilKeep * c + (1 - kVeilKeep) * kVeilGrey,
// where kVeilGrey is the linear value of sRGB 128.
inline constexpr double kVeilKeep = 0.5;
extern const double kVeilGrey;

// The sRGB transfer function and its inverse, for channels 0..1.
double SrgbToLinear(double channel);
double LinearToSrgb(double channel);

// One colour as seen with the deficiency, clamped into the sRGB gamut.
platform::TColor SimulateVision(const TSimulation& simulation, platform::TColor color);
