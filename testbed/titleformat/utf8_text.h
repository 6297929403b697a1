#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Character-wise helpers for the title-formatting functions, which count and cut in characters,
// not bytes.
namespace titleformat {

std::vector<std::uint32_t> code_points(const std::string &utf8);
std::string to_utf8(const std::vector<std::uint32_t> &code_points);

// Letter case of Latin (with Latin-1), Greek and Cyrillic letters; other characters stay.
std::uint32_t upper_case(std::uint32_t c);
std::uint32_t lower_case(std::uint32_t c);

}  // namespace titleformat
