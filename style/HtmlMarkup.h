// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gumbo.h>

#include <cstddef>
#include <string>
#include <string_view>

// Pasted markup read into the tree a browser builds from it, by gumbo, which follows the HTML
// standard's tokenizer and tree builder: comments, misnested and unclosed tags and stray
// characters end up where a browser puts them.
//
// Character references are left as written in the tree: the markup is parsed with every "&"
// taken as a literal one, so that the reader decides per value how to decode. The tree's
// structure does not depend on that, as a reference never starts or ends a tag. The values
// read from the tree are as written, but for the text of XMP, PLAINTEXT and CDATA sections,
// which the parser keeps raw and which reads as written through AsWritten.
inline constexpr std::size_t kMaxMarkupBytes = 64 * 1024;

class HtmlMarkup {
public:
    // Only the first kMaxMarkupBytes of the text are read (cut before a character, not through
    // it): the parser's time grows with the square of the nesting depth, so a hostile paste of
    // deeply nested tags would otherwise freeze the program for minutes.
    explicit HtmlMarkup(std::string_view text);
    ~HtmlMarkup();
    HtmlMarkup(const HtmlMarkup&) = delete;
    HtmlMarkup& operator=(const HtmlMarkup&) = delete;

    const GumboNode* Document() const { return output_->document; }

    // A raw text of the tree as written.
    static std::string AsWritten(std::string_view parsed);

private:
    std::string source_;
    GumboOutput* output_;
};

// An attribute value as written, its character references decoded as browsers decode them in
// an attribute ("&#35;FF0000" is "#FF0000").
std::string DecodeAttribute(std::string_view written);

// Text as written, its character references decoded ("Caf&eacute;" is "Café"), except those
// that stand for a markup character (<, >, & or "), which stay as written so that the text
// can go back into a tag as it came. Decoding stops once the text holds `enough` bytes.
std::string DecodeTextKeepingMarkup(std::string_view written, std::size_t enough = std::string_view::npos);

// Text as written, every character reference decoded ("&lt;b&gt;" is "<b>").
std::string DecodeText(std::string_view written, std::size_t enough = std::string_view::npos);

// Whether the element is the HTML one of this tag (an SVG FONT is not a FONT).
bool IsHtmlElement(const GumboNode* node, GumboTag tag);
