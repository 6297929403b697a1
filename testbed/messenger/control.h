#pragma once

#include <windows.h>

#include <string>

#include "options.h"

// How tests and demos steer a running stand-in: registered messages to its status form, and a named
// event that ends a hang.
UINT quit_message();
UINT hang_message();
std::wstring resume_event_name(DWORD process_id);

// Carries out --control against the running stand-in; returns the process exit code.
int run_control(const options &request);
