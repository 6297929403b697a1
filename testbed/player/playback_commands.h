#pragma once

#include "command_table.h"
#include "playback.h"
#include "service_registry.h"

// play N, next, pause, resume, stop, tag, list, status and menu: the transport, the playing
// track's tags and the main menu, as a person at the player would use them.
void add_playback_commands(command_table &commands, playback &transport, service_registry &registry);
