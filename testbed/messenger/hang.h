#pragma once

#include <windows.h>

// The stand-in's hang: it answers nothing until it is resumed or its time is up, as a messenger
// that is busy would. Unlike a frozen program it still takes each message sent to it meanwhile far
// enough to note it in the message log, then leaves it unanswered, so that a test sees every wait
// and every probe the component made; once the hang ends, those messages are handled after all
// (the latest first), as the system hands a busy program the messages it did not answer in time.

// The named event with which `--control resume` ends a hang; made at start, so that it also tells
// a stand-in from another program.
void create_resume_event();

// Answers the current message, the request to hang, and hangs from then on; `milliseconds` 0
// hangs until resumed.
void hang(DWORD milliseconds);

bool hanging();

// Called for each message sent from another program while hanging: it stays unanswered until the
// hang ends. False when the resume had come already: the hang is over, and the message is handled
// as any other.
bool leave_unanswered();
