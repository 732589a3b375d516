// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/VisionSimulation.h"

#include <algorithm>
#include <cmath>

#include "style/ColorValue.h"

namespace {

constexpr TVisionMatrix kNormal = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
constexpr TVisionMatrix kProtanopia = {{
    {0.152286, 1.052583, -0.204868},
    {0.114503, 0.786281, 0.099216},
    {-0.003882, -0.048116, 1.051998},
}};
constexpr TVisionMatrix kDeuteranopia = {{
    {0.367322, 0.860646, -0.227968},
    {0.280085, 0.672501, 0.047413},
    {-0.011820, 0.042940, 0.968881},
}};
constexpr TVisionMatrix kTritanopia = {{
    {1.255528, -0.076749, -0.178779},
    {-0.078411, 0.930809, 0.147602},
    {0.004733, 0.691367, 0.303900},
}};
// Every channel becomes the luminance, so the result is a grey.
constexpr std::array<double, 3> kRec709 = {0.2126, 0.7152, 0.0722};
constexpr TVisionMatrix kAchromatopsia = {{kRec709, kRec709, kRec709}};

int ToChannel(double linear) {
    return static_cast<int>(std::lround(LinearToSrgb(std::clamp(linear, 0.0, 1.0)) * 255));
}

}  // namespace

std::string_view VisionName(TVision vision) {
    switch (vision) {
        case TVision::Protanopia: return "Protanopia";
        case TVision::Deuteranopia: return "Deuteranopia";
        case TVision::Tritanopia: return "Tritanopia";
        case TVision::Achromatopsia: return "Achromatopsia";
        case TVision::Normal: break;
    }
    return "Normal Vision";
}

std::string VisionCaption(TVision vision) {
    if (vision == TVision::Normal) return {};
    return " (simulating " + std::string(VisionName(vision)) + ")";
}

const TVisionMatrix& VisionMatrix(TVision vision) {
    switch (vision) {
        case TVision::Protanopia: return kProtanopia;
        case TVision::Deuteranopia: return kDeuteranopia;
        case TVision::Tritanopia: return kTritanopia;
        case TVision::Achromatopsia: return kAchromatopsia;
        case TVision::Normal: break;
    }
    return kNormal;
}

double SrgbToLinear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double LinearToSrgb(double channel) {
    return channel <= 0.0031308 ? channel * 12.92 : 1.055 * std::pow(channel, 1 / 2.4) - 0.055;
}

platform::TColor SimulateVision(TVision vision, platform::TColor color) {
    if (vision == TVision::Normal) return color;
    const colorvalue::Channels c = colorvalue::ChannelsOf(color);
    const std::array<double, 3> in = {SrgbToLinear(c.red / 255.0), SrgbToLinear(c.green / 255.0),
                                      SrgbToLinear(c.blue / 255.0)};
    const TVisionMatrix& m = VisionMatrix(vision);
    std::array<int, 3> out{};
    for (std::size_t row = 0; row < 3; ++row)
        out[row] = ToChannel(m[row][0] * in[0] + m[row][1] * in[1] + m[row][2] * in[2]);
    return colorvalue::ColorFromChannels(out[0], out[1], out[2]);
}
