#pragma once

#include <cstdint>

#include "support/string8.h"

// The system's error codes that the component meets in its own file and in its messages to the
// messenger, by the numbers the platform gives them, so that code built off Windows names them too.
namespace system_error {

constexpr std::uint32_t none = 0;
constexpr std::uint32_t file_not_found = 2;
constexpr std::uint32_t path_not_found = 3;
constexpr std::uint32_t access_denied = 5;
constexpr std::uint32_t not_enough_memory = 8;
constexpr std::uint32_t write_protect = 19;
constexpr std::uint32_t sharing_violation = 32;
constexpr std::uint32_t handle_disk_full = 39;
constexpr std::uint32_t disk_full = 112;
constexpr std::uint32_t environment_variable_not_found = 203;
constexpr std::uint32_t file_name_too_long = 206;
constexpr std::uint32_t directory_not_supported = 336;
constexpr std::uint32_t invalid_window_handle = 1400;
constexpr std::uint32_t timeout = 1460;

// The code in words for a console line ("the disk is full"), appended; a code the component has no
// words for reads as "system error 1234".
void append_words(std::uint32_t code, pfc::string8 &out);

}  // namespace system_error
