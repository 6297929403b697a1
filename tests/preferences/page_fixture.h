#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_player.h"
#include "page_driver.h"
#include "text_conversion.h"

// Each test starts from the settings of a fresh installation, with the fake player bound.
class page_test : public ::testing::Test {
 protected:
  page_test();
  ~page_test() override;

  bound_player player;
};

// cfg_presets as UTF-16, in order.
std::vector<std::wstring> stored_presets();
void store(const std::vector<std::wstring> &presets);
// cfg_presets as stored, byte for byte.
std::vector<std::string> stored_bytes();

// The three default presets, in order.
std::vector<std::wstring> defaults();
