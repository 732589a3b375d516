// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// A file name as a relative URL that leads a browser to that file beside the page: every
// byte that a URL would read otherwise is written as %XX. "#" would start a fragment, "?" a
// query, "%" an escape, ":" a scheme, "\" a separator; quotes, "&", "<" and ">" would end or
// change the attribute or CSS string around the URL; spaces, controls and bytes past ASCII
// are read differently by different parsers and page encodings. What stays is letters,
// digits and - . _ ~ ! $ ' ( ) * + , ; = @.
std::string RelativeFileUrl(std::string_view fileName);

// The file name a relative URL leads to: each %XX with two hex digits is the byte it names;
// anything else, a stray "%" included, stands for itself, as browsers read it.
std::string FileNameFromUrl(std::string_view url);
