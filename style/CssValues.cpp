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
#include "style/Oklch.h"

namespace {

using Type = CssTokenType;

constexpr double kMaxChannel = 255;
constexpr double kMediumPx = 16;

struct NamedValue {
    std::string_view name;
    double value;
};

// An absolute length's unit in px.
constexpr std::array<NamedValue, 7> kUnits = {{
    {"px", 1},
    {"pt", 4.0 / 3},
    {"pc", 16},
    {"in", 96},
    {"cm", 96 / 2.54},
    {"mm", 96 / 25.4},
    {"q", 96 / 101.6},
}};

// Each size step's keyword and its size, step 1 first.
constexpr std::array<double, 7> kStepPx = {10, 13, 16, 18, 24, 32, 48};
// The absolute size keywords in px, as browsers size them from a 16 px "medium".
constexpr std::array<NamedValue, 8> kSizeKeywords = {{
    {"xx-small", 9},
    {"x-small", 10},
    {"small", 13},
    {"medium", kMediumPx},
    {"large", 18},
    {"x-large", 24},
    {"xx-large", 32},
    {"xxx-large", 48},
}};
// "larger" and "smaller" scale the parent's size by this.
constexpr double kRelativeKeywordScale = 1.2;

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

// Half steps round up, also a half step that arithmetic left a hair below; NaN, from an
// infinite hue, is 0.
int Channel(double value) {
    constexpr double kHair = 1e-9;
    if (!(value > 0)) return 0;
    return static_cast<int>(std::floor(std::min(value, kMaxChannel) + 0.5 + kHair));
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

// A component of a CSS Color 4 function: a number, or a percentage of `hundred`; "none" is 0.
std::optional<double> NumberOrPercent(const Argument& argument, double hundred) {
    switch (argument.kind) {
        case Argument::Number: return argument.value;
        case Argument::Percentage: return argument.value * hundred / 100;
        case Argument::None: return 0.0;
        case Argument::Angle: return std::nullopt;
    }
    return std::nullopt;
}

// A hue: a number of degrees or an angle; "none" is 0.
std::optional<double> Hue(const Argument& argument) {
    if (argument.kind == Argument::Percentage) return std::nullopt;
    return argument.kind == Argument::None ? 0.0 : argument.value;
}

std::optional<CssColorValue> Opaque(std::optional<platform::TColor> color, const Arguments& arguments) {
    const std::optional<double> alpha = Alpha(arguments);
    if (!color || !alpha) return std::nullopt;
    return CssColorValue{*color, *alpha >= 1};
}

// hwb(): the hue's pure colour, mixed with white and black; together more than all greys it.
std::optional<platform::TColor> FromHwb(const Arguments& arguments) {
    const std::optional<double> hue = Hue(arguments.values[0]);
    const std::optional<double> white = NumberOrPercent(arguments.values[1], 100);
    const std::optional<double> black = NumberOrPercent(arguments.values[2], 100);
    if (!hue || !white || !black) return std::nullopt;
    double w = std::clamp(*white, 0.0, 100.0) / 100;
    double b = std::clamp(*black, 0.0, 100.0) / 100;
    if (w + b >= 1) {
        const int grey = Channel(w / (w + b) * kMaxChannel);
        return colorvalue::ColorFromChannels(grey, grey, grey);
    }
    double h = std::fmod(*hue, 360);
    if (h < 0) h += 360;
    const auto channel = [&](double n) {
        const double k = std::fmod(n + h / 30, 12);
        const double pure = 0.5 - 0.5 * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
        return Channel((pure * (1 - w - b) + w) * kMaxChannel);
    };
    return colorvalue::ColorFromChannels(channel(0), channel(8), channel(4));
}

// CIE Lab (D50 white) through XYZ, adapted to D65, to linear-light sRGB.
platform::TColor FromCieLab(double lightness, double a, double b) {
    constexpr double kKappa = 24389.0 / 27;
    constexpr double kEpsilon = 216.0 / 24389;
    const double f1 = (lightness + 16) / 116;
    const double f0 = a / 500 + f1;
    const double f2 = f1 - b / 200;
    const double x = f0 * f0 * f0 > kEpsilon ? f0 * f0 * f0 : (116 * f0 - 16) / kKappa;
    const double y = lightness > kKappa * kEpsilon ? f1 * f1 * f1 : lightness / kKappa;
    const double z = f2 * f2 * f2 > kEpsilon ? f2 * f2 * f2 : (116 * f2 - 16) / kKappa;
    const std::array<double, 3> d50 = {x * 0.3457 / 0.3585, y, z * (1 - 0.3457 - 0.3585) / 0.3585};
    constexpr double kBradford[3][3] = {{0.955473421488075, -0.02309845494876471, 0.06325924320057072},
                                        {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
                                        {0.012314014864481998, -0.020507649298898964, 1.330365926242124}};
    constexpr double kToSrgb[3][3] = {{3.2409699419045226, -1.537383177570094, -0.4986107602930034},
                                      {-0.9692436362808796, 1.8759675015077202, 0.04155505740717559},
                                      {0.05563007969699366, -0.20397695888897652, 1.0569715142428786}};
    std::array<double, 3> d65{};
    std::array<double, 3> rgb{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) d65[i] += kBradford[i][j] * d50[j];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) rgb[i] += kToSrgb[i][j] * d65[j];
    return SrgbOfLinear(rgb[0], rgb[1], rgb[2]);
}

// lab(), lch(), oklab() and oklch(): the lightness, then a and b or chroma and hue. Percentages
// are of each component's reference range.
std::optional<platform::TColor> FromLabFamily(std::string_view name, const Arguments& arguments) {
    const bool ok = name.starts_with("ok");
    const bool polar = name.ends_with("lch");
    const std::optional<double> lightness = NumberOrPercent(arguments.values[0], ok ? 1 : 100);
    const double range = ok ? 0.4 : (polar ? 150 : 125);
    const std::optional<double> first = NumberOrPercent(arguments.values[1], range);
    const std::optional<double> second =
        polar ? Hue(arguments.values[2]) : NumberOrPercent(arguments.values[2], range);
    if (!lightness || !first || !second) return std::nullopt;
    const double l = std::clamp(*lightness, 0.0, ok ? 1.0 : 100.0);
    double a = *first;
    double b = *second;
    if (polar) {
        const double chroma = std::max(0.0, *first);
        a = chroma * std::cos(*second * std::numbers::pi / 180);
        b = chroma * std::sin(*second * std::numbers::pi / 180);
    }
    return ok ? SrgbOfOklab(l, a, b) : FromCieLab(l, a, b);
}

// A function and its arguments written as a whole value: the name, and the tokens inside.
std::optional<std::pair<std::string, CssValue>> Function(CssValue value) {
    if (value.size() < 2 || value[0].type != Type::Function || value.back().type != Type::RightParen) {
        return std::nullopt;
    }
    if (Components(value).size() != 1) return std::nullopt;
    return std::pair(platform::LowerAscii(value[0].value), value.subspan(1, value.size() - 2));
}

// One length in px: an absolute unit, em and ex from the parent's font size, rem from the
// root's, a percentage of the parent's font size (what font-size counts it from), 0 alone.
std::optional<double> LengthPx(const CssToken& token, const CssContext& context) {
    if (!std::isfinite(token.number)) return std::nullopt;
    if (token.type == Type::Percentage) return token.number * context.parentPx / 100;
    if (token.type == Type::Number) return token.number == 0 ? std::optional<double>(0) : std::nullopt;
    if (token.type != Type::Dimension) return std::nullopt;
    const std::string unit = platform::LowerAscii(token.value);
    if (unit == "em") return token.number * context.parentPx;
    if (unit == "rem") return token.number * context.rootPx;
    if (unit == "ex" || unit == "ch") return token.number * context.parentPx / 2;
    if (const auto px = Find(kUnits, unit)) return token.number * *px;
    return std::nullopt;
}

// calc() over lengths and percentages: sums of products, a product taking a plain number on
// one side, parentheses and nested calc() within. A value with a length in it is a length.
class CalcReader {
public:
    CalcReader(CssValue tokens, const CssContext& context) : tokens_(tokens), context_(context) {}

    std::optional<double> Length() {
        const std::optional<Term> term = Sum();
        Skip();
        if (!term || at_ != tokens_.size() || !term->length) return std::nullopt;
        return term->value;
    }

private:
    struct Term {
        double value;
        bool length;
    };

    void Skip() {
        while (at_ < tokens_.size() && tokens_[at_].type == Type::Whitespace) ++at_;
    }
    bool Operator(std::string_view symbol) {
        Skip();
        if (at_ < tokens_.size() && tokens_[at_].type == Type::Delim && tokens_[at_].value == symbol) {
            ++at_;
            return true;
        }
        return false;
    }

    std::optional<Term> Sum() {
        std::optional<Term> sum = Product();
        while (sum) {
            const bool plus = Operator("+");
            if (!plus && !Operator("-")) break;
            const std::optional<Term> next = Product();
            if (!next || next->length != sum->length) return std::nullopt;
            sum->value += plus ? next->value : -next->value;
        }
        return sum;
    }

    std::optional<Term> Product() {
        std::optional<Term> product = Unit();
        while (product) {
            const bool times = Operator("*");
            if (!times && !Operator("/")) break;
            const std::optional<Term> next = Unit();
            if (!next || (next->length && (product->length || !times))) return std::nullopt;
            if (times) {
                product = Term{product->value * next->value, product->length || next->length};
            } else {
                if (next->value == 0) return std::nullopt;
                product->value /= next->value;
            }
        }
        return product;
    }

    std::optional<Term> Unit() {
        Skip();
        if (at_ >= tokens_.size() || ++depth_ > kMaxDepth) return std::nullopt;
        const CssToken& token = tokens_[at_++];
        if (token.type == Type::LeftParen ||
            (token.type == Type::Function && platform::LowerAscii(token.value) == "calc")) {
            std::optional<Term> inner = Sum();
            Skip();
            if (!inner || at_ >= tokens_.size() || tokens_[at_].type != Type::RightParen) return std::nullopt;
            ++at_;
            return inner;
        }
        if (token.type == Type::Number && std::isfinite(token.number)) return Term{token.number, false};
        if (const std::optional<double> px = LengthPx(token, context_); px && token.type != Type::Number) {
            return Term{*px, true};
        }
        return std::nullopt;
    }

    // Nesting past this is refused, so that a hostile value cannot exhaust the stack.
    static constexpr int kMaxDepth = 64;
    CssValue tokens_;
    const CssContext& context_;
    std::size_t at_ = 0;
    int depth_ = 0;
};

}  // namespace

std::optional<double> ReadCssLength(CssValue value, const CssContext& context) {
    if (value.size() == 1) return LengthPx(value[0], context);
    const auto function = Function(value);
    if (!function || function->first != "calc") return std::nullopt;
    return CalcReader(function->second, context).Length();
}

std::optional<CssColorValue> ReadCssColor(CssValue value, const CssContext& context) {
    if (value.size() == 1 && value[0].type == Type::Hash) return FromHex(value[0].value);
    if (value.size() == 1 && IsKeyword(value[0], "currentcolor")) return context.currentColor;
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
    // The CSS Color 4 functions take no commas.
    if (arguments->commas || arguments->values.size() < 3) return std::nullopt;
    if (name == "hwb") return Opaque(FromHwb(*arguments), *arguments);
    if (name == "lab" || name == "lch" || name == "oklab" || name == "oklch") {
        return Opaque(FromLabFamily(name, *arguments), *arguments);
    }
    return std::nullopt;
}

int NearestSizeStep(double px) {
    std::size_t nearest = 0;
    for (std::size_t i = 1; i < kStepPx.size(); ++i) {
        if (std::abs(px - kStepPx[i]) < std::abs(px - kStepPx[nearest])) nearest = i;
    }
    return static_cast<int>(nearest) + 1;
}

std::optional<double> ReadCssFontSizePx(CssValue value, const CssContext& context) {
    if (value.size() == 1 && value[0].type == Type::Ident) {
        const std::string keyword = platform::LowerAscii(value[0].value);
        if (keyword == "larger") return context.parentPx * kRelativeKeywordScale;
        if (keyword == "smaller") return context.parentPx / kRelativeKeywordScale;
        return Find(kSizeKeywords, keyword);
    }
    const std::optional<double> px = ReadCssLength(value, context);
    if (!px || !(*px >= 0)) return std::nullopt;
    return px;
}

std::optional<int> ReadCssFontSize(CssValue value, const CssContext& context) {
    const std::optional<double> px = ReadCssFontSizePx(value, context);
    if (!px) return std::nullopt;
    return NearestSizeStep(*px);
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

bool IsGenericFamily(std::string_view name) {
    const std::string lower = platform::LowerAscii(name);
    return std::find(kGenericFamilies.begin(), kGenericFamilies.end(), lower) != kGenericFamilies.end();
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

namespace {

constexpr std::array<std::string_view, 6> kSystemFonts = {"caption",     "icon",          "menu",
                                                          "message-box", "small-caption", "status-bar"};
constexpr std::array<std::string_view, 9> kStretches = {"ultra-condensed", "extra-condensed", "condensed",
                                                        "semi-condensed",  "semi-expanded",   "expanded",
                                                        "extra-expanded",  "ultra-expanded",  "normal"};

}  // namespace

bool IsCssSystemFont(CssValue value) {
    const std::string keyword = Keyword(value);
    return std::find(kSystemFonts.begin(), kSystemFonts.end(), keyword) != kSystemFonts.end();
}

std::optional<CssFont> ReadCssFont(CssValue value, const CssContext& context) {
    const std::vector<CssValue> components = Components(value);
    CssFont font;
    bool style = false;
    bool variant = false;
    bool weight = false;
    bool stretch = false;
    std::size_t i = 0;
    // Up to one each of style, variant, weight and stretch, in any order; "normal" stands for
    // any of them that is still unset.
    for (; i < components.size(); ++i) {
        const CssValue part = components[i];
        if (part.size() != 1) break;
        const CssToken& token = part[0];
        const std::string keyword = token.type == Type::Ident ? platform::LowerAscii(token.value) : "";
        if (keyword == "normal") continue;
        if (!style && (keyword == "italic" || keyword == "oblique")) {
            style = font.italic = true;
            // "oblique" may give its angle.
            if (keyword == "oblique" && i + 1 < components.size() && components[i + 1].size() == 1 &&
                components[i + 1][0].type == Type::Dimension && Find(kAngles, components[i + 1][0].value)) {
                ++i;
            }
        } else if (!variant && keyword == "small-caps") {
            variant = true;
        } else if (!weight && (keyword == "bold" || keyword == "bolder" || keyword == "lighter")) {
            weight = true;
            font.bold = keyword != "lighter";
        } else if (!weight && token.type == Type::Number && token.number >= 1 && token.number <= 1000) {
            weight = true;
            font.bold = token.number >= 600;
        } else if (!stretch && std::find(kStretches.begin(), kStretches.end(), keyword) != kStretches.end()) {
            stretch = true;
        } else {
            break;
        }
    }
    if (i >= components.size()) return std::nullopt;
    const std::optional<double> size = ReadCssFontSizePx(components[i], context);
    if (!size) return std::nullopt;
    font.sizePx = *size;
    ++i;
    if (i < components.size() && components[i].size() == 1 && components[i][0].type == Type::Delim &&
        components[i][0].value == "/") {
        // The line height: a number, a length, a percentage or "normal"; a style has no line height.
        if (i + 1 >= components.size() || components[i + 1].size() != 1) return std::nullopt;
        const CssToken& height = components[i + 1][0];
        if (height.type != Type::Number && height.type != Type::Percentage &&
            height.type != Type::Dimension && !IsKeyword(height, "normal")) {
            return std::nullopt;
        }
        i += 2;
    }
    if (i >= components.size()) return std::nullopt;
    const CssToken* familyStart = components[i].data();
    const std::optional<std::vector<std::string>> faces =
        ReadCssFontFamily(value.subspan(static_cast<std::size_t>(familyStart - value.data())));
    if (!faces) return std::nullopt;
    font.faces = *faces;
    return font;
}
