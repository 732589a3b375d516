// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// System metric indices, with their classic numbers.
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CXSIZE = 30;
inline constexpr int SM_CYSIZE = 31;
inline constexpr int SM_CYCAPTION = 4;
inline constexpr int SM_CXDLGFRAME = 7;
inline constexpr int SM_CYDLGFRAME = 8;
inline constexpr int SM_CYMENU = 15;
inline constexpr int SM_CXFRAME = 32;
inline constexpr int SM_CYFRAME = 33;
inline constexpr int SM_CXSMICON = 49;
inline constexpr int SM_CYSMICON = 50;
inline constexpr int SM_CYSMCAPTION = 51;
inline constexpr int SM_CXSMSIZE = 52;
inline constexpr int SM_CYSMSIZE = 53;

// The size of a window part. The desktop no longer draws our captions and frames, so the
// sizes are the classic ones at 96 dots per inch, fixed in one table: the windows were
// laid out for them (a sizeable window's 4-pixel frame, its 19-pixel caption and menu bar).
// An unknown index gives 0.
constexpr int GetSystemMetrics(int index) {
    struct Metric {
        int index;
        int value;
    };
    constexpr Metric kMetrics[] = {
        {SM_CXICON, 32},    {SM_CXSIZE, 18},      {SM_CYSIZE, 18},   {SM_CYCAPTION, 19}, {SM_CXDLGFRAME, 3},
        {SM_CYDLGFRAME, 3}, {SM_CYMENU, 19},      {SM_CXFRAME, 4},   {SM_CYFRAME, 4},    {SM_CXSMICON, 16},
        {SM_CYSMICON, 16},  {SM_CYSMCAPTION, 15}, {SM_CXSMSIZE, 15}, {SM_CYSMSIZE, 15},
    };
    for (const Metric& metric : kMetrics) {
        if (metric.index == index) return metric.value;
    }
    return 0;
}

}  // namespace platform
