#include "command_input.h"

#include <deque>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>

#include "console_output.h"
#include "text_conversion.h"

namespace {

// Lines handed from the reading thread to the player's thread.
class line_queue {
 public:
  line_queue() : arrived_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}
  ~line_queue() { CloseHandle(arrived_); }
  line_queue(const line_queue &) = delete;
  line_queue &operator=(const line_queue &) = delete;

  void push(std::string line) {
    {
      const std::lock_guard<std::mutex> hold(lock_);
      lines_.push_back(std::move(line));
    }
    SetEvent(arrived_);
  }

  void end() {
    {
      const std::lock_guard<std::mutex> hold(lock_);
      ended_ = true;
    }
    SetEvent(arrived_);
  }

  enum class taken { line, nothing_yet, ended };

  taken take(std::string &line) {
    const std::lock_guard<std::mutex> hold(lock_);
    if (lines_.empty()) return ended_ ? taken::ended : taken::nothing_yet;
    line = std::move(lines_.front());
    lines_.pop_front();
    return taken::line;
  }

  // Set whenever a line comes or the input ends.
  HANDLE arrived() const { return arrived_; }

 private:
  std::mutex lock_;
  std::deque<std::string> lines_;
  bool ended_ = false;
  HANDLE arrived_;
};

struct reader {
  std::shared_ptr<line_queue> queue;
  HANDLE input;
  bool own_input;
};

// True once a key that types something waits in the console's input; other input (a key let go,
// the mouse, the focus) is taken out of the way.
bool key_waits(HANDLE console) {
  INPUT_RECORD events[64];
  DWORD count = 0;
  if (!PeekConsoleInputW(console, events, 64, &count)) return false;
  for (DWORD i = 0; i < count; ++i) {
    const KEY_EVENT_RECORD &key = events[i].Event.KeyEvent;
    if (events[i].EventType == KEY_EVENT && key.bKeyDown && key.uChar.UnicodeChar != 0) return true;
  }
  DWORD taken = 0;
  ReadConsoleInputW(console, events, count, &taken);
  return false;
}

// The next piece of the input as UTF-8; false at its end. A console is read in UTF-16, whatever
// its code page, and only once a key waits: its line editing shows the keys where the read began,
// so the lines the player prints while a read waited would be typed over.
bool read_piece(HANDLE input, std::string &piece) {
  DWORD mode = 0;
  if (!GetConsoleMode(input, &mode)) {
    char bytes[4096];
    DWORD got = 0;
    if (!ReadFile(input, bytes, sizeof bytes, &got, nullptr) || got == 0) return false;
    piece.assign(bytes, got);
    return true;
  }
  do {
    if (WaitForSingleObject(input, INFINITE) != WAIT_OBJECT_0) return false;
  } while (!key_waits(input));
  wchar_t typed[1024];
  DWORD got = 0;
  // Ctrl+Z at the start of a line ends the input, as the C runtime takes it.
  if (!ReadConsoleW(input, typed, 1024, &got, nullptr) || got == 0 || typed[0] == L'\x1a') return false;
  piece = utf8_from_wide(std::wstring(typed, got));
  return true;
}

// The system's own reads, not the C runtime's: at quit this thread may still wait for a line, and
// a stream it held locked would stop the runtime's flush at exit.
DWORD WINAPI read_lines(void *parameter) {
  const std::unique_ptr<reader> from(static_cast<reader *>(parameter));
  std::string pending;
  for (std::string piece; read_piece(from->input, piece);) {
    pending += piece;
    for (std::size_t end = pending.find('\n'); end != std::string::npos; end = pending.find('\n')) {
      from->queue->push(pending.substr(0, end));
      pending.erase(0, end + 1);
    }
  }
  if (!pending.empty()) from->queue->push(pending);
  from->queue->end();
  if (from->own_input) CloseHandle(from->input);
  return 0;
}

void answer_waiting_messages(const std::function<bool(MSG &)> &dialog_keys) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT || dialog_keys(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Shown as it is taken, not as it is read: everything the command before it printed comes first.
void show_command(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.find_first_not_of(" \t") != std::string::npos) print_text("player> " + line + "\n");
}

}  // namespace

void answer_messages_for(DWORD milliseconds, const std::function<bool(MSG &)> &dialog_keys) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
    answer_waiting_messages(dialog_keys);
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(end - now), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
  answer_waiting_messages(dialog_keys);
}

void run_commands(HANDLE input, bool own_input, command_table &commands,
                  const std::function<bool(MSG &)> &dialog_keys) {
  const auto queue = std::make_shared<line_queue>();
  // The thread is left to run: after 'quit' it may wait for a line that never comes, and it ends
  // with the process.
  auto from = std::make_unique<reader>(reader{queue, input, own_input});
  const HANDLE thread = CreateThread(nullptr, 0, read_lines, from.get(), 0, nullptr);
  if (thread == nullptr) throw std::runtime_error("cannot start reading the commands");
  from.release();
  CloseHandle(thread);

  const HANDLE arrived = queue->arrived();
  const bool show_commands = !console_shows_typing();
  while (!commands.stopped()) {
    answer_waiting_messages(dialog_keys);
    std::string line;
    const line_queue::taken taken = queue->take(line);
    if (taken == line_queue::taken::ended) return;
    if (taken == line_queue::taken::line) {
      if (show_commands) show_command(line);
      commands.run_line(std::move(line));
    } else {
      MsgWaitForMultipleObjectsEx(1, &arrived, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
  }
}
