// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct _FcConfig;

// The installed faces as fontconfig lists them, for the front program, which loads no toolkit
// and so has no font database of its own. Browsers on this system ask fontconfig too. The
// configuration is loaded once and freed with this object.
class FontconfigFaces {
public:
    FontconfigFaces();
    ~FontconfigFaces();
    FontconfigFaces(const FontconfigFaces&) = delete;
    FontconfigFaces& operator=(const FontconfigFaces&) = delete;

    // Every installed family by its first name, sorted, each once; none when fontconfig cannot
    // load its configuration.
    std::vector<std::string> Families() const;

    // The family fontconfig shows for a name, such as a generic family ("sans-serif"), or empty
    // when it finds none.
    std::string Face(std::string_view family) const;

private:
    _FcConfig* config_;
};
