#pragma once

#include <string>

// The system's own words for a Windows error code (UTF-8, without the final full stop), or
// "an unknown error" when it has none.
std::string system_error_text(unsigned long code);
