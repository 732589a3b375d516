// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The installed faces as fontconfig lists them, for the front program, which loads no toolkit
// and so has no font database of its own. Browsers on this system ask fontconfig too.

// Every installed family by its first name, sorted, each once.
std::vector<std::string> FontconfigFamilies();

// The family fontconfig shows for a name, such as a generic family ("sans-serif"), or empty
// when it finds none.
std::string FontconfigFace(std::string_view family);
