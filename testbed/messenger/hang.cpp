#include "hang.h"

#include "control.h"

namespace {

HANDLE resume_event = nullptr;
bool hang_on = false;
ULONGLONG hang_end = 0;  // 0: until resumed

// Waits for the resume, the end of the time or a message sent to the stand-in; such a message is
// dispatched at once (its window procedure comes back here through leave_unanswered).
void wait_out() {
  while (hang_on) {
    DWORD wait = INFINITE;
    if (hang_end != 0) {
      const ULONGLONG now = GetTickCount64();
      if (now >= hang_end) break;
      wait = static_cast<DWORD>(hang_end - now);
    }
    const DWORD woke =
        MsgWaitForMultipleObjectsEx(1, &resume_event, wait, QS_SENDMESSAGE, MWMO_INPUTAVAILABLE);
    if (woke != WAIT_OBJECT_0 + 1) break;
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  hang_on = false;
}

}  // namespace

void create_resume_event() {
  resume_event = CreateEventW(nullptr, FALSE, FALSE, resume_event_name(GetCurrentProcessId()).c_str());
}

void hang(DWORD milliseconds) {
  // A resume that came while nothing hung (a readiness probe, say) must not end this hang at once,
  // but one sent as soon as the request is answered must: the event is cleared before the answer.
  ResetEvent(resume_event);
  hang_on = true;
  hang_end = milliseconds != 0 ? GetTickCount64() + milliseconds : 0;
  ReplyMessage(0);
  wait_out();
}

bool hanging() { return hang_on; }

bool leave_unanswered() {
  // The wait above may wake for a message and hand over one sent after the resume: such a message
  // came to a messenger that answers again.
  if (WaitForSingleObject(resume_event, 0) == WAIT_OBJECT_0) {
    hang_on = false;
    return false;
  }
  wait_out();
  return true;
}
