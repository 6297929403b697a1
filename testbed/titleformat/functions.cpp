#include "functions.h"

#include <cstdlib>
#include <cstdio>
#include <functional>
#include <map>

#include "utf8_text.h"

namespace titleformat {

namespace {

using arguments = std::vector<node_list>;

struct function_entry {
  std::size_t min_args;
  std::size_t max_args;
  std::function<value(const arguments &, const track_info &)> run;
};

value arg(const arguments &args, std::size_t i, const track_info &track) { return evaluate(args[i], track); }

long number(const std::string &text) { return std::strtol(text.c_str(), nullptr, 10); }

value truth(bool present) { return {"", present}; }

std::string map_characters(const std::string &text, std::uint32_t (*change)(std::uint32_t)) {
  std::vector<std::uint32_t> chars = code_points(text);
  for (std::uint32_t &c : chars) c = change(c);
  return to_utf8(chars);
}

std::string capitalised(const std::string &text) {
  std::vector<std::uint32_t> chars = code_points(text);
  bool word_start = true;
  for (std::uint32_t &c : chars) {
    const bool space = c == ' ' || c == '\t';
    c = space ? c : (word_start ? upper_case(c) : lower_case(c));
    word_start = space;
  }
  return to_utf8(chars);
}

std::string left(const std::string &text, long n) {
  std::vector<std::uint32_t> chars = code_points(text);
  if (n < 0) n = 0;
  if (static_cast<std::size_t>(n) < chars.size()) chars.resize(n);
  return to_utf8(chars);
}

std::string right(const std::string &text, long n) {
  std::vector<std::uint32_t> chars = code_points(text);
  if (n < 0) n = 0;
  if (static_cast<std::size_t>(n) < chars.size()) chars.erase(chars.begin(), chars.end() - n);
  return to_utf8(chars);
}

std::string padded(const std::string &text, long width, const std::string &fill) {
  std::vector<std::uint32_t> chars = code_points(text);
  const std::vector<std::uint32_t> fill_chars = code_points(fill.empty() ? " " : fill);
  while (static_cast<long>(chars.size()) < width) chars.push_back(fill_chars[0]);
  return to_utf8(chars);
}

std::string trimmed(const std::string &text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string zero_padded(long n, long digits) {
  std::string text = std::to_string(n < 0 ? -n : n);
  while (static_cast<long>(text.size()) < digits) text.insert(0, "0");
  return n < 0 ? "-" + text : text;
}

const std::map<std::string, function_entry> &functions() {
  static const std::map<std::string, function_entry> table = {
      {"if",
       {2, 3,
        [](const arguments &a, const track_info &t) {
          if (arg(a, 0, t).present) return arg(a, 1, t);
          return a.size() == 3 ? arg(a, 2, t) : value{};
        }}},
      {"if2",
       {2, 2,
        [](const arguments &a, const track_info &t) {
          const value first = arg(a, 0, t);
          return first.present ? first : arg(a, 1, t);
        }}},
      {"if3",
       {2, 64,
        [](const arguments &a, const track_info &t) {
          for (std::size_t i = 0; i + 1 < a.size(); ++i) {
            const value v = arg(a, i, t);
            if (v.present) return v;
          }
          return arg(a, a.size() - 1, t);
        }}},
      {"and",
       {1, 64,
        [](const arguments &a, const track_info &t) {
          for (std::size_t i = 0; i < a.size(); ++i) {
            if (!arg(a, i, t).present) return truth(false);
          }
          return truth(true);
        }}},
      {"or",
       {1, 64,
        [](const arguments &a, const track_info &t) {
          for (std::size_t i = 0; i < a.size(); ++i) {
            if (arg(a, i, t).present) return truth(true);
          }
          return truth(false);
        }}},
      {"not", {1, 1, [](const arguments &a, const track_info &t) { return truth(!arg(a, 0, t).present); }}},
      {"upper",
       {1, 1,
        [](const arguments &a, const track_info &t) {
          const value v = arg(a, 0, t);
          return value{map_characters(v.text, upper_case), v.present};
        }}},
      {"lower",
       {1, 1,
        [](const arguments &a, const track_info &t) {
          const value v = arg(a, 0, t);
          return value{map_characters(v.text, lower_case), v.present};
        }}},
      {"caps",
       {1, 1,
        [](const arguments &a, const track_info &t) {
          const value v = arg(a, 0, t);
          return value{capitalised(v.text), v.present};
        }}},
      {"left",
       {2, 2,
        [](const arguments &a, const track_info &t) {
          const value v = arg(a, 0, t);
          return value{left(v.text, number(arg(a, 1, t).text)), v.present};
        }}},
      {"right",
       {2, 2,
        [](const arguments &a, const track_info &t) {
          const value v = arg(a, 0, t);
          return value{right(v.text, number(arg(a, 1, t).text)), v.present};
        }}},
      {"len",
       {1, 1,
        [](const arguments &a, const track_info &t) {
          const value v = arg(a, 0, t);
          return value{std::to_string(code_points(v.text).size()), v.present};
        }}},
      {"pad",
       {2, 3,
        [](const arguments &a, const track_info &t) {
          const value v = arg(a, 0, t);
          const std::string fill = a.size() == 3 ? arg(a, 2, t).text : " ";
          return value{padded(v.text, number(arg(a, 1, t).text), fill), v.present};
        }}},
      {"num",
       {2, 2,
        [](const arguments &a, const track_info &t) {
          const value v = arg(a, 0, t);
          return value{zero_padded(number(v.text), number(arg(a, 1, t).text)), v.present};
        }}},
      {"trim",
       {1, 1,
        [](const arguments &a, const track_info &t) {
          const value v = arg(a, 0, t);
          return value{trimmed(v.text), v.present};
        }}},
  };
  return table;
}

}  // namespace

bool check_call(const std::string &name, std::size_t arg_count, std::string &error) {
  const auto found = functions().find(name);
  if (found == functions().end()) {
    error = "unknown function $" + name;
    return false;
  }
  if (arg_count < found->second.min_args || arg_count > found->second.max_args) {
    error =
        "$" + name + " takes " + std::to_string(found->second.min_args) +
        (found->second.max_args != found->second.min_args ? " to " + std::to_string(found->second.max_args)
                                                          : std::string()) +
        " arguments, not " + std::to_string(arg_count);
    return false;
  }
  return true;
}

value call_function(const node &call, const track_info &track) {
  return functions().at(call.text).run(call.args, track);
}

}  // namespace titleformat
