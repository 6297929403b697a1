#include "crowded_messenger.h"

#include "messenger_process.h"

namespace {

const wchar_t *stand_in_options(int decoys, wchar_t (&options)[64]) {
  wsprintfW(options, L"--controls-at-start --decoys %d", decoys);
  return options;
}

}  // namespace

struct crowded_messenger::stand_in {
  explicit stand_in(int decoys) : process(stand_in_options(decoys, options), false) {}

  wchar_t options[64];
  messenger_process process;
};

crowded_messenger::crowded_messenger(int decoys) : stand_in_(new stand_in(decoys)) {
  if (!stand_in_->process.running()) {
    failure_ = "the stand-in messenger did not start (messenger.exe must stand beside this program)";
    return;
  }
  process_ = stand_in_->process.process_id();
  layout_ = layout_of(stand_in_->process.status_form());
  if (layout_.main_descendants + layout_.status_descendants < decoys) {
    failure_ = "the decoys are not inside the messenger's forms";
  }
}

crowded_messenger::~crowded_messenger() { delete stand_in_; }
