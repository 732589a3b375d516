// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/CssValues.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string_view>

#include "platform/AsciiCase.h"
#include "style/ColorValue.h"
#include "style/CssNamedColors.h"

namespace {

using Type = CssTokenType;

constexpr double kMaxChannel = 255;
constexpr double kMediumPx = 16;

struct NamedValue {
    std::string_view name;
    double value;
};

// A length's unit in px; the relative ones from the 16 px of "medium".
constexpr std::array<NamedValue, 10> kUnits = {{
    {"px", 1},
    {"pt", 4.0 / 3},
    {"pc", 16},
    {"in", 96},
    {"cm", 96 / 2.54},
    {"mm", 96 / 25.4},
    {"q", 96 / 101.6},
    {"em", kMediumPx},
    {"rem", kMediumPx},
    {"ex", kMediumPx / 2},
}};

// Each size step's keyword and its size, step 1 first.
constexpr std::array<double, 7> kStepPx = {10, 13, 16, 18, 24, 32, 48};
constexpr std::array<NamedValue, 10> kSizeKeywords = {{
    {"xx-small", 1},
    {"x-small", 1},
    {"small", 2},
    {"medium", 3},
    {"large", 4},
    {"x-large", 5},
    {"xx-large", 6},
    {"xxx-large", 7},
    // Counted from "medium", as a pasted rule says nothing of what it stands in.
    {"smaller", 2},
    {"larger", 4},
}};

// An angle's unit in degrees.
constexpr std::array<NamedValue, 4> kAngles = {
    {{"deg", 1}, {"grad", 0.9}, {"rad", 180 / std::numbers::pi}, {"turn", 360}}};

constexpr std::array<std::string_view, 13> kGenericFamilies = {
    "serif",         "sans-serif",   "monospace",  "cursive", "fantasy", "system-ui", "ui-serif",
    "ui-sans-serif", "ui-monospace", "ui-rounded", "math",    "emoji",   "fangsong"};

// Keywords that stand for a value of their own in every property, so no face is named so.
constexpr std::array<std::string_view, 6> kWideKeywords = {"inherit", "initial",      "unset",
                                                           "revert",  "revert-layer", "default"};

template <std::size_t N>
std::optional<double> Find(const std::array<NamedValue, N>& table, std::string_view name) {
    const std::string lower = platform::LowerAscii(name);
    for (const NamedValue& entry : table) {
        if (entry.name == lower) return entry.value;
    }
    return std::nullopt;
}

bool IsKeyword(const CssToken& token, std::string_view keyword) {
    return token.type == Type::Ident && platform::LowerAscii(token.value) == keyword;
}

// The one ident a value consists of, in lower case, or empty.
std::string Keyword(CssValue value) {
    return value.size() == 1 && value[0].type == Type::Ident ? platform::LowerAscii(value[0].value)
                                                             : std::string();
}

// The value's top-level components, white space between them dropped; a comma and a "/" are
// components of their own. A function or block is one component with its contents.
std::vector<CssValue> Components(CssValue value) {
    std::vector<CssValue> components;
    std::size_t i = 0;
    while (i < value.size()) {
        if (value[i].type == Type::Whitespace) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        if (value[i].type == Type::Function || value[i].type == Type::LeftParen ||
            value[i].type == Type::LeftBracket || value[i].type == Type::LeftBrace) {
            int depth = 1;
            for (; end < value.size() && depth > 0; ++end) {
                const Type type = value[end].type;
                if (type == Type::Function || type == Type::LeftParen || type == Type::LeftBracket ||
                    type == Type::LeftBrace) {
                    ++depth;
                } else if (type == Type::RightParen || type == Type::RightBracket ||
                           type == Type::RightBrace) {
                    --depth;
                }
            }
        }
        components.push_back(value.subspan(i, end - i));
        i = end;
    }
    return components;
}

// Half steps round up; NaN, from an infinite hue, is 0.
int Channel(double value) {
    if (!(value > 0)) return 0;
    return static_cast<int>(std::floor(std::min(value, kMaxChannel) + 0.5));
}

std::optional<CssColorValue> FromHex(std::string_view digits) {
    if (digits.size() != 3 && digits.size() != 4 && digits.size() != 6 && digits.size() != 8)
        return std::nullopt;
    std::array<int, 4> channels = {0, 0, 0, 0};
    const std::size_t perChannel = digits.size() <= 4 ? 1 : 2;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const char c = platform::LowerAscii(digits[i]);
        int digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else {
            return std::nullopt;
        }
        int& channel = channels[i / perChannel];
        // A short form's digit stands for itself twice: #f80 is #ff8800.
        channel = perChannel == 1 ? digit * 17 : channel * 16 + digit;
    }
    const bool alpha = digits.size() == 4 || digits.size() == 8;
    return CssColorValue{colorvalue::ColorFromChannels(channels[0], channels[1], channels[2]),
                         !alpha || channels[3] == 255};
}

