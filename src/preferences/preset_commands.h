#pragma once

#include <windows.h>

// The page's commands on its preset list, which is the working copy of the presets until the page
// closes.

// Fills the list with the stored presets, or the defaults when none are stored.
void show_stored_presets(HWND list);

// Appends an empty entry and opens the editor on it: OK keeps it, anything else removes it.
void add_preset(HWND page, HWND list);

// Opens the editor on the selected entry: OK with a changed text puts it in the entry's place;
// anything else leaves the entry as it is, whatever its text.
void edit_selected_preset(HWND page, HWND list);

void delete_preset(HWND list);
void move_preset_up(HWND list);
void move_preset_down(HWND list);
void show_default_presets(HWND list);

// Stores the list if the user changed it: the entries the user did not edit keep their stored
// bytes. A list as it was loaded stores nothing.
void store_changed_presets(HWND list);
