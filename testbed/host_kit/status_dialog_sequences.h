#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "message_sequence.h"

// The message sequences the component sends the messenger, under the windows' roles as the
// stand-in messenger names them. Fields that mean nothing to a test (a text's address in another
// process, a buffer's size) are left open.

using messages = std::vector<window_message>;

// The probe with which a search for the messenger's windows starts: a messenger that hangs costs no
// full wait there.
extern const messages probe;

// The clicks that open the status dialog from the main window's panel, at `point` there (its
// lParam, which depends on where the window is), then the close that hides the dialog again.
messages opening(std::optional<std::uint32_t> point = any);

// The reading of the dialog, without the text-length questions before each text.
extern const messages reading;

// The publishing of one status: the picture, the bottom then the top text, and the apply click.
messages publishing(std::uint32_t picture, std::uint32_t picture_l_param, const std::string &bottom,
                    const std::string &top);

messages joined(std::initializer_list<messages> parts);
