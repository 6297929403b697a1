#pragma once

#include <string>

// player.exe [--profile DIR] [--app-data DIR] [--playlist FILE] [--script FILE] [--info] [--help]
//            [COMPONENT.dll]
struct options {
  std::wstring component;  // default: foo_tunesignal.dll beside player.exe
  std::wstring profile;    // default: the folder "profile" beside player.exe
  std::wstring app_data;   // the process's APPDATA (app_data.h); default: the folder AppData in the profile
  std::wstring playlist;   // the tracks to play (JSON); none: an empty playlist
  std::wstring script;     // commands from this file instead of standard input
  bool info = false;       // print what the component says about itself, then quit
  bool help = false;       // print the usage, then quit
};

// False, with a message, for an unknown option or a missing value.
bool parse_options(int argc, wchar_t **argv, options &out, std::string &error);

extern const char *const usage_text;
