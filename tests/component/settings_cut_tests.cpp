// A settings file cut short at any byte, as a crash or a full disk leaves it, handed to the shipped
// DLL as the player hands its stored configuration over.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "chain_bytes.h"
#include "abi_bridge.h"
#include "fake_host.h"
#include "component_loader.h"
#include "own_app_data.h"
#include "program_folder.h"

using namespace chain_bytes;

namespace {

struct stored_record {
  bytes key;
  bytes payload;
  std::size_t start;  // where the record starts in its chain
  std::size_t end;    // where it ends
};

std::vector<stored_record> records_of(const bytes &chain) {
  std::vector<stored_record> records;
  std::size_t at = 0;
  while (chain.size() - at >= 20) {
    const std::size_t size =
        chain[at + 16] | chain[at + 17] << 8 | chain[at + 18] << 16 | chain[at + 19] << 24;
    records.push_back(
        {bytes(chain.begin() + static_cast<long>(at), chain.begin() + static_cast<long>(at) + 16),
         bytes(chain.begin() + static_cast<long>(at) + 20, chain.begin() + static_cast<long>(at + 20 + size)),
         at, at + 20 + size});
    at += 20 + size;
  }
  return records;
}

// What the component holds after a load: its saved chain, record by record.
class fresh_component {
 public:
  fresh_component() : client_(component_.start(host_)) {}

  // False when the load ended in an error, which the player reports and survives.
  bool load(const bytes &stored) {
    char error[256];
    return abi_set_config(client_, stored.data(), static_cast<t_size>(stored.size()), error, sizeof error);
  }

  std::map<bytes, bytes> saved() {
    abi_bytes out = {};
    char error[256];
    EXPECT_TRUE(abi_get_config(client_, false, &out, error, sizeof error)) << error;
    const auto *data = static_cast<const std::uint8_t *>(out.data);
    std::map<bytes, bytes> payloads;
    for (const stored_record &record : records_of(bytes(data, data + out.size))) {
      payloads[record.key] = record.payload;
    }
    abi_free_bytes(&out);
    return payloads;
  }

 private:
  own_app_data app_data_;
  component_loader component_{component_beside_program().c_str()};
  fake_host host_;
  foobar2000_client *client_;
};

// Every setting away from its default, presets in Cyrillic and with emoji.
const bytes users_settings =
    cat({record(presets, list_payload({"\xD0\xA1\xD0\xB5\xD0\xB9\xD1\x87\xD0\xB0\xD1\x81: %title%",
                                       "\xF0\x9F\x8E\xB8 %artist% \xF0\x9F\x8E\xB6", "%album%"})),
         record(keep_top_text, {1}), record(keep_status_picture, {1}), record(music_status_only, {1}),
         record(top_text, text("\xD0\xA1\xD0\xBB\xD1\x83\xD1\x88\xD0\xB0\xD1\x8E \xF0\x9F\x8E\xA7:")),
         record(active_script, text("%artist% \xE2\x80\x94 %title%")), record(enabled, {0})});

// The presets whose entries lie wholly before the cut: a list keeps the entries it completed.
bytes presets_before(const stored_record &record, std::size_t cut) {
  const bytes &payload = record.payload;
  std::size_t at = 4;
  std::uint32_t complete = 0;
  bytes entries;
  while (at + 4 <= payload.size()) {
    const std::size_t length =
        payload[at] | payload[at + 1] << 8 | payload[at + 2] << 16 | payload[at + 3] << 24;
    if (record.start + 20 + at + 4 + length > cut) break;
    entries.insert(entries.end(), payload.begin() + static_cast<long>(at),
                   payload.begin() + static_cast<long>(at + 4 + length));
    ++complete;
    at += 4 + length;
  }
  return cat({u32(complete), entries});
}

}  // namespace

TEST(settings_file_cut_short, keeps_every_record_before_the_cut_and_defaults_after_it_at_every_byte) {
  const std::map<bytes, bytes> defaults = fresh_component().saved();
  const std::vector<stored_record> records = records_of(users_settings);
  ASSERT_EQ(records.size(), 7u);

  for (std::size_t cut = 0; cut <= users_settings.size(); ++cut) {
    fresh_component component;
    const bool whole_records_only = [&] {
      for (const stored_record &record : records) {
        // Ending inside a record's key is the normal end of a chain; anywhere else in it is damage.
        if (cut >= record.start + 16 && cut < record.end) return false;
      }
      return true;
    }();
    EXPECT_EQ(component.load(bytes(users_settings.begin(), users_settings.begin() + static_cast<long>(cut))),
              whole_records_only)
        << "cut at " << cut;

    const std::map<bytes, bytes> saved = component.saved();
    for (const stored_record &record : records) {
      bytes expected = defaults.at(record.key);
      if (record.end <= cut) {
        expected = record.payload;
      } else if (record.key == key_bytes(presets) && cut > record.start + 20) {
        expected = presets_before(record, cut);
      }
      EXPECT_EQ(saved.at(record.key), expected) << "record at " << record.start << ", cut at " << cut;
    }
  }
}
