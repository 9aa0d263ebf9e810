#include "IntHashTable.h"

#include <limits>
#include <new>

namespace {
constexpr std::size_t npos = static_cast<std::size_t>(-1);
}

std::size_t IntHashTable::Home(Key key, std::size_t capacity) {
  // Widened first: the magnitude of the most negative key does not fit in 32 bits.
  std::int64_t wide = key;
  std::uint64_t magnitude = static_cast<std::uint64_t>(wide < 0 ? -wide : wide);
  return static_cast<std::size_t>(magnitude % capacity);
}

std::size_t IntHashTable::FindFree(const std::vector<Slot>& slots, Key key) {
  std::size_t capacity = slots.size();
  std::size_t home = Home(key, capacity);
  std::size_t slot = home;
  do {
    if (slots[slot].key == 0) return slot;
    slot = Step(slot, capacity);
  } while (slot != home);
  return npos;
}

std::size_t IntHashTable::Find(Key key) const {
  if (slots_.empty() || key == 0) return npos;
  std::size_t capacity = slots_.size();
  std::size_t home = Home(key, capacity);
  // Without removals every key sits at or after its home along the probe, so a free home
  // slot settles the question at once.
  if (slots_[home].key == 0 && !holes_) return npos;
  std::size_t slot = home;
  do {
    if (slots_[slot].key == key) return slot;
    slot = Step(slot, capacity);
  } while (slot != home);
  return npos;
}

int IntHashTable::Init(std::optional<int> capacity) {
  int wanted = capacity.value_or(kDefaultCapacity);
  if (wanted < 0) return GetCapacity();
  slots_.assign(static_cast<std::size_t>(wanted), Slot{});
  // Every entry went with the old slots; a count that kept them would lie.
  count_ = 0;
  holes_ = false;
  return wanted;
}

void IntHashTable::Clear() {
  slots_.clear();
  slots_.shrink_to_fit();
  count_ = 0;
  holes_ = false;
}

std::int64_t IntHashTable::NextSize(std::int64_t a) {
  for (std::int64_t n = 1;; ++n) {
    std::int64_t size = n * n + n + 41;
    if (size > a) return size;
  }
}

bool IntHashTable::Add(Key key, Value value1, Value value2) {
  if (slots_.empty()) Init(kDefaultCapacity);
  if (key == 0) return false;
  for (;;) {
    std::size_t slot = FindFree(slots_, key);
    if (slot != npos) {
      slots_[slot] = Slot{key, value1, value2};
      ++count_;
      return true;
    }
    if (!Grow()) return false;
  }
}

bool IntHashTable::Grow() {
  std::int64_t capacity = NextSize(2 * static_cast<std::int64_t>(GetCapacity()));
  if (capacity > std::numeric_limits<int>::max()) return false;
  std::vector<Slot> grown;
  try {
    grown.assign(static_cast<std::size_t>(capacity), Slot{});
  } catch (const std::bad_alloc&) {
    return false;
  }
  for (const Slot& entry : slots_) {
    if (entry.key == 0) continue;
    std::size_t slot = FindFree(grown, entry.key);
    if (slot == npos) return false;
    grown[slot] = entry;
  }
  slots_ = std::move(grown);
  holes_ = false;
  return true;
}

IntHashTable::Value IntHashTable::Get(Key key, Value* value2) const {
  std::size_t slot = Find(key);
  if (slot == npos) return 0;
  if (value2) *value2 = slots_[slot].value2;
  return slots_[slot].value1;
}

bool IntHashTable::Remove(Key key) {
  std::size_t slot = Find(key);
  if (slot == npos) return false;
  slots_[slot] = Slot{};
  --count_;
  holes_ = true;
  return true;
}

void IntHashTable::Reset() {
  slots_.assign(slots_.size(), Slot{});
  count_ = 0;
  holes_ = false;
}

int IntHashTable::GetValues(std::vector<Value>& values1, std::vector<Value>* values2) const {
  values1.clear();
  if (values2) values2->clear();
  for (const Slot& entry : slots_) {
    if (entry.key == 0) continue;
    values1.push_back(entry.value1);
    if (values2) values2->push_back(entry.value2);
  }
  return static_cast<int>(values1.size());
}

int IntHashTable::GetKeys(std::vector<Key>& keys) const {
  keys.clear();
  for (const Slot& entry : slots_) {
    if (entry.key != 0) keys.push_back(entry.key);
  }
  return static_cast<int>(keys.size());
}

bool IntHashTable::IsValueZero(Key key) const {
  std::size_t slot = Find(key);
  return slot != npos && slots_[slot].value1 == 0;
}
