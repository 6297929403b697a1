#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "support/bit_array.h"
#include "support/list.h"

using pfc::string8;
using string_list = pfc::list_t<string8>;

namespace {

class selected_positions : public bit_array {
 public:
  explicit selected_positions(std::vector<t_size> positions) : positions_(std::move(positions)) {}
  bool get(t_size index) const override {
    for (t_size p : positions_) {
      if (p == index) return true;
    }
    return false;
  }

 private:
  std::vector<t_size> positions_;
};

std::vector<std::string> items(const string_list &list) {
  std::vector<std::string> out;
  for (t_size i = 0; i < list.count(); ++i) out.push_back(list.get_item(i).text());
  return out;
}

void fill(string_list &list, std::initializer_list<const char *> texts) {
  for (const char *t : texts) list.add(string8(t));
}

}  // namespace

TEST(StringList, FirstAddTakesIndexZeroAndRoomForOne) {
  string_list list;
  EXPECT_EQ(list.count(), 0u);
  EXPECT_EQ(list.allocated(), 0u);
  EXPECT_EQ(list.add(string8("%artist% - %title%")), 0u);
  EXPECT_EQ(list.count(), 1u);
  EXPECT_EQ(list.allocated(), 1u);
}

TEST(StringList, GrowsByDoublingAndKeepsRoomForTwoWhenEmptied) {
  string_list list;
  fill(list, {"A", "B", "C", "D", "E"});
  EXPECT_EQ(list.allocated(), 8u);
  list.remove_all();
  EXPECT_EQ(list.count(), 0u);
  EXPECT_EQ(list.allocated(), 2u);
}

TEST(StringList, InsertShiftsLaterItemsAndClampsItsIndex) {
  string_list list;
  fill(list, {"A", "C"});
  EXPECT_EQ(list.insert_at(string8("B"), 1), 1u);
  EXPECT_EQ(list.insert_at(string8("Z"), 99), 3u);
  EXPECT_EQ(items(list), (std::vector<std::string>{"A", "B", "C", "Z"}));
}

TEST(StringList, AnItemAddedBySwapTakesTheEndWithoutACopyAndLeavesAnEmptyOne) {
  string_list list;
  list.add("first");
  string8 entry("second");
  const char *const text = entry.text();
  EXPECT_EQ(list.add_by_swap(entry), 1u);
  EXPECT_EQ(list[1].text(), text) << "the same buffer, not a copy";
  EXPECT_STREQ(entry.text(), "");
  EXPECT_EQ(list.count(), 2u);
}

TEST(StringList, ItemsHandedOutAreCopies) {
  string_list list;
  fill(list, {"stored"});
  string8 copy = list.get_item(0);
  copy.assign("changed");
  EXPECT_EQ(items(list), (std::vector<std::string>{"stored"}));
}

TEST(StringList, KeepSelectedKeepsOrderAndDropsTheRest) {
  string_list list;
  fill(list, {"A", "B", "C", "D", "E"});
  list.keep_selected(selected_positions({1, 3}));
  EXPECT_EQ(items(list), (std::vector<std::string>{"B", "D"}));
}

TEST(ItemArray, GrowthBeyondThirtyTwoBitsFailsAsOutOfMemoryAndKeepsTheItems) {
  // 2^29 items of 8 bytes need 2^32 bytes: the size arithmetic fails before any allocation.
  pfc::array_t<std::uint64_t> items;
  items.set_size(3);
  items[2] = 42;
  // Known only at run time, so that the compiler does not weigh the growth that never happens.
  volatile t_size too_many = 0x20000000u;
  EXPECT_THROW(items.set_size(too_many), std::bad_alloc);
  EXPECT_EQ(items.size(), 3u);
  EXPECT_EQ(items[2], 42u);

  const std::uint64_t more[] = {7, 8};
  items.append(more, 2);
  EXPECT_EQ(items.size(), 5u);
  EXPECT_EQ(items[4], 8u);
}

TEST(StringList, KeepingEverythingChangesNothing) {
  string_list list;
  fill(list, {"A", "B", "C"});
  const t_size room = list.allocated();
  list.keep_selected(bit_array_true());
  EXPECT_EQ(items(list), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(list.allocated(), room);
}

TEST(SelectionMasks, NegationOfAllSelectsNothing) {
  const bit_array_true all;
  const bit_array_not none(all);
  for (t_size i = 0; i < 8; ++i) EXPECT_FALSE(none.get(i));
  EXPECT_EQ(none.find(true, 2, 3), 5u);
  EXPECT_EQ(none.find(false, 2, 3), 2u);
  EXPECT_EQ(all.find(true, 4, 2), 4u);
  EXPECT_EQ(all.find(false, 4, 2), 6u);
}

TEST(SelectionMasks, DefaultFindScansForTheValue) {
  const selected_positions mask({2, 5});
  EXPECT_EQ(mask.find(true, 0, 10), 2u);
  EXPECT_EQ(mask.find(true, 3, 7), 5u);
  EXPECT_EQ(mask.find(true, 6, 4), 10u);
  EXPECT_EQ(mask.find(false, 2, 1), 3u);
}
