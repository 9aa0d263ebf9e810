#include "ControlWindows.h"

#include "IntHashTable.h"

namespace {

constexpr int kFirstControlId = 500;

HINSTANCE moduleInstance = nullptr;
int nextControlId = kFirstControlId;

}  // namespace

void StartControlWindows(IntHashTable& spareTable) {
  if (!moduleInstance) moduleInstance = ::GetModuleHandleW(nullptr);
  nextControlId = kFirstControlId;
  spareTable.Init(IntHashTable::kDefaultCapacity);
}

HINSTANCE ControlModuleInstance() {
  // Controls made before the module start still get a valid instance.
  if (!moduleInstance) moduleInstance = ::GetModuleHandleW(nullptr);
  return moduleInstance;
}

int TakeControlId() { return ++nextControlId; }

IntHashTable& WindowObjectTable() {
  // Built on first use, which every ControlWindow constructor forces, so the table outlives
  // every wrapper object, global ones included, and their teardown can still unregister.
  static IntHashTable table;
  return table;
}
