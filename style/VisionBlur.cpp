// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/VisionBlur.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "style/VisionSimulation.h"

namespace {

constexpr double kCutDeviations = 3;

std::vector<double> Kernel(double sigma) {
    const int radius = static_cast<int>(std::ceil(kCutDeviations * sigma));
    std::vector<double> kernel(static_cast<std::size_t>(2 * radius + 1));
    double sum = 0;
    for (int i = -radius; i <= radius; ++i) {
        const double w = std::exp(-(i * i) / (2 * sigma * sigma));
        kernel[static_cast<std::size_t>(i + radius)] = w;
        sum += w;
    }
    for (double& w : kernel) w /= sum;
    return kernel;
}

// One pass along lines of `count` samples `stride` apart, `lines` of them `step` apart.
void Pass(std::vector<double>& plane, int count, int stride, int lines, int step,
          const std::vector<double>& kernel) {
    const int radius = static_cast<int>(kernel.size() / 2);
    std::vector<double> line(static_cast<std::size_t>(count));
    for (int l = 0; l < lines; ++l) {
        const std::size_t base = static_cast<std::size_t>(l) * static_cast<std::size_t>(step);
        for (int i = 0; i < count; ++i)
            line[static_cast<std::size_t>(i)] = plane[base + static_cast<std::size_t>(i * stride)];
        for (int i = 0; i < count; ++i) {
            double sum = 0;
            for (int k = -radius; k <= radius; ++k) {
                const int at = std::clamp(i + k, 0, count - 1);
                sum += kernel[static_cast<std::size_t>(k + radius)] * line[static_cast<std::size_t>(at)];
            }
            plane[base + static_cast<std::size_t>(i * stride)] = sum;
        }
    }
}

}  // namespace

void BlurLinear(std::span<std::uint32_t> pixels, int width, int height, double sigma) {
    if (sigma <= 0 || width <= 0 || height <= 0) return;
    const std::size_t size = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (pixels.size() < size) return;
    std::array<double, 256> decode{};
    for (int v = 0; v < 256; ++v) decode[static_cast<std::size_t>(v)] = SrgbToLinear(v / 255.0);
    const std::vector<double> kernel = Kernel(sigma);
    for (int shift : {16, 8, 0}) {
        std::vector<double> plane(size);
        for (std::size_t i = 0; i < size; ++i) plane[i] = decode[(pixels[i] >> shift) & 0xFF];
        Pass(plane, width, 1, height, width, kernel);
        Pass(plane, height, width, width, 1, kernel);
        for (std::size_t i = 0; i < size; ++i) {
            const auto code =
                static_cast<std::uint32_t>(std::lround(LinearToSrgb(std::clamp(plane[i], 0.0, 1.0)) * 255));
            pixels[i] = (pixels[i] & ~(0xFFu << shift)) | (code << shift);
        }
    }
}
