#include "windows_error.h"

#include <windows.h>

#include "system_error.h"

namespace {

struct known_error {
  DWORD code;
  const char *text;
};

// The system's own texts for these are terse ("Module not found.") and say nothing of the usual cause.
const known_error known_errors[] = {
    {ERROR_FILE_NOT_FOUND, "the file was not found"},
    {ERROR_PATH_NOT_FOUND, "the folder was not found"},
    {ERROR_ACCESS_DENIED, "access is denied"},
    {ERROR_MOD_NOT_FOUND, "the file or a DLL it needs was not found"},
    {ERROR_PROC_NOT_FOUND, "a DLL it needs lacks a function it imports"},
    {ERROR_BAD_EXE_FORMAT, "not a 32-bit Windows DLL"},
    {ERROR_DLL_INIT_FAILED, "its start-up code (DllMain) failed"},
};

}  // namespace

std::string windows_error_text(unsigned long code) {
  std::string text;
  for (const known_error &known : known_errors) {
    if (known.code == code) text = known.text;
  }
  if (text.empty()) text = system_error_text(code);
  return text + " (error " + std::to_string(code) + ")";
}
