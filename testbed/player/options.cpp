#include "options.h"

#include <windows.h>

#include "program_folder.h"
#include "text_conversion.h"

const char *const usage_text =
    "usage: player [--profile DIR] [--playlist FILE] [--script FILE] [--info] [COMPONENT.dll]\n"
    "  Loads the component as the host does, keeps its configuration in DIR, plays the tracks of\n"
    "  the playlist FILE (JSON) and reads commands from FILE or standard input ('help' lists them).\n";

bool parse_options(int argc, wchar_t **argv, options &out, std::string &error) {
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    const bool takes_value = arg == L"--profile" || arg == L"--script" || arg == L"--playlist";
    if (takes_value && i + 1 >= argc) {
      error = utf8_from_wide(arg) + " needs a value";
      return false;
    }
    if (arg == L"--profile") {
      out.profile = argv[++i];
    } else if (arg == L"--playlist") {
      out.playlist = argv[++i];
    } else if (arg == L"--script") {
      out.script = argv[++i];
    } else if (arg == L"--info") {
      out.info = true;
    } else if (arg.rfind(L"--", 0) == 0 || !out.component.empty()) {
      error = "unexpected argument " + utf8_from_wide(arg);
      return false;
    } else {
      out.component = arg;
    }
  }
  if (out.component.empty()) out.component = program_folder() + L"foo_tunesignal.dll";
  if (out.profile.empty()) out.profile = program_folder() + L"profile";
  return true;
}
