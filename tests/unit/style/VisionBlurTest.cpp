// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/VisionBlur.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kBlack = 0xFF000000;

double Decode(int code) {
    const double v = code / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}
int Encode(double linear) {
    return static_cast<int>(std::lround(
        255 * (linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055)));
}

// The Gaussian's weight at `distance`, normalised over the three deviations either side.
double Weight(int distance, double sigma) {
    const int radius = static_cast<int>(std::ceil(3 * sigma));
    double sum = 0;
    for (int i = -radius; i <= radius; ++i) sum += std::exp(-i * i / (2 * sigma * sigma));
    return std::abs(distance) > radius ? 0 : std::exp(-distance * distance / (2 * sigma * sigma)) / sum;
}

}  // namespace

// A one-pixel black column on white, wide and tall enough that no edge reaches it: every
// pixel's light is white less the column's share of the Gaussian, in linear light, so the
// column turns a light grey rather than the dark grey a blur of sRGB codes gives.
TEST(VisionBlurTest, AThinDarkLineFadesByTheGaussianInLinearLight) {
    constexpr int kWidth = 31, kHeight = 5, kLine = 15;
    for (double sigma : {1.0, kBlurSigma, 3.5}) {
        std::vector<std::uint32_t> pixels(kWidth * kHeight, kWhite);
        for (int y = 0; y < kHeight; ++y) pixels[y * kWidth + kLine] = kBlack;
        BlurLinear(pixels, kWidth, kHeight, sigma);
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const int code = Encode(1 - Weight(x - kLine, sigma));
                const std::uint32_t expected = 0xFF000000u | code << 16 | code << 8 | code;
                EXPECT_EQ(pixels[y * kWidth + x], expected) << sigma << " at " << x << "," << y;
            }
        }
    }
    // At the manual's two pixels the line itself keeps about four fifths of the light.
    EXPECT_GT(Decode(Encode(1 - Weight(0, kBlurSigma))), 0.79);
}

// Alpha stays, a flat picture stays flat up to its edges, and no blur changes nothing.
TEST(VisionBlurTest, FlatPicturesAlphaAndNoBlurAreLeftAlone) {
    std::vector<std::uint32_t> flat(7 * 4, 0x80336699);
    BlurLinear(flat, 7, 4, kBlurSigma);
    for (std::uint32_t p : flat) EXPECT_EQ(p, 0x80336699u);

    std::vector<std::uint32_t> pattern = {kWhite, kBlack, kWhite, kBlack};
    const auto before = pattern;
    BlurLinear(pattern, 2, 2, 0);
    EXPECT_EQ(pattern, before);
    BlurLinear(pattern, 0, 2, kBlurSigma);
    EXPECT_EQ(pattern, before);
    // A span shorter than the picture claims is refused rather than read past.
    BlurLinear(std::span(pattern).first(3), 2, 2, kBlurSigma);
    EXPECT_EQ(pattern, before);
}
