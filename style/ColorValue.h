// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "platform/Color.h"

// A style's colours and their text forms. Colours are held in the order 0x00BBGGRR; a
// tag writes them RRGGBB after "#", a style file writes the value itself in hexadecimal
// (BBGGRR), and the colour panel shows two hexadecimal digits per channel. All digits are
// upper case.
namespace colorvalue {

using platform::TColor;

struct Channels {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Channels&) const = default;
};

Channels ChannelsOf(TColor color);
TColor ColorFromChannels(int red, int green, int blue);

// Six digits RRGGBB, as written after "#" in a tag.
std::string TagForm(TColor color);
std::string TagFormFromChannels(int red, int green, int blue);

// The value printed with at least six digits, BBGGRR: how a style file stores a colour.
std::string FileForm(TColor color);

// Reads a style file's colour text as a hexadecimal number. Anything that is not one
// throws platform::Error "'$<text>' is not a valid integer value".
TColor FileFormToColor(std::string_view text);

// Reads one of the colour panel's two-digit fields; fails as FileFormToColor does.
int ChannelFormToChannel(std::string_view text);

// Two upper-case digits for a channel 0..255.
std::string ChannelForm(int channel);

}  // namespace colorvalue
