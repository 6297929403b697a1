#pragma once

#include <windows.h>

// Ends a stand-in messenger that a test or benchmark started: asked to quit through its status
// form, and ended by force when it has no form, does not answer or does not go within the limit.
// Closes the process's handles. Written without the C++ standard library, so that the
// platform-ABI programs use it too.
inline void end_messenger_process(PROCESS_INFORMATION &process, HWND status_form) {
  constexpr DWORD quit_limit_ms = 20000;
  if (process.hProcess == nullptr) return;
  const UINT quit = RegisterWindowMessageW(L"TunesignalMessengerQuit");
  DWORD_PTR answer = 0;
  if (status_form == nullptr ||
      SendMessageTimeoutW(status_form, quit, 0, 0, SMTO_ABORTIFHUNG, quit_limit_ms, &answer) == 0 ||
      WaitForSingleObject(process.hProcess, quit_limit_ms) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, quit_limit_ms);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  process = {};
}
