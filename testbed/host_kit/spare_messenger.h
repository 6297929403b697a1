#pragma once

#include <windows.h>

#include "no_copy.h"

// Under Wine most of a messenger's start is the process and the window system coming up. So the
// next messenger is started as soon as one is taken, and waits, without windows, for the options
// (messenger.exe --wait-for-options): the tests' time goes on while it comes up. One that is never
// taken is told so when this program ends, and ends too.
class spare_messenger : private no_copy {
 public:
  ~spare_messenger() { let_go(); }

  // Hands the options to the waiting messenger, whose process becomes the caller's, who waits
  // until it is ready before starting the next. False when there is none.
  bool take(const wchar_t *options, PROCESS_INFORMATION &process);

  // Starts the next one from `folder`, unless one is waiting already.
  void start(const wchar_t *folder);

 private:
  // An empty text tells a waiting messenger that it is not needed.
  void let_go();
  void close_handles();

  PROCESS_INFORMATION process_ = {};
  HANDLE go_ = nullptr;
  HANDLE mapping_ = nullptr;
  wchar_t *text_ = nullptr;
};
