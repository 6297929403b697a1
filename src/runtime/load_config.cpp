// The load configuration that lets the loader find the table of safe exception handlers, which
// lld-link builds with /safeseh under the names __safe_se_handler_table and __safe_se_handler_count.
// The platform's C runtime would supply this record; the fields up to the handler table are all the
// loader reads of it here. Declared with pointer fields, so that the linker fills in the addresses.
#include <windows.h>

#include <cstddef>

extern "C" const void *const __safe_se_handler_table[];
extern "C" const char __safe_se_handler_count;  // an absolute symbol: its address is the count

namespace {

struct load_configuration {
  DWORD size;
  DWORD not_used[15];  // time stamp through security cookie: zero means "the loader's defaults"
  const void *const *handler_table;
  const char *handler_count;
};

static_assert(sizeof(load_configuration) == sizeof(IMAGE_LOAD_CONFIG_DIRECTORY32), "same record");
static_assert(offsetof(load_configuration, handler_table) ==
                  offsetof(IMAGE_LOAD_CONFIG_DIRECTORY32, SEHandlerTable),
              "same place");
static_assert(offsetof(load_configuration, handler_count) ==
                  offsetof(IMAGE_LOAD_CONFIG_DIRECTORY32, SEHandlerCount),
              "same place");

}  // namespace

extern "C" const load_configuration _load_config_used = {
    sizeof(load_configuration), {}, __safe_se_handler_table, &__safe_se_handler_count};
