#include "string8.h"

#include <cstring>

namespace pfc {

t_size bounded_length(const char *text, t_size limit) {
  if (text == nullptr) return 0;
  if (limit == infinite_size) return static_cast<t_size>(std::strlen(text));
  // Reads no further than the terminator: the text may end well before the limit.
  const void *terminator = std::memchr(text, 0, limit);
  return terminator != nullptr ? static_cast<t_size>(static_cast<const char *>(terminator) - text) : limit;
}

}  // namespace pfc
