#pragma once

#include <string>

#include "script.h"

namespace titleformat {

// True when `name` is a known function that takes `arg_count` arguments; otherwise false and
// the reason in `error`.
bool check_call(const std::string &name, std::size_t arg_count, std::string &error);

value call_function(const node &call, const track_info &track);

}  // namespace titleformat
