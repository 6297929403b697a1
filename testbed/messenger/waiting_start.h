#pragma once

#include <string>
#include <vector>

// A stand-in started ahead of need (--wait-for-options NAME): the program that will drive it has
// made the event "TunesignalMessengerOptions.NAME" and the file mapping of the same name with
// ".text" added. Process start and the window system's set-up, most of a start under Wine, happen
// before the options are known. NAME begins with that program's process id and a dot.

// Waits for the event, then gives the rest of the command line, split into arguments. Gives false
// when the driving program ended first or handed over no options: the stand-in then ends.
bool wait_for_options(const std::wstring &name, std::vector<std::wstring> &arguments);

// Splits a command line as the C runtime does: spaces separate, quotes group, and backslashes
// escape a quote.
std::vector<std::wstring> split_command_line(const wchar_t *line);
