#include "DrawTesting.h"

#include "GdiplusSession.h"

namespace {

// One GDI+ session around the whole test program, as the skin module keeps one around the
// board's run.
class GdiplusRunning : public testing::Environment {
 public:
  void SetUp() override { ASSERT_NE(StartGdiplus(), 0u); }
  void TearDown() override { ShutdownGdiplus(); }
};

[[maybe_unused]] testing::Environment* const session = testing::AddGlobalTestEnvironment(new GdiplusRunning);

}  // namespace
