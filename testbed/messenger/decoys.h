#pragma once

#include <windows.h>

// --decoys N: windows of control classes that the component has no use for, inside the messenger's
// own forms, so that finding the messenger's windows has to pass over them as it would in a
// crowded real messenger. They come in group boxes of ten windows (the box and nine controls in
// it), the boxes taking turns between the main form and the status form; they are hidden and have
// no size, so the stand-in stays quick to draw and use by hand. Placed when the forms exist and
// before the dialog's controls, so that in the dialog the controls are met after the decoys.
// False when a window could not be made.
bool place_decoys(HINSTANCE instance, int count);
