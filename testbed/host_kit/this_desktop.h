#pragma once

#include <windows.h>

// A program that a test or a host starts goes on the desktop the starting thread works on: the
// windows a test looks for, and those the component looks for in the programs it starts, are those
// of one desktop.
void start_on_this_desktop(STARTUPINFOW &startup);
