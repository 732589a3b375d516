#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "style/Style.h"
#include "style/StyleFile.h"

// Reading back a FONT or BODY tag that a web author pastes from a page. The reading is as
// tolerant as a browser's: tag and attribute names in any letter case, values in double,
// single or no quotes, any spacing, unknown attributes ignored, the first of two equal
// attributes counting. Nothing is escaped or unescaped, as the tags are written.

enum class TPastedKind { None, Font, Body };

struct TPastedTag {
    // The first FONT or BODY start tag of the text decides which it is.
    TPastedKind kind = TPastedKind::None;
    // The colours the tag sets, in the order the style sets them.
    std::vector<std::pair<TColorTarget, TColor>> colors;
    // FONT only. The size step clamped to 1..7; the faces of FACE (face, then alternates),
    // quotes removed, empty when the tag has no usable FACE; whether a B, I or CENTER start
    // tag stands anywhere in the text; the text inside the FONT tag, without the tags in it,
    // when it is more than white space.
    std::optional<int> sizeStep;
    std::vector<std::string> faces;
    bool bold = false;
    bool italic = false;
    bool centered = false;
    std::optional<std::string> text;
    // What the tag holds that cannot be loaded, one line each, naming the attribute.
    std::vector<std::string> problems;
};

TPastedTag ParsePastedTag(std::string_view text);

// Sets what the tag holds into the target as a user would set each value, in the order a style
// file is read: colours, face, centering, bold, italic, size, text, alternate faces. A FONT
// tag's missing attributes keep their values, but a missing B, I or CENTER means off. A main
// face the face list lacks is handled as a style file's unknown face is: the list's first face
// is taken. Returns every line of the tag's problems and the unknown face's line.
std::vector<std::string> LoadPastedTag(const TPastedTag& tag, StyleTarget& target);

// The one message that names what was not loaded.
std::string PastedTagMessage(const std::vector<std::string>& problems);

inline constexpr std::string_view kNoTagMessage = "The clipboard holds no FONT or BODY tag.";

// An attribute's colour: "#RRGGBB", "#RGB", six hexadecimal digits without "#", or one of the
// sixteen HTML colour names, with any letter case and surrounding white space.
std::optional<TColor> ParseTagColor(std::string_view value);

// SIZE: a step 1..7, or +n / -n counted from 3, clamped to 1..7. Text after the digits is
// ignored, as browsers do.
std::optional<int> ParseTagSize(std::string_view value);
