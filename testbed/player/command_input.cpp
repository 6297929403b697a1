#include "command_input.h"

#include <deque>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>

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

// The system's own reads, not the C runtime's: at quit this thread may still wait for a line, and
// a stream it held locked would stop the runtime's flush at exit.
DWORD WINAPI read_lines(void *parameter) {
  const std::unique_ptr<reader> from(static_cast<reader *>(parameter));
  std::string pending;
  char piece[4096];
  DWORD got = 0;
  while (ReadFile(from->input, piece, sizeof piece, &got, nullptr) && got != 0) {
    pending.append(piece, got);
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
  while (!commands.stopped()) {
    answer_waiting_messages(dialog_keys);
    std::string line;
    const line_queue::taken taken = queue->take(line);
    if (taken == line_queue::taken::ended) return;
    if (taken == line_queue::taken::line) {
      commands.run_line(std::move(line));
    } else {
      MsgWaitForMultipleObjectsEx(1, &arrived, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
  }
}
