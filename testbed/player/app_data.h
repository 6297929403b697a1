#pragma once

#include <string>

// A component finds the user's application data folder, where it keeps files of its own, through the
// APPDATA environment variable. Wine takes APPDATA from its registry, whatever the shell that started
// it says, so the player sets it in its own process before the component loads: each profile has a
// folder of its own, and tests, demos and sessions by hand never share those files.

// Makes the folder when missing and points APPDATA at its full path. Throws std::runtime_error when
// the folder cannot be made.
void use_app_data_folder(const std::wstring &folder);

// APPDATA as the process sees it now; empty when it is not set.
std::wstring app_data_folder();
