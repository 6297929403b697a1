#pragma once

// A base for objects that hold something for their lifetime (windows, a process, a loaded module,
// a heap block): they are never copied.
class no_copy {
 public:
  no_copy(const no_copy &) = delete;
  no_copy &operator=(const no_copy &) = delete;

 protected:
  no_copy() = default;
  ~no_copy() = default;
};
