// SPDX-License-Identifier: GPL-3.0-or-later
// Texts that the pure layers compose for the user (the caption, questions, names of undo
// steps) in the user's language. The window program hands in its catalogue lookup; without
// one (the front program, the tests of the pure code) every text stays as written.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text for the catalogue tools; the text itself is unchanged. Qt's own definition,
// where a Qt header came first, does the same.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace platform {

using TTranslator = std::function<std::string(const char* context, const char* text)>;

// Every later Translate goes through `translator`; an empty one restores the written texts.
void SetTranslator(TTranslator translator);

// `text` (UTF-8) in the user's language, or as written when the catalogue has none.
// The catalogue tools find the calls by this name, as they find Qt's own translate().
std::string Translate(const char* context, const char* text);

// `text` with %1 to %9 replaced by the arguments in one pass, so that an argument holding
// "%2" stays as it is. A translation may place the arguments in any order.
std::string Arg(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace platform
