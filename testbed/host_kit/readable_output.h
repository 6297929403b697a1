#pragma once

#include <windows.h>

#include <string>

// Writes UTF-8 text to a standard handle so that it reads as text wherever it goes. A console is
// given UTF-16 through its own call, each line ended as a console ends it: the C runtime would pass
// the UTF-8 bytes through the console's code page one by one (Cyrillic comes out as box-drawing
// signs), and a bare "\n" leaves the cursor where the next line then overwrites the last. A pipe or
// a file gets the UTF-8 bytes as they are, for the tests and scripts that read them. False when
// nothing could be written.
bool write_readably(HANDLE handle, const std::string &utf8);

// Whether the handle is a console.
bool is_console(HANDLE handle);