// One argument of a colour function: a number, a percentage, an angle or "none".
struct Argument {
    enum Kind { Number, Percentage, Angle, None } kind;
    double value;
};

std::optional<Argument> ReadArgument(CssValue component) {
    if (component.size() != 1) return std::nullopt;
    const CssToken& token = component[0];
    if (IsKeyword(token, "none")) return Argument{Argument::None, 0};
    if (!std::isfinite(token.number)) return std::nullopt;
    switch (token.type) {
        case Type::Number: return Argument{Argument::Number, token.number};
        case Type::Percentage: return Argument{Argument::Percentage, token.number};
        case Type::Dimension:
            if (const auto degrees = Find(kAngles, token.value))
                return Argument{Argument::Angle, token.number * *degrees};
            return std::nullopt;
        default: return std::nullopt;
    }
}

// The arguments of rgb() or hsl(): three, and the alpha when given. The comma syntax takes
// commas between all of them and no "none"; the space syntax takes a "/" before the alpha.
struct Arguments {
    std::vector<Argument> values;
    bool commas = false;
};

std::optional<Arguments> ReadArguments(CssValue inside) {
    const std::vector<CssValue> components = Components(inside);
    Arguments arguments;
    arguments.commas =
        components.size() > 1 && components[1].size() == 1 && components[1][0].type == Type::Comma;
    for (std::size_t i = 0; i < components.size(); ++i) {
        const CssToken& first = components[i][0];
        const bool comma = components[i].size() == 1 && first.type == Type::Comma;
        const bool slash = components[i].size() == 1 && first.type == Type::Delim && first.value == "/";
        if (arguments.commas) {
            // Values at even places, commas between them.
            if ((i % 2 == 1) != comma) return std::nullopt;
            if (comma) continue;
        } else if (slash) {
            if (i != 3 || components.size() != 5) return std::nullopt;
            continue;
        }
        const std::optional<Argument> argument = ReadArgument(components[i]);
        if (!argument || (arguments.commas && argument->kind == Argument::None)) return std::nullopt;
        arguments.values.push_back(*argument);
    }
    const std::size_t count = arguments.values.size();
    if (count < 3 || count > 4) return std::nullopt;
    // Without commas the fourth value needs its "/".
    if (!arguments.commas && count == 4 && components.size() != 5) return std::nullopt;
    if (arguments.commas && components.size() % 2 == 0) return std::nullopt;
    return arguments;
}

std::optional<double> Alpha(const Arguments& arguments) {
    if (arguments.values.size() < 4) return 1.0;
    const Argument& alpha = arguments.values[3];
    switch (alpha.kind) {
        case Argument::Number: return std::clamp(alpha.value, 0.0, 1.0);
        case Argument::Percentage: return std::clamp(alpha.value / 100, 0.0, 1.0);
        case Argument::None: return 0.0;
        default: return std::nullopt;
    }
}

