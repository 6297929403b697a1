#pragma once

// Calls slot `slot` of an object's first table directly, by number, bypassing the declarations:
// the numbers are the binary contract, the declarations only have to agree with them.
template <typename R, typename... Args>
R call_slot(void *object, int slot, Args... args) {
  using function = R(__thiscall *)(void *, Args...);
  void **table = *static_cast<void ***>(object);
  return reinterpret_cast<function>(table[slot])(object, args...);
}
