// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

// Marks an English text that the Qt layer translates. It expands to the text
// itself; lupdate is told to read it as QT_TRANSLATE_NOOP, so the core stays
// free of Qt and its texts still reach the translation files.
#define TESSARINE_TRANSLATE_NOOP(context, text) text

namespace tessarine {

// Turns an English text of a translation context into the user's language.
// The core carries one where it writes texts itself (on paper, in menu
// captions it composes); an empty one keeps the English.
using TextTranslator = std::function<std::string(const char* context, const char* source)>;

// The translation of source, or source itself when translator is empty.
std::string Translate(const TextTranslator& translator, const char* context, const char* source);

// pattern with %1, %2, ... replaced by the arguments in order; other text,
// and a number with no argument, are kept. Translations may move the
// placeholders, so texts with values in them are whole patterns.
std::string FillPlaceholders(std::string_view pattern,
                             std::initializer_list<std::string_view> arguments);

}  // namespace tessarine
