#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "announce/playback_events.h"
#include "fake_player.h"
#include "component/start_quit_hooks.h"
#include "component/menu_switch.h"
#include "component/service_impl.h"
#include "messenger_standin.h"
#include "own_app_data.h"
#include "status_dialog_sequences.h"

// The component's announcement linked into the test, with a player made of plain objects, against
// the stand-in messenger in a process of its own.

using fields = std::vector<std::string>;

// The messages the messenger received, leaving out the caption-length questions that discovery
// asks every panel.
messages received(const messenger_standin &messenger);

std::size_t count_of(const messages &seen, const window_message &expected);

class announcing : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  void start(fake_track &track);
  void stop();
  // Answers the test thread's messages meanwhile, so that the component's timers run.
  static void let_time_pass(DWORD milliseconds);
  play_callback &events() { return callbacks; }

  own_app_data app_data;
  bound_player player;
  service_impl_single_t<playback_events> callbacks;
  service_impl_single_t<menu_switch> menu;
  service_impl_single_t<start_quit_hooks> hooks;
  fake_track kino{"\xD0\x93\xD1\x80\xD1\x83\xD0\xBF\xD0\xBF\xD0\xB0", "\xD0\x9A\xD0\xB8\xD0\xBD\xD0\xBE"};
  fake_track sigur{"Svefn-g-englar", "Sigur R\xC3\xB3s"};
  const std::string kino_line =
      "\xD0\x9A\xD0\xB8\xD0\xBD\xD0\xBE - \xD0\x93\xD1\x80\xD1\x83\xD0\xBF\xD0\xBF\xD0\xB0";
  const std::string sigur_line = "Sigur R\xC3\xB3s - Svefn-g-englar";
};
