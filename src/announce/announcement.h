#pragma once

#include "boundary/boundary.h"

// Makes the playing track's two texts from the user's scripts and asks the status keeper to show
// them. Takes the track by value (the reference is released here); an empty handle is reported.
void announce_track(track *by_value);
