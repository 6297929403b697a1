#pragma once

// The status of their own that the stand-in messenger's user has set, in the tests that start the
// messenger with one: picture 3, "At work", "In a meeting". Written without the C++ standard
// library, so that the platform-ABI host uses it too; messenger_standin.h gives it as status_log()
// lines.

// The messenger's options that start it showing the status.
constexpr wchar_t users_own_status_options[] = L"--picture 3 --top \"At work\" --bottom \"In a meeting\"";
// The status as the messenger's status log writes it.
constexpr char users_own_status_line[] = "3\tAt work\tIn a meeting\n";