std::optional<CssColorValue> FromRgb(const Arguments& arguments) {
    std::array<int, 3> channels{};
    for (std::size_t i = 0; i < 3; ++i) {
        const Argument& argument = arguments.values[i];
        // The comma syntax takes three numbers or three percentages, not a mix.
        if (arguments.commas && argument.kind != arguments.values[0].kind) return std::nullopt;
        switch (argument.kind) {
            case Argument::Number: channels[i] = Channel(argument.value); break;
            case Argument::Percentage: channels[i] = Channel(argument.value * kMaxChannel / 100); break;
            case Argument::None: channels[i] = 0; break;
            case Argument::Angle: return std::nullopt;
        }
    }
    const std::optional<double> alpha = Alpha(arguments);
    if (!alpha) return std::nullopt;
    return CssColorValue{colorvalue::ColorFromChannels(channels[0], channels[1], channels[2]), *alpha >= 1};
}

std::optional<CssColorValue> FromHsl(const Arguments& arguments) {
    const Argument& hueArgument = arguments.values[0];
    if (hueArgument.kind == Argument::Percentage || !std::isfinite(hueArgument.value)) return std::nullopt;
    double hue = std::fmod(hueArgument.value, 360);
    if (hue < 0) hue += 360;
    std::array<double, 2> fractions{};
    for (std::size_t i = 1; i < 3; ++i) {
        const Argument& argument = arguments.values[i];
        // The comma syntax takes percentages; the space syntax numbers too, as percents.
        if (argument.kind == Argument::Angle || (arguments.commas && argument.kind != Argument::Percentage)) {
            return std::nullopt;
        }
        fractions[i - 1] = std::clamp(argument.value, 0.0, 100.0) / 100;
    }
    const double saturation = fractions[0];
    const double lightness = fractions[1];
    const auto channel = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12);
        const double a = saturation * std::min(lightness, 1 - lightness);
        return Channel((lightness - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}))) * kMaxChannel);
    };
    const std::optional<double> alpha = Alpha(arguments);
    if (!alpha) return std::nullopt;
    return CssColorValue{colorvalue::ColorFromChannels(channel(0), channel(8), channel(4)), *alpha >= 1};
}

// A function and its arguments written as a whole value: the name, and the tokens inside.
std::optional<std::pair<std::string, CssValue>> Function(CssValue value) {
    if (value.size() < 2 || value[0].type != Type::Function || value.back().type != Type::RightParen) {
        return std::nullopt;
    }
    if (Components(value).size() != 1) return std::nullopt;
    return std::pair(platform::LowerAscii(value[0].value), value.subspan(1, value.size() - 2));
}

}  // namespace

std::optional<CssColorValue> ReadCssColor(CssValue value) {
    if (value.size() == 1 && value[0].type == Type::Hash) return FromHex(value[0].value);
    if (value.size() == 1 && value[0].type == Type::Ident) {
        if (const auto named = CssColorByName(value[0].value)) return CssColorValue{*named, true};
        return std::nullopt;
    }
    const auto function = Function(value);
    if (!function) return std::nullopt;
    const auto& [name, inside] = *function;
    const std::optional<Arguments> arguments = ReadArguments(inside);
    if (!arguments) return std::nullopt;
    if (name == "rgb" || name == "rgba") return FromRgb(*arguments);
    if (name == "hsl" || name == "hsla") return FromHsl(*arguments);
    return std::nullopt;
}

std::optional<int> ReadCssFontSize(CssValue value) {
    if (value.size() != 1) return std::nullopt;
    const CssToken& token = value[0];
    if (token.type == Type::Ident) {
        if (const auto step = Find(kSizeKeywords, token.value)) return static_cast<int>(*step);
        return std::nullopt;
    }
    double px = 0;
    if (token.type == Type::Dimension) {
        const auto unit = Find(kUnits, token.value);
        if (!unit) return std::nullopt;
        px = token.number * *unit;
    } else if (token.type == Type::Percentage) {
        px = token.number * kMediumPx / 100;
    } else if (token.type != Type::Number || token.number != 0) {
        // A bare number is no length, but for 0.
        return std::nullopt;
    }
    if (!(px >= 0) || !std::isfinite(px)) return std::nullopt;
    std::size_t nearest = 0;
    for (std::size_t i = 1; i < kStepPx.size(); ++i) {
        if (std::abs(px - kStepPx[i]) < std::abs(px - kStepPx[nearest])) nearest = i;
    }
    return static_cast<int>(nearest) + 1;
}

