#pragma once

#include <windows.h>

// Status texts as they cross to and from the messenger, in UTF-16 units.

// The longest text the component publishes: far beyond any real status line, and short enough that
// the messenger's copying of it stays cheap (it copies in whatever it is sent).
constexpr int published_text_limit = 4096;

// The length of `text` cut to at most `limit` units. The cut never splits a surrogate pair: a high
// surrogate left last loses its partner beyond the cut and goes too.
int cut_length(const wchar_t *text, int limit);
