#pragma once
// The one GDI+ session of the process. Started by the skin module before the first drawing
// object is made; shut down by the skin engine at the end.
#include <cstdint>
#include <optional>

// Token of the running session: 0 while GDI+ is not running. Pointer-sized, as GDI+ makes it.
using GdiplusToken = std::uintptr_t;

// Starts GDI+ (version 1 unless given), keeps the token as the session's and returns it; 0
// when start-up failed. The failure is not reported otherwise: every later wrapped call then
// fails with GDI+'s status.
GdiplusToken StartGdiplus(std::optional<std::int32_t> version = std::nullopt);
// Shuts down the session of the given token. Without a token, takes the stored one and
// clears it at once, so a second call does nothing. A zero token does nothing.
void ShutdownGdiplus(std::optional<GdiplusToken> token = std::nullopt);
// The stored token.
GdiplusToken GdiplusSessionToken();
