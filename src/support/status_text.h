#pragma once

#include "sizes.h"
#include "wide_char.h"
#include "wide_string.h"

// Status texts as they cross to and from the messenger, in UTF-16 units.
namespace pfc {

// The longest status text the component publishes or keeps: far beyond any real status line, and
// short enough that the messenger's copying of it stays cheap.
constexpr t_size status_text_limit = 4096;

// The length at which `text` (of `length` units) is cut to at most `limit` units without splitting
// a character: never inside a surrogate pair, and never between a character and the marks, variation
// selectors, joiners and emoji modifiers that follow it to form one character with it. Units past
// `limit` are looked at, when present, to tell whether the cut would split one. A single character
// longer than the limit is cut at a code point boundary instead: a text that was not empty never
// comes back empty.
t_size whole_character_cut(const wide_char *text, t_size length, t_size limit);

// Makes a text one line: each line break (CR, LF, CR LF, U+2028, U+2029) and each tab becomes one
// space, and the other control characters (U+0000 to U+001F, U+007F to U+009F) go. No other unit is
// touched, so no character is split.
void make_one_line(wide_string &text);

// True when the text is empty or holds only spaces.
bool is_blank(const wide_string &text);

}  // namespace pfc
