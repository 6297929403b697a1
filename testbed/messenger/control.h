#pragma once

#include <windows.h>

#include <string>

#include "options.h"

// How tests and demos steer a running stand-in: registered messages and the user's commands (see
// user_command.h) to its status form, and a named event that ends a hang.
UINT quit_message();
UINT hang_message();
// wParam: the delay of the answers to another program's click on OK, or on the status spot.
UINT slow_apply_message();
UINT slow_open_message();
std::wstring resume_event_name(DWORD process_id);

// True for the messages above, which the message log leaves out: they are no part of what the
// messenger is tested for.
bool is_control_message(UINT message, LPARAM l_param);

// --name: a global atom of the name, kept as a property of the status form, by which --to finds
// this stand-in from another process.
void give_name(HWND status_form, const std::wstring &name);
void take_name_back(HWND status_form);

// Carries out --control against the running stand-in; returns the process exit code.
int run_control(const options &request);
