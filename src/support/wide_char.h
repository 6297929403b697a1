#pragma once

namespace pfc {

// A UTF-16 code unit: the platform's wide character where that is 16 bits, a 16-bit type elsewhere.
#ifdef _WIN32
using wide_char = wchar_t;
#else
using wide_char = char16_t;
#endif

static_assert(sizeof(wide_char) == 2, "wide text is UTF-16");

}  // namespace pfc
