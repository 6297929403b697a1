#pragma once

// The host's "out" rule for handing an object to the one who asked: the new reference is taken
// first, then the object the slot held is let go, so that handing out the same object again never
// lets it go to zero in between.
template <typename T>
void hand_out(T **out, T *object) {
  object->service_add_ref();
  if (*out != nullptr) (*out)->service_release();
  *out = object;
}
