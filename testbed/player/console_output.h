#pragma once

#include <string>

// Everything the player prints goes through here, so that a terminal and a program reading the
// output both get whole lines of readable text. A console is given UTF-16 through its own call,
// each line ended as a console ends it: the C runtime would pass the UTF-8 bytes through the
// console's code page one by one (Cyrillic comes out as box-drawing signs), and a bare "\n" leaves
// the console's cursor where the next line then overwrites the last. A pipe or a file gets the UTF-8
// bytes as they are, lines ending in "\n", for the tests and scripts that read them.
void print_text(const std::string &utf8);
void print_error_text(const std::string &utf8);
// printf's formats, printed as print_text prints.
void say(const char *format, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 1, 2)));

// True when the commands come from the console the output goes to: the console shows what is
// typed there itself. Otherwise (a pipe, a script file, output through `tee`) the player shows each
// command it takes, so that the output reads as the session it was.
bool console_shows_typing();
