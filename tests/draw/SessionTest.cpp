// GDI+ start and shutdown, and the token rules of the session.
#include <gtest/gtest.h>

#include "GdiplusSession.h"
#include "GfxPaths.h"

namespace {

TEST(GdiplusSession, StartsStopsAndKeepsItsToken) {
  EXPECT_EQ(GdiplusSessionToken(), 0u);

  const GdiplusToken token = StartGdiplus();
  ASSERT_NE(token, 0u);
  EXPECT_EQ(GdiplusSessionToken(), token);
  {
    GfxPath path;
    EXPECT_TRUE(path.Create());
  }

  // A second session given by its token: shutting it down leaves the stored one alone.
  const GdiplusToken first = token;
  const GdiplusToken second = StartGdiplus(2);  // version 2 passes through and is accepted
  ASSERT_NE(second, 0u);
  ShutdownGdiplus(first);
  EXPECT_EQ(GdiplusSessionToken(), second);

  // Without a token: the stored one is shut down and cleared, so a second call does nothing.
  ShutdownGdiplus();
  EXPECT_EQ(GdiplusSessionToken(), 0u);
  ShutdownGdiplus();
  EXPECT_EQ(GdiplusSessionToken(), 0u);
  ShutdownGdiplus(0);
}

TEST(GdiplusSession, AVersionGdiplusDoesNotKnowStartsNothing) {
  EXPECT_EQ(StartGdiplus(99), 0u);
  EXPECT_EQ(GdiplusSessionToken(), 0u);
}

}  // namespace
