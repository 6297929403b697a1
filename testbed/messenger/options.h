#pragma once

#include <string>

// How the stand-in messenger was asked to behave, from its command line.
struct options {
  std::wstring top_text = L"At home";
  std::wstring bottom_text = L"Reading the news";
  int picture = 0;  // -1: nothing selected
  bool picture_box = true;
  int edit_count = 2;  // 1: the bottom edit only
  bool controls_at_start = false;
  bool main_window = true;
  int decoys = 0;  // windows of other classes inside the forms (decoys.h)
  std::wstring status_log;
  std::wstring message_log;
  std::wstring ready_event;
  std::wstring name;              // by which --control --to finds this one among several
  std::wstring wait_for_options;  // started ahead of need: the rest comes later (waiting_start.h)
  // A messenger on a slow network: another program's click on OK, or on the status spot, takes
  // effect at once, but its answer comes this many milliseconds late; 0: at once.
  unsigned slow_apply_ms = 0;
  unsigned slow_open_ms = 0;

  // --control: act on a running stand-in instead of being one.
  std::wstring control;
  std::wstring to;          // empty: the first stand-in found
  unsigned control_ms = 0;  // hang: 0 until resumed; slow-apply, slow-open: 0 at once
  // What type and set put into the dialog.
  int typed_picture = 0;
  std::wstring typed_top;
  std::wstring typed_bottom;

  bool help = false;
};

// Parses the arguments after the program name; on a mistake returns false and describes it.
bool parse_options(int argc, wchar_t **argv, options &result, std::wstring &error);

extern const wchar_t usage_text[];
