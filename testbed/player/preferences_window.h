#pragma once

#include "service_registry.h"

// Opens the component's preferences page in a window of the player's own, as the player's
// preferences window hosts it: the page is created as a child and shown, with its name, GUIDs and
// help address above it. Returns when the window is closed, which destroys the page.
void show_preferences(service_registry &registry);
