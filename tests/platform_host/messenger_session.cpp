#include "messenger_session.h"

#include "check.h"

messenger_session::messenger_session() : messenger(users_own_status_options), component(host.api) {
  check(messenger.running(), "the stand-in messenger starts");
}

void read_status_log(const messenger_process &messenger, host_text &log) {
  log.assign("", pfc::infinite_size);
  const HANDLE file =
      CreateFileW(messenger.status_log_path(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  char piece[256];
  DWORD got = 0;
  while (ReadFile(file, piece, sizeof piece, &got, nullptr) && got != 0) log.append(piece, got);
  CloseHandle(file);
}
