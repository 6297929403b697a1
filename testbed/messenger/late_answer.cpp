// A messenger on a slow network does at once what a click asks, and answers it late: a program
// that waits for the answer sees the effect long before its call returns.
#include "stand_in.h"

void answer_late(DWORD milliseconds) {
  // Whatever would have waited for the answer is done now: the dialog hidden, the windows painted.
  finish_closing();
  for (HWND form : {windows.main_form, windows.status_form}) {
    if (form != nullptr) RedrawWindow(form, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  // Sleeping handles no message, not even one sent: a probe meanwhile stays unanswered too.
  Sleep(milliseconds);
}
