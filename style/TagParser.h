// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/IniText.h"
#include "platform/Translate.h"
#include "style/Style.h"
#include "style/StyleFile.h"

// Reading back a FONT or BODY tag that a web author pastes from a page, as a browser reads
// it: the markup goes through the HTML standard's parser (comments skipped, misnested and
// unclosed tags mended as browsers mend them, character references decoded, the first of two
// equal attributes counting), and the colour and size values through the standard's legacy
// rules for them. The style attributes of FONT, SPAN, P, DIV and BODY are read as CSS and win
// over the element's attributes, as in browsers. Text with no such markup is read as a style
// sheet.

// Font: a FONT tag, or a SPAN, P or DIV whose style sets the font. Sheet: a style sheet, or
// the STYLE elements of a page.
enum class TPastedKind { None, Font, Body, Sheet };

struct TPastedTag {
    // The first FONT or BODY tag of the text decides which it is.
    TPastedKind kind = TPastedKind::None;
    // The colours the tag sets, in the order the style sets them.
    std::vector<std::pair<TColorTarget, TColor>> colors;
    // FONT only. A FONT tag within wins over the outer one for the text inside it: the FONT
    // tags around the first text that is more than white space set the attributes. The size
    // step 1..7; the faces of FACE (face, then alternates), quotes removed, empty when no
    // usable FACE applies; whether B or STRONG, I or EM, CENTER stand around or inside the
    // FONT tag; the text inside it, when it is more than white space, with BR as a space,
    // other tags and comments left out, cut to the kMaxPastedTextLength characters a style
    // file holds.
    std::optional<int> sizeStep;
    std::vector<std::string> faces;
    bool bold = false;
    bool italic = false;
    bool centered = false;
    std::optional<std::string> text;
    // Whether the font's half above loads: always for a FONT tag, for a sheet when it has a
    // rule for the font.
    bool setsFont = false;
    // The picture the body's CSS names, by its file name, or empty for none; nothing when
    // the CSS says nothing of the body's background.
    std::optional<std::string> picture;
    // What the tag holds that cannot be loaded, one line each, naming the attribute.
    std::vector<std::string> problems;
    // Sheet: the selectors of the rules read, for the message.
    std::vector<std::string> read;
};

inline constexpr std::size_t kMaxPastedTextLength = platform::kIniMaxValueLength;

// Reads the first kMaxMarkupBytes of the text (64 KB, far more than a tag and its text).
TPastedTag ParsePastedTag(std::string_view text);

// Sets what the tag holds into the target as a user would set each value, in the order a style
// file is read: colours, face, centering, bold, italic, size, text, alternate faces. A FONT
// tag's missing attributes keep their values, but a missing B, I or CENTER means off. A main
// face the face list lacks is handled as a style file's unknown face is: the list's first face
// is taken, and dropped from the alternates should they hold it too. Returns every line of the tag's problems
// and the unknown face's line.
//
// A picture named by the CSS selects picture mode when it is the style's own picture, whose
// file name is `pictureName`: CSS names a picture by an address, not by the folder that holds
// it. A background that names no picture selects colour mode.
std::vector<std::string> LoadPastedTag(const TPastedTag& tag, StyleTarget& target,
                                       std::string_view pictureName = {});

// The one message that names what was not loaded.
std::string PastedTagMessage(const std::vector<std::string>& problems);
// The same for any paste: a sheet's message names the rules it was read from too.
std::string PastedTagMessage(const TPastedTag& tag, const std::vector<std::string>& problems);

// A value named in a paste's message: cut after `length` bytes, before the character that
// would be split, with "..." after it, so that a hostile paste keeps the box readable.
inline constexpr std::size_t kShownValueLength = 40;
std::string CutForMessage(std::string_view text, std::size_t length = kShownValueLength);

inline constexpr std::string_view kNoTagMessage =
    QT_TRANSLATE_NOOP("Paste", "The clipboard holds no FONT or BODY tag and no CSS.");
