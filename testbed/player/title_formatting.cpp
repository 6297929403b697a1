#include "title_formatting.h"

#include "console_output.h"

bool player_titleformat_compiler::compile(titleformat_object **out, const char *script) {
  std::string error;
  std::unique_ptr<titleformat::script> compiled = titleformat::script::compile(script, &error);
  if (!compiled) {
    say("player: the script \"%s\" does not compile: %s\n", script, error.c_str());
    return false;
  }
  if (*out != nullptr) (*out)->service_release();
  *out = new compiled_script(std::move(compiled));
  return true;
}
