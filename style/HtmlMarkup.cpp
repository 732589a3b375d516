// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/HtmlMarkup.h"

#include <algorithm>

namespace {

constexpr std::string_view kAmpersand = "&";
constexpr std::string_view kAmpersandReference = "&amp;";
constexpr std::string_view kLessThanReference = "&lt;";
constexpr std::string_view kQuoteReference = "&quot;";
constexpr std::string_view kMarkupCharacters = "<>&\"";
// A markup fragment is parsed after this, so that it lands in the body as it would in a page:
// at the start of a document, white space would be dropped.
constexpr std::string_view kBodyStart = "<body>";

std::string ReplaceAll(std::string_view text, char from, std::string_view to) {
    std::string replaced;
    replaced.reserve(text.size());
    for (const char c : text) {
        if (c == from) {
            replaced += to;
        } else {
            replaced += c;
        }
    }
    return replaced;
}

// The text cut to at most `limit` bytes, before a UTF-8 character rather than through it.
std::string_view LeadingBytes(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) return text;
    std::size_t length = limit;
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
    return text.substr(0, length);
}

GumboOptions Options() {
    GumboOptions options = kGumboDefaultOptions;
    // Errors are of no use here, and a hostile paste would fill memory with them.
    options.max_errors = 0;
    return options;
}

// A small markup fragment parsed on its own, for the decoding of one value.
class Fragment {
public:
    explicit Fragment(std::string markup) : markup_(std::move(markup)) {
        const GumboOptions options = Options();
        output_ = gumbo_parse_with_options(&options, markup_.data(), markup_.size());
    }
    ~Fragment() {
        const GumboOptions options = Options();
        gumbo_destroy_output(&options, output_);
    }
    Fragment(const Fragment&) = delete;
    Fragment& operator=(const Fragment&) = delete;

    const GumboNode* Body() const {
        const GumboVector& children = output_->root->v.element.children;
        for (unsigned i = 0; i < children.length; ++i) {
            const auto* child = static_cast<const GumboNode*>(children.data[i]);
            if (IsHtmlElement(child, GUMBO_TAG_BODY)) return child;
        }
        return nullptr;
    }

private:
    std::string markup_;
    GumboOutput* output_;
};

// What a browser shows for a text that starts with "&" and holds no other "&": the reference
// it may start with, decoded, then the rest.
std::string DecodeReference(std::string_view written, bool keepMarkup) {
    // A reference is "&" and then a letter, a digit or "#": anything else is a plain "&".
    const auto startsReference = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '#';
    };
    if (written.size() < 2 || !startsReference(written[1])) return std::string(written);
    const Fragment fragment(std::string(kBodyStart) + ReplaceAll(written, '<', kLessThanReference));
    std::string decoded;
    if (const GumboNode* body = fragment.Body()) {
        const GumboVector& children = body->v.element.children;
        for (unsigned i = 0; i < children.length; ++i) {
            const auto* child = static_cast<const GumboNode*>(children.data[i]);
            if (child->type == GUMBO_NODE_TEXT || child->type == GUMBO_NODE_WHITESPACE)
                decoded += child->v.text.text;
        }
    }
    // The rest is as written in both, so a decoded text that differs starts with what the
    // reference stands for.
    if (keepMarkup && decoded != written && !decoded.empty() &&
        kMarkupCharacters.find(decoded.front()) != std::string_view::npos) {
        return std::string(written);
    }
    return decoded;
}

std::string Decode(std::string_view written, std::size_t enough, bool keepMarkup) {
    std::string text;
    std::size_t pos = 0;
    while (pos < written.size() && text.size() < enough) {
        const std::size_t ampersand = written.find('&', pos);
        text += written.substr(pos, ampersand - pos);
        if (ampersand == std::string_view::npos) break;
        const std::size_t next = std::min(written.find('&', ampersand + 1), written.size());
        text += DecodeReference(written.substr(ampersand, next - ampersand), keepMarkup);
        pos = next;
    }
    return text;
}

}  // namespace

HtmlMarkup::HtmlMarkup(std::string_view text)
    : source_(ReplaceAll(LeadingBytes(text, kMaxMarkupBytes), '&', kAmpersandReference)) {
    const GumboOptions options = Options();
    output_ = gumbo_parse_with_options(&options, source_.data(), source_.size());
}

HtmlMarkup::~HtmlMarkup() {
    const GumboOptions options = Options();
    gumbo_destroy_output(&options, output_);
}

std::string HtmlMarkup::AsWritten(std::string_view parsed) {
    std::string written;
    written.reserve(parsed.size());
    for (std::size_t pos = 0; pos < parsed.size();) {
        if (parsed.substr(pos, kAmpersandReference.size()) == kAmpersandReference) {
            written += kAmpersand;
            pos += kAmpersandReference.size();
        } else {
            written += parsed[pos++];
        }
    }
    return written;
}

std::string DecodeAttribute(std::string_view written) {
    if (written.find('&') == std::string_view::npos) return std::string(written);
    const Fragment fragment(std::string(kBodyStart) + "<b a=\"" + ReplaceAll(written, '"', kQuoteReference) +
                            "\">");
    const GumboNode* body = fragment.Body();
    if (body == nullptr || body->v.element.children.length == 0) return std::string(written);
    const auto* element = static_cast<const GumboNode*>(body->v.element.children.data[0]);
    const GumboAttribute* attribute = gumbo_get_attribute(&element->v.element.attributes, "a");
    return attribute == nullptr ? std::string(written) : std::string(attribute->value);
}

std::string DecodeTextKeepingMarkup(std::string_view written, std::size_t enough) {
    return Decode(written, enough, true);
}

std::string DecodeText(std::string_view written, std::size_t enough) {
    return Decode(written, enough, false);
}

bool IsHtmlElement(const GumboNode* node, GumboTag tag) {
    return node->type == GUMBO_NODE_ELEMENT && node->v.element.tag == tag &&
           node->v.element.tag_namespace == GUMBO_NAMESPACE_HTML;
}
