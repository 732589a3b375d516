// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

// Blurred Vision: a Gaussian blur of the picture, done on linear light so that a thin dark
// line on white fades as the eye blurs it, not darker as blurring the sRGB codes would.

// The blur's standard deviation in logical pixels; the caller scales it to device pixels.
inline constexpr double kBlurSigma = 2.0;

// Blurs `pixels`, `width` x `height` of 32-bit 0xAARRGGBB words row after row, in place, with a
// Gaussian of standard deviation `sigma` pixels cut at three deviations. Edges repeat their
// last pixel. Alpha is left as it is. A sigma of 0 or less, or an empty picture, changes nothing.
void BlurLinear(std::span<std::uint32_t> pixels, int width, int height, double sigma);
