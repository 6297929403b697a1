#pragma once

#include <string>
#include <vector>

// One line of a log: the fields as UTF-8, with tab, line end and backslash escaped, joined by tabs.
std::string log_line(const std::vector<std::wstring> &fields);

// Appends a line to a file, closing it again so that readers always see whole lines.
void append_line(const std::wstring &path, const std::string &line);

// ERROR_SUCCESS when lines can be appended to the file (which is created when it is missing), else
// the system's error code.
unsigned long append_failure(const std::wstring &path);
