#include "options.h"

#include <windows.h>

#include "program_folder.h"
#include "text_conversion.h"

const char *const usage_text =
    "usage: player [--profile DIR] [--app-data DIR] [--playlist FILE] [--script FILE] [--info] [--help]\n"
    "              [COMPONENT.dll]\n"
    "\n"
    "Loads the component as the host player does, then takes commands, one per line, from standard\n"
    "input or from a script file until 'quit' or the end of the input. The command 'help' lists them.\n"
    "\n"
    "  COMPONENT.dll    the component to load (default: foo_tunesignal.dll beside player.exe)\n"
    "  --profile DIR    where the component's configuration is kept, as DIR\\<component>.cfg\n"
    "                   (default: the folder profile beside player.exe)\n"
    "  --app-data DIR   the application data folder (APPDATA) the component sees, made when missing\n"
    "                   (default: the folder AppData in the profile folder)\n"
    "  --playlist FILE  the tracks to play, JSON (see samples\\evening.json beside player.exe, and\n"
    "                   samples\\radio.json for a stream)\n"
    "  --script FILE    read the commands from FILE instead of standard input\n"
    "  --info           print what the component says about itself and its application data\n"
    "                   folder, and quit; saves nothing\n"
    "  --help           show this text\n";

bool parse_options(int argc, wchar_t **argv, options &out, std::string &error) {
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    const bool takes_value =
        arg == L"--profile" || arg == L"--app-data" || arg == L"--script" || arg == L"--playlist";
    if (takes_value && i + 1 >= argc) {
      error = utf8_from_wide(arg) + " needs a value";
      return false;
    }
    if (arg == L"--profile") {
      out.profile = argv[++i];
    } else if (arg == L"--app-data") {
      out.app_data = argv[++i];
    } else if (arg == L"--playlist") {
      out.playlist = argv[++i];
    } else if (arg == L"--script") {
      out.script = argv[++i];
    } else if (arg == L"--info") {
      out.info = true;
    } else if (arg == L"--help" || arg == L"-h" || arg == L"/?") {
      out.help = true;
    } else if (arg.rfind(L"--", 0) == 0 || !out.component.empty()) {
      error = "unexpected argument " + utf8_from_wide(arg);
      return false;
    } else {
      out.component = arg;
    }
  }
  if (out.component.empty()) out.component = component_beside_program();
  if (out.profile.empty()) out.profile = program_folder() + L"profile";
  if (out.app_data.empty()) out.app_data = out.profile + L"\\AppData";
  return true;
}
