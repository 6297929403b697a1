#pragma once

#include <memory>
#include <string>
#include <vector>

#include "track_info.h"

// The stand-in player's title formatting: a documented subset of the player's script language.
//
//   %field%        a tag (artist, album, title, date, genre, ...) or one of the computed fields
//                  %tracknumber% (two digits), %length% (m:ss, h:mm:ss past an hour),
//                  %filename% / %_filename% (file name without folder and extension), %path%
//   [ ... ]        optional section: shown only when a field inside it is present
//   'text'         literal text; '' is a quote
//   $function(a,b) $if $if2 $if3 $and $or $not $upper $lower $caps $left $right $len $pad $num $trim
//
// An unknown function, a wrong argument count or an unbalanced %, ', [ or ( fails compilation.
namespace titleformat {

struct node;
using node_list = std::vector<node>;

struct node {
  enum class kind { text, field, section, call } what;
  std::string text;             // literal text, field name or function name
  node_list children;           // section contents
  std::vector<node_list> args;  // function arguments
};

class script {
 public:
  // Null and a message when the script does not compile.
  static std::unique_ptr<script> compile(const std::string &source, std::string *error = nullptr);

  std::string format(const track_info &track) const;

  explicit script(node_list nodes) : nodes_(std::move(nodes)) {}

 private:
  node_list nodes_;
};

value evaluate(const node_list &nodes, const track_info &track);

}  // namespace titleformat
