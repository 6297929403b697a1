#pragma once

#include <windows.h>

#include <functional>

#include "command_table.h"

// Runs the lines of `input` (the console, a pipe or a script file) through `commands` until the
// input ends or a command stops the table. The lines are read on a thread of their own, so that the
// player's windows go on answering while it waits for the next one; each runs on the calling
// thread, which is the component's. `dialog_keys` sees each window message first and answers true
// when a dialog window took it as a key of its own. With `own_input`, the handle is closed once the
// input ends.
void run_commands(HANDLE input, bool own_input, command_table &commands,
                  const std::function<bool(MSG &)> &dialog_keys);

// Lets `milliseconds` pass while the player's windows and the component's timers are answered, as
// the player's message loop does between commands.
void answer_messages_for(DWORD milliseconds, const std::function<bool(MSG &)> &dialog_keys);
