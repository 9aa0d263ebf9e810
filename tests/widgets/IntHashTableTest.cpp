#include "widgets/IntHashTable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

using ::testing::ElementsAre;

namespace {

std::vector<IntHashTable::Key> Keys(const IntHashTable& table) {
  std::vector<IntHashTable::Key> keys;
  table.GetKeys(keys);
  return keys;
}

TEST(IntHashTable, FreshTableIsEmptyUntilTheFirstAddGivesItTheDefaultCapacity) {
  IntHashTable table;
  EXPECT_EQ(table.GetCapacity(), 0);
  EXPECT_EQ(table.Get(42), 0);
  EXPECT_FALSE(table.Remove(42));
  EXPECT_FALSE(table.IsValueZero(42));

  // Key 0 is refused, but the table has its slots by then.
  EXPECT_FALSE(table.Add(0, 1, 2));
  EXPECT_EQ(table.GetCapacity(), 997);
  EXPECT_EQ(table.GetCount(), 0);

  EXPECT_TRUE(table.Add(42, 7, 8));
  IntHashTable::Value second = 0;
  EXPECT_EQ(table.Get(42, &second), 7);
  EXPECT_EQ(second, 8);
  EXPECT_EQ(table.GetCount(), 1);
}

// Slot order shows where each key landed: keys are listed by slot.
TEST(IntHashTable, ProbeStepsTwoSlotsAndNegativeKeysHomeByMagnitude) {
  IntHashTable table;
  ASSERT_TRUE(table.Add(5, 50));
  ASSERT_TRUE(table.Add(1002, 1002));  // home 5 is taken: lands on 7, not 6
  ASSERT_TRUE(table.Add(6, 60));       // so 6 still finds its own home
  EXPECT_THAT(Keys(table), ElementsAre(5, 6, 1002));

  IntHashTable negative;
  ASSERT_TRUE(negative.Add(-5, 1));
  ASSERT_TRUE(negative.Add(5, 2));
  ASSERT_TRUE(negative.Add(6, 3));
  EXPECT_THAT(Keys(negative), ElementsAre(-5, 6, 5));
  EXPECT_EQ(negative.Get(-5), 1);
  EXPECT_EQ(negative.Get(5), 2);

  // The most negative key has no 32-bit magnitude; it still gets a home and comes back.
  constexpr auto lowest = std::numeric_limits<std::int32_t>::min();
  ASSERT_TRUE(negative.Add(lowest, 9));
  EXPECT_EQ(negative.Get(lowest), 9);
}

TEST(IntHashTable, ProbeWrapsAroundAndGrowsWhenTheCycleIsFull) {
  IntHashTable table;
  ASSERT_EQ(table.Init(5), 5);
  // All share home 3; the probe visits 3, 0, 2, 4, 1.
  for (int key : {3, 8, 13, 18, 23}) ASSERT_TRUE(table.Add(key, key * 10));
  EXPECT_THAT(Keys(table), ElementsAre(8, 23, 13, 3, 18));
  EXPECT_EQ(table.GetCapacity(), 5);

  ASSERT_TRUE(table.Add(28, 280));
  EXPECT_EQ(table.GetCapacity(), 43);  // NextSize(10)
  EXPECT_EQ(table.GetCount(), 6);
  for (int key : {3, 8, 13, 18, 23, 28}) EXPECT_EQ(table.Get(key), key * 10) << key;
}

TEST(IntHashTable, FullDefaultTableGrowsTo2021AndKeepsEveryEntry) {
  IntHashTable table;
  for (int key = 1; key <= 997; ++key) ASSERT_TRUE(table.Add(key, key + 1));
  EXPECT_EQ(table.GetCapacity(), 997);

  ASSERT_TRUE(table.Add(998, 999));
  EXPECT_EQ(table.GetCapacity(), 2021);
  EXPECT_EQ(table.GetCount(), 998);
  for (int key = 1; key <= 998; ++key) ASSERT_EQ(table.Get(key), key + 1) << key;
}

TEST(IntHashTable, NextSizeIsTheFirstEulerNumberAboveTheArgument) {
  struct Case {
    std::int64_t argument, expected;
  };
  for (Case c : {Case{-7, 43}, Case{0, 43}, Case{42, 43}, Case{43, 47}, Case{47, 53},
                 Case{90, 97}, Case{1994, 2021}, Case{2021, 2111}}) {
    EXPECT_EQ(IntHashTable::NextSize(c.argument), c.expected) << c.argument;
  }
}

TEST(IntHashTable, DuplicateKeysAreStoredTwiceAndFoundInAddingOrder) {
  IntHashTable table;
  ASSERT_TRUE(table.Add(77, 1, 10));
  ASSERT_TRUE(table.Add(77, 2, 20));
  EXPECT_EQ(table.GetCount(), 2);
  EXPECT_EQ(table.Get(77), 1);

  ASSERT_TRUE(table.Remove(77));
  IntHashTable::Value second = 0;
  EXPECT_EQ(table.Get(77, &second), 2);
  EXPECT_EQ(second, 20);
  ASSERT_TRUE(table.Remove(77));
  EXPECT_FALSE(table.Remove(77));
  EXPECT_EQ(table.GetCount(), 0);
}

// Removing a key must not hide the keys that probed past its slot.
TEST(IntHashTable, KeysBehindARemovedHomeSlotStayReachable) {
  IntHashTable table;
  ASSERT_TRUE(table.Add(5, 50));
  ASSERT_TRUE(table.Add(1002, 1002));
  ASSERT_TRUE(table.Remove(5));
  EXPECT_EQ(table.Get(1002), 1002);
  EXPECT_EQ(table.Get(5), 0);

  // The freed home slot is taken again by the next key that wants it.
  ASSERT_TRUE(table.Add(1999, 1999));
  EXPECT_THAT(Keys(table), ElementsAre(1999, 1002));
}

TEST(IntHashTable, ValuesAndKeysComeOutInSlotOrder) {
  IntHashTable table;
  ASSERT_TRUE(table.Add(10, 100, 1000));
  ASSERT_TRUE(table.Add(3, 0, 30));
  std::vector<IntHashTable::Value> first{99}, second{99};
  EXPECT_EQ(table.GetValues(first, &second), 2);
  EXPECT_THAT(first, ElementsAre(0, 100));
  EXPECT_THAT(second, ElementsAre(30, 1000));
  EXPECT_EQ(table.GetValues(first), 2);

  EXPECT_TRUE(table.IsValueZero(3));
  EXPECT_FALSE(table.IsValueZero(10));
  EXPECT_FALSE(table.IsValueZero(4));
}

// Value 1 is where the window wrappers keep an object's address.
TEST(IntHashTable, ValuesHoldAPointer) {
  IntHashTable table;
  int object = 0;
  auto address = reinterpret_cast<IntHashTable::Value>(&object);
  ASSERT_TRUE(table.Add(123, address, std::numeric_limits<IntHashTable::Value>::min()));
  IntHashTable::Value second = 0;
  EXPECT_EQ(reinterpret_cast<int*>(table.Get(123, &second)), &object);
  EXPECT_EQ(second, std::numeric_limits<IntHashTable::Value>::min());
}

TEST(IntHashTable, InitResetClearAndCopy) {
  IntHashTable table;
  ASSERT_TRUE(table.Add(1, 1));
  ASSERT_TRUE(table.Add(2, 2));

  IntHashTable copy = table;
  table.Reset();
  EXPECT_EQ(table.GetCapacity(), 997);
  EXPECT_EQ(table.GetCount(), 0);
  EXPECT_EQ(table.Get(1), 0);
  EXPECT_EQ(copy.Get(2), 2);
  EXPECT_EQ(copy.GetCount(), 2);

  // A negative capacity is refused; a real one starts over with nothing in it.
  EXPECT_EQ(copy.Init(-1), 997);
  EXPECT_EQ(copy.Get(1), 1);
  EXPECT_EQ(copy.Init(), 997);
  EXPECT_EQ(copy.Init(101), 101);
  EXPECT_EQ(copy.GetCount(), 0);
  EXPECT_EQ(copy.Get(1), 0);

  copy.Clear();
  EXPECT_EQ(copy.GetCapacity(), 0);
  EXPECT_EQ(copy.GetCount(), 0);
  EXPECT_EQ(copy.Init(0), 0);
  EXPECT_TRUE(copy.Add(1, 1));  // a capacity of 0 is filled in by the next add
  EXPECT_EQ(copy.GetCapacity(), 997);
}

}  // namespace
