#pragma once

// Calls into the component that may end in one of the platform's C++ exceptions, made on behalf of
// programs built by GCC (the stand-in player, the test programs). Those can neither catch the
// platform's exceptions nor throw them, so this library, built in the platform's ABI, makes the
// call, plays the host's part in it (the configuration streams and abort flag) and reports.
//
// Each call answers true when the component returned normally. When an exception came out of it,
// the answer is false and `error` holds the exception's text, cut to error_size bytes with its
// terminator.

#include "boundary/boundary.h"

// Bytes the component wrote, owned by this library until abi_free_bytes.
struct abi_bytes {
  void *data;
  t_size size;
};

extern "C" {

// Hands `stored` to the component as its stored configuration (client slot 3). The stream's exact
// read and skip throw the host's own error on shortage.
bool __cdecl abi_set_config(foobar2000_client *client, const void *stored, t_size size, char *error,
                            t_size error_size);

// The component's whole configuration (client slot 2), with the host's abort flag set or not.
bool __cdecl abi_get_config(foobar2000_client *client, bool aborting, abi_bytes *saved, char *error,
                            t_size error_size);

void __cdecl abi_free_bytes(abi_bytes *bytes);

// The preferences page's help address (slot 9); *answer is the page's own result.
bool __cdecl abi_get_help_url(preferences_page *page, pfc::string_base *out, bool *answer, char *error,
                              t_size error_size);
}
