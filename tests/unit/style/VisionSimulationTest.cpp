// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/VisionSimulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "style/ColorValue.h"

namespace {

using colorvalue::Channels;
using colorvalue::ChannelsOf;
using colorvalue::ColorFromChannels;

// The severity-1.0 matrices as Machado, Oliveira and Fernandes publish them, and the Rec. 709
// luminance weights.
struct Published {
    TSimulation simulation;
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
    // The anomalous trichromacies at severities 0.3 and 0.6 from the same table, and at 1.0,
    // where each is its dichromacy.
    {{TVision::Protanomaly, 3},
     {{{0.630323, 0.465641, -0.095964}, {0.069181, 0.890046, 0.040773}, {-0.006308, -0.007724, 1.014032}}}},
    {{TVision::Protanomaly, 6},
     {{{0.385450, 0.769005, -0.154455}, {0.100526, 0.829802, 0.069673}, {-0.007442, -0.022190, 1.029632}}}},
    {{TVision::Protanomaly, 10},
     {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}}},
    {{TVision::Deuteranomaly, 3},
     {{{0.675425, 0.433850, -0.109275}, {0.125303, 0.847755, 0.026942}, {-0.007950, 0.018572, 0.989378}}}},
    {{TVision::Deuteranomaly, 6},
     {{{0.498864, 0.674741, -0.173604}, {0.205199, 0.754872, 0.039929}, {-0.011131, 0.030969, 0.980162}}}},
    {{TVision::Deuteranomaly, 10},
     {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}}},
    {{TVision::Tritanomaly, 3},
     {{{0.905871, 0.127791, -0.033662}, {0.026856, 0.941251, 0.031893}, {0.013410, 0.148296, 0.838294}}}},
    {{TVision::Tritanomaly, 6},
     {{{1.104996, -0.046633, -0.058363}, {-0.032137, 0.971635, 0.060503}, {0.001336, 0.317922, 0.680742}}}},
    {{TVision::Tritanomaly, 10},
     {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}}},
    // Not a change of colour: the blur works on the picture, not on single colours.
    {TVision::BlurredVision, {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}},
};

std::string Name(const TSimulation& s) {
    return std::string(VisionName(s.vision)) + " " + std::to_string(s.severity);
}

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
                EXPECT_NEAR(VisionMatrix(p.simulation)[row][col], p.matrix[row][col], 1e-6)
                    << Name(p.simulation) << " " << row << "," << col;
}

// Primaries show the mixing; greys show that white stays white and black black (each row sums
// to one) and that the work is done on linear values, not on the 0..255 codes.
TEST(VisionSimulationTest, PrimariesAndGreysAsTheFormulasGive) {
    const Channels inputs[] = {{255, 0, 0},     {0, 255, 0},     {0, 0, 255},  {0, 0, 0},
                               {255, 255, 255}, {128, 128, 128}, {40, 40, 40}, {200, 120, 30}};
    for (const Published& p : kPublished) {
        for (const Channels& in : inputs) {
            const Channels expected = Expected(p.matrix, in);
            EXPECT_EQ(ChannelsOf(SimulateVision(p.simulation, ColorFromChannels(in.red, in.green, in.blue))),
                      expected)
                << Name(p.simulation) << " " << in.red << "," << in.green << "," << in.blue;
        }
    }
    // Hand-checked anchors: without colour, pure red is a mid grey and a grey stays itself.
    EXPECT_EQ(ChannelsOf(SimulateVision(TVision::Achromatopsia, ColorFromChannels(255, 0, 0))),
              (Channels{127, 127, 127}));
    EXPECT_EQ(ChannelsOf(SimulateVision(TVision::Achromatopsia, ColorFromChannels(128, 128, 128))),
              (Channels{128, 128, 128}));
}

// Severities outside the table are brought to its ends rather than read past them.
TEST(VisionSimulationTest, SeveritiesOutsideTheTableAreBroughtInside) {
    EXPECT_EQ(VisionMatrix({TVision::Deuteranomaly, 0}), VisionMatrix({TVision::Deuteranomaly, 1}));
    EXPECT_EQ(VisionMatrix({TVision::Deuteranomaly, 99}), VisionMatrix(TVision::Deuteranopia));
    EXPECT_NE(VisionMatrix({TVision::Deuteranomaly, 1}), VisionMatrix({TVision::Deuteranomaly, 2}));
}

// The veil halves each linear channel's distance from the linear value of sRGB 128.
TEST(VisionSimulationTest, ReducedContrastMovesEveryColourHalfwayToMiddleGrey) {
    const double grey = Decode(128);
    struct Row {
        Channels in, out;
    };
    const Row rows[] = {
        {{255, 255, 255}, {Encode(0.5 + grey / 2), Encode(0.5 + grey / 2), Encode(0.5 + grey / 2)}},
        {{0, 0, 0}, {Encode(grey / 2), Encode(grey / 2), Encode(grey / 2)}},
        {{128, 128, 128}, {128, 128, 128}},
        {{255, 0, 128}, {Encode(0.5 + grey / 2), Encode(grey / 2), 128}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ChannelsOf(SimulateVision(TVision::ReducedContrast,
                                            ColorFromChannels(row.in.red, row.in.green, row.in.blue))),
                  row.out)
            << row.in.red << "," << row.in.green << "," << row.in.blue;
    // What the manual promises: white #CDCDCD, black #5C5C5C.
    EXPECT_EQ(ChannelsOf(SimulateVision(TVision::ReducedContrast, 0xFFFFFF)), (Channels{0xCD, 0xCD, 0xCD}));
    EXPECT_EQ(ChannelsOf(SimulateVision(TVision::ReducedContrast, 0x000000)), (Channels{0x5C, 0x5C, 0x5C}));
}

TEST(VisionSimulationTest, CaptionsNameTheSimulationAndTheSeverityOfAnAnomaly) {
    const std::pair<TSimulation, std::string> rows[] = {
        {TVision::Normal, ""},
        {TVision::Protanopia, " (simulating Protanopia)"},
        {{TVision::Deuteranomaly, 6}, " (simulating Deuteranomaly, severity 0.6)"},
        {{TVision::Tritanomaly, 10}, " (simulating Tritanomaly, severity 1.0)"},
        {{TVision::Protanomaly, 3}, " (simulating Protanomaly, severity 0.3)"},
        {TVision::BlurredVision, " (simulating Blurred Vision)"},
        {TVision::ReducedContrast, " (simulating Reduced Contrast)"},
    };
    for (const auto& [simulation, caption] : rows) EXPECT_EQ(VisionCaption(simulation), caption);
}
