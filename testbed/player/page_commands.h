#pragma once

#include "command_table.h"
#include "preferences_window.h"

// prefs and its words: open and close the component's preferences page, show what it holds, and
// set its fields and press its buttons as a person would, with the window messages a mouse and a
// keyboard give the page's controls. Its preset editor is driven the same way: Add (or a double
// click on a preset), the script typed key by key, the preview read, OK.
void add_preferences_commands(command_table &commands, preferences_window &preferences);
