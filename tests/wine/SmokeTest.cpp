#include <windows.h>
#include <gtest/gtest.h>
TEST(Smoke, CodePage) { EXPECT_NE(GetACP(), 0u); }
