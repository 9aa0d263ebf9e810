#pragma once
#include <cstdint>
#include <optional>
#include <vector>

// Maps a non-zero 32-bit key (in practice a window handle) to two values, by open addressing in
// one array. The values are pointer-sized so that a wrapper object's address fits in value 1.
//
// Slot order and probe sequence are part of the contract (GetKeys and GetValues expose them):
// a key's home slot is |key| mod capacity, and the probe steps two slots at a time. The capacity
// is 0, 997 or of the form n*n + n + 41, hence odd, so the probe meets every slot before it
// comes back home. A key added twice is stored twice; lookups find the first along the probe.
class IntHashTable {
 public:
  using Key = std::int32_t;
  using Value = std::intptr_t;

  static constexpr int kDefaultCapacity = 997;

  IntHashTable() = default;
  // Copies carry their own entries; nothing is shared.
  IntHashTable(const IntHashTable&) = default;
  IntHashTable& operator=(const IntHashTable&) = default;

  // Replaces every slot with a free one at the given capacity. A negative capacity is refused
  // and leaves the table as it was. Returns the capacity in force afterwards.
  int Init(std::optional<int> capacity = std::nullopt);
  // Frees all slots: capacity 0, count 0.
  void Clear();
  // The smallest n*n + n + 41 (n = 1, 2, ...) greater than a.
  static std::int64_t NextSize(std::int64_t a);
  bool Add(Key key, Value value1, Value value2 = 0);
  // Rebuilds the table at NextSize(2 * capacity) slots; false leaves it untouched.
  bool Grow();
  // Value 1 of the key, or 0 when absent; *value2 receives value 2 when found.
  Value Get(Key key, Value* value2 = nullptr) const;
  bool Remove(Key key);
  // Frees every slot, keeping the capacity.
  void Reset();
  int GetCount() const { return count_; }
  int GetCapacity() const { return static_cast<int>(slots_.size()); }
  // Both return the number of used slots and fill the arrays in slot order.
  int GetValues(std::vector<Value>& values1, std::vector<Value>* values2 = nullptr) const;
  int GetKeys(std::vector<Key>& keys) const;
  // False when the key is absent; otherwise whether its value 1 is 0.
  bool IsValueZero(Key key) const;

 private:
  struct Slot {
    Key key = 0;  // 0 marks a free slot
    Value value1 = 0;
    Value value2 = 0;
  };

  static std::size_t Home(Key key, std::size_t capacity);
  static std::size_t Step(std::size_t slot, std::size_t capacity) { return (slot + 2) % capacity; }
  // Index of the first free slot along the key's probe, or npos when the cycle is full.
  static std::size_t FindFree(const std::vector<Slot>& slots, Key key);
  // Index of the first slot holding the key along its probe, or npos.
  std::size_t Find(Key key) const;

  std::vector<Slot> slots_;
  int count_ = 0;
  // A removal can free a home slot in front of keys that probed past it, so once something
  // has been removed a free home slot no longer proves the key absent.
  bool holes_ = false;
};
