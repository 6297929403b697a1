#include "script.h"

#include <cctype>

#include "functions.h"

namespace titleformat {

namespace {

class parser {
 public:
  explicit parser(const std::string &source) : source_(source) {}

  bool parse(node_list &out, std::string &error) {
    if (!parse_sequence(out, "")) {
      error = error_;
      return false;
    }
    return true;
  }

 private:
  bool fail(std::string message) {
    error_ = std::move(message) + " at character " + std::to_string(pos_ + 1);
    return false;
  }

  static void add_text(node_list &out, const std::string &text) {
    if (!out.empty() && out.back().what == node::kind::text) {
      out.back().text += text;
    } else {
      out.push_back({node::kind::text, text, {}, {}});
    }
  }

  // Reads until one of `stops` (left in place) or the end of the source.
  bool parse_sequence(node_list &out, const char *stops) {
    while (pos_ < source_.size()) {
      const char c = source_[pos_];
      if (std::string(stops).find(c) != std::string::npos) return true;
      switch (c) {
        case '%':
          if (!parse_field(out)) return false;
          break;
        case '\'':
          if (!parse_literal(out)) return false;
          break;
        case '[':
          if (!parse_section(out)) return false;
          break;
        case ']':
          return fail("']' without '['");
        case '$':
          if (!parse_call(out)) return false;
          break;
        default:
          add_text(out, std::string(1, c));
          ++pos_;
      }
    }
    return true;
  }

  bool parse_field(node_list &out) {
    const std::size_t end = source_.find('%', pos_ + 1);
    if (end == std::string::npos) return fail("'%' without its closing '%'");
    if (end == pos_ + 1) return fail("empty field name");
    out.push_back({node::kind::field, source_.substr(pos_ + 1, end - pos_ - 1), {}, {}});
    pos_ = end + 1;
    return true;
  }

  bool parse_literal(node_list &out) {
    if (source_.compare(pos_, 2, "''") == 0) {
      add_text(out, "'");
      pos_ += 2;
      return true;
    }
    const std::size_t end = source_.find('\'', pos_ + 1);
    if (end == std::string::npos) return fail("quote without its closing quote");
    add_text(out, source_.substr(pos_ + 1, end - pos_ - 1));
    pos_ = end + 1;
    return true;
  }

  bool parse_section(node_list &out) {
    const std::size_t start = pos_++;
    node section{node::kind::section, {}, {}, {}};
    if (!parse_sequence(section.children, "]")) return false;
    if (pos_ >= source_.size()) {
      pos_ = start;
      return fail("'[' without ']'");
    }
    ++pos_;
    out.push_back(std::move(section));
    return true;
  }

  bool parse_call(node_list &out) {
    const std::size_t start = pos_++;
    std::string name;
    while (pos_ < source_.size() &&
           (std::isalnum(static_cast<unsigned char>(source_[pos_])) || source_[pos_] == '_')) {
      name += static_cast<char>(std::tolower(static_cast<unsigned char>(source_[pos_++])));
    }
    if (name.empty()) return fail("'$' without a function name");
    if (pos_ >= source_.size() || source_[pos_] != '(') return fail("$" + name + " without '('");
    ++pos_;
    node call{node::kind::call, name, {}, {}};
    if (pos_ < source_.size() && source_[pos_] == ')') {
      ++pos_;
    } else {
      for (;;) {
        node_list arg;
        if (!parse_sequence(arg, ",)")) return false;
        if (pos_ >= source_.size()) {
          pos_ = start;
          return fail("$" + name + "( without ')'");
        }
        call.args.push_back(std::move(arg));
        if (source_[pos_++] == ')') break;
      }
    }
    std::string error;
    if (!check_call(name, call.args.size(), error)) {
      pos_ = start;
      return fail(error);
    }
    out.push_back(std::move(call));
    return true;
  }

  const std::string &source_;
  std::size_t pos_ = 0;
  std::string error_;
};

}  // namespace

std::unique_ptr<script> script::compile(const std::string &source, std::string *error) {
  node_list nodes;
  std::string message;
  if (!parser(source).parse(nodes, message)) {
    if (error) *error = message;
    return nullptr;
  }
  return std::make_unique<script>(std::move(nodes));
}

std::string script::format(const track_info &track) const { return evaluate(nodes_, track).text; }

value evaluate(const node_list &nodes, const track_info &track) {
  value result;
  for (const node &n : nodes) {
    value part;
    switch (n.what) {
      case node::kind::text:
        part = {n.text, false};
        break;
      case node::kind::field:
        part = field_value(track, n.text);
        break;
      case node::kind::section: {
        const value inner = evaluate(n.children, track);
        part = inner.present ? value{inner.text, true} : value{};
        break;
      }
      case node::kind::call:
        part = call_function(n, track);
        break;
    }
    result.text += part.text;
    result.present = result.present || part.present;
  }
  return result;
}

}  // namespace titleformat
