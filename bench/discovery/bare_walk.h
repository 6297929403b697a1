#pragma once

#include "messenger/messenger_windows.h"

// What discovery finds, found with nothing but the window system's walks: EnumWindows over the
// top-level windows and EnumChildWindows over each form's children, comparing GetClassNameA's names
// byte for byte, and asking the status form's panels for their caption length once.
messenger_window_table bare_walk();
