#include "abi_bridge.h"

#include <cstdlib>
#include <exception>

#include "host_streams.h"

namespace {

void copy_text(const char *text, char *error, t_size error_size) {
  if (error_size == 0) return;
  t_size i = 0;
  for (; text[i] != 0 && i + 1 < error_size; ++i) error[i] = text[i];
  error[i] = 0;
}

// Makes one call into the component and turns an exception that comes out of it into an answer.
template <typename Call>
bool report(Call &&call, char *error, t_size error_size) {
  try {
    call();
    copy_text("", error, error_size);
    return true;
  } catch (const std::exception &failure) {
    copy_text(failure.what(), error, error_size);
  } catch (...) {
    copy_text("an exception that is not a std::exception", error, error_size);
  }
  return false;
}

}  // namespace

extern "C" bool __cdecl abi_set_config(foobar2000_client *client, const void *stored, t_size size,
                                       char *error, t_size error_size) {
  return report(
      [&] {
        stored_bytes_stream in(stored, size);
        abort_flag abort;
        client->set_config(&in, abort);
      },
      error, error_size);
}

extern "C" bool __cdecl abi_get_config(foobar2000_client *client, bool aborting, abi_bytes *saved,
                                       char *error, t_size error_size) {
  saved->data = nullptr;
  saved->size = 0;
  return report(
      [&] {
        collected_bytes_stream out;
        abort_flag abort(aborting);
        client->get_config(&out, abort);
        saved->data = out.release(saved->size);
      },
      error, error_size);
}

extern "C" void __cdecl abi_free_bytes(abi_bytes *bytes) {
  std::free(bytes->data);
  bytes->data = nullptr;
  bytes->size = 0;
}

extern "C" bool __cdecl abi_get_help_url(preferences_page *page, pfc::string_base *out, bool *answer,
                                         char *error, t_size error_size) {
  *answer = false;
  return report([&] { *answer = page->get_help_url(*out); }, error, error_size);
}
