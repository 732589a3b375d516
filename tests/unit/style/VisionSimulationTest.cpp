// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/VisionSimulation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "style/ColorValue.h"

namespace {

using colorvalue::Channels;
using colorvalue::ChannelsOf;
using colorvalue::ColorFromChannels;

// The severity-1.0 matrices as Machado, Oliveira and Fernandes publish them, and the Rec. 709
// luminance weights.
struct Published {
    TVision vision;
    TVisionMatrix matrix;
};
constexpr Published kPublished[] = {
    {TVision::Protanopia,
     {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}}},
    {TVision::Deuteranopia,
     {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}}},
    {TVision::Tritanopia,
     {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}}},
    {TVision::Achromatopsia,
     {{{0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}}}},
    {TVision::Normal, {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}},
};

// The IEC 61966-2-1 curves, written out here rather than borrowed from the code under test.
double Decode(int channel) {
    const double v = channel / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}
int Encode(double linear) {
    const double v = linear < 0 ? 0 : linear > 1 ? 1 : linear;
    return static_cast<int>(
        std::lround(255 * (v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055)));
}

Channels Expected(const TVisionMatrix& m, const Channels& in) {
    const double r = Decode(in.red), g = Decode(in.green), b = Decode(in.blue);
    auto row = [&](int i) { return Encode(m[i][0] * r + m[i][1] * g + m[i][2] * b); };
    return {row(0), row(1), row(2)};
}

}  // namespace

TEST(VisionSimulationTest, MatricesAreThePublishedOnes) {
    for (const Published& p : kPublished)
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col)
                EXPECT_NEAR(VisionMatrix(p.vision)[row][col], p.matrix[row][col], 1e-6)
                    << VisionName(p.vision) << " " << row << "," << col;
}

// Primaries show the mixing; greys show that white stays white and black black (each row sums
// to one) and that the work is done on linear values, not on the 0..255 codes.
TEST(VisionSimulationTest, PrimariesAndGreysAsTheFormulasGive) {
    const Channels inputs[] = {{255, 0, 0},     {0, 255, 0},     {0, 0, 255},  {0, 0, 0},
                               {255, 255, 255}, {128, 128, 128}, {40, 40, 40}, {200, 120, 30}};
    for (const Published& p : kPublished) {
        for (const Channels& in : inputs) {
            const Channels expected = Expected(p.matrix, in);
            EXPECT_EQ(ChannelsOf(SimulateVision(p.vision, ColorFromChannels(in.red, in.green, in.blue))),
                      expected)
                << VisionName(p.vision) << " " << in.red << "," << in.green << "," << in.blue;
        }
    }
    // Hand-checked anchors: without colour, pure red is a mid grey and a grey stays itself.
    EXPECT_EQ(ChannelsOf(SimulateVision(TVision::Achromatopsia, ColorFromChannels(255, 0, 0))),
              (Channels{127, 127, 127}));
    EXPECT_EQ(ChannelsOf(SimulateVision(TVision::Achromatopsia, ColorFromChannels(128, 128, 128))),
              (Channels{128, 128, 128}));
}