std::optional<std::vector<std::string>> ReadCssFontFamily(CssValue value) {
    std::vector<std::string> faces;
    std::string face;
    bool quoted = false;
    bool pending = false;
    for (std::size_t i = 0; i <= value.size(); ++i) {
        if (i == value.size() || value[i].type == Type::Comma) {
            if (!pending) return std::nullopt;
            const std::string lower = platform::LowerAscii(face);
            if (!quoted) {
                if (std::find(kWideKeywords.begin(), kWideKeywords.end(), lower) != kWideKeywords.end()) {
                    return std::nullopt;
                }
                if (std::find(kGenericFamilies.begin(), kGenericFamilies.end(), lower) !=
                    kGenericFamilies.end()) {
                    face = lower;
                }
            }
            faces.push_back(face);
            face.clear();
            quoted = pending = false;
            continue;
        }
        const CssToken& token = value[i];
        if (token.type == Type::Whitespace) continue;
        if (token.type == Type::String && !pending) {
            face = token.value;
            quoted = pending = true;
        } else if (token.type == Type::Ident && !quoted) {
            if (pending) face += ' ';
            face += token.value;
            pending = true;
        } else {
            return std::nullopt;
        }
    }
    // An empty name reads as a face of its own in CSS, yet no face is named so.
    std::erase(faces, std::string());
    if (faces.empty()) return std::nullopt;
    return faces;
}

std::optional<bool> ReadCssBold(CssValue value) {
    const std::string keyword = Keyword(value);
    if (keyword == "bold" || keyword == "bolder") return true;
    if (keyword == "normal" || keyword == "lighter") return false;
    if (value.size() == 1 && value[0].type == Type::Number && value[0].number >= 1 &&
        value[0].number <= 1000) {
        return value[0].number >= 600;
    }
    return std::nullopt;
}

std::optional<bool> ReadCssItalic(CssValue value) {
    const std::vector<CssValue> components = Components(value);
    if (components.empty() || components[0].size() != 1) return std::nullopt;
    const std::string keyword = platform::LowerAscii(components[0][0].value);
    if (components[0][0].type != Type::Ident) return std::nullopt;
    if (keyword == "italic" && components.size() == 1) return true;
    // "oblique" may give its angle.
    if (keyword == "oblique" && components.size() <= 2) return true;
    if (keyword == "normal" && components.size() == 1) return false;
    return std::nullopt;
}

std::optional<bool> ReadCssCentered(CssValue value) {
    const std::string keyword = Keyword(value);
    if (keyword == "center" || keyword == "-webkit-center" || keyword == "-moz-center") return true;
    constexpr std::array<std::string_view, 7> kOthers = {"left",    "right",        "start",      "end",
                                                         "justify", "match-parent", "justify-all"};
    if (std::find(kOthers.begin(), kOthers.end(), keyword) != kOthers.end()) return false;
    return std::nullopt;
}

std::optional<std::string> ReadCssImage(CssValue value) {
    if (value.size() == 1 && value[0].type == Type::Url) return value[0].value;
    if (value.size() == 1 && IsKeyword(value[0], "none")) return std::string();
    // url("...") with a string is a function.
    const auto function = Function(value);
    if (!function || function->first != "url") return std::nullopt;
    const std::vector<CssValue> inside = Components(function->second);
    if (inside.size() != 1 || inside[0].size() != 1 || inside[0][0].type != Type::String) return std::nullopt;
    return inside[0][0].value;
}

std::optional<CssBackground> ReadCssBackground(CssValue value) {
    CssBackground background;
    for (const CssValue component : Components(value)) {
        if (const auto color = ReadCssColor(component)) {
            // Only the last layer has a colour.
            if (background.color) return std::nullopt;
            background.color = color;
        } else if (const auto image = ReadCssImage(component)) {
            if (background.image) return std::nullopt;
            background.image = image;
        } else if (component.size() == 1 && component[0].type == Type::BadUrl) {
            return std::nullopt;
        }
    }
    return background;
}
