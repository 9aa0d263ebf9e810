#include "GdiplusSession.h"

#include "Flat.h"

namespace {
GdiplusToken sessionToken = 0;
}  // namespace

GdiplusToken StartGdiplus(std::optional<std::int32_t> version) {
  Gdiplus::GdiplusStartupInput input;
  input.GdiplusVersion = static_cast<UINT32>(version.value_or(1));
  input.DebugEventCallback = nullptr;
  input.SuppressBackgroundThread = FALSE;
  input.SuppressExternalCodecs = FALSE;
  ULONG_PTR token = 0;
  GDIP(GdiplusStartup)(&token, &input, nullptr);
  sessionToken = token;
  return sessionToken;
}

void ShutdownGdiplus(std::optional<GdiplusToken> token) {
  GdiplusToken target = 0;
  if (token) {
    target = *token;
  } else {
    target = sessionToken;
    sessionToken = 0;
  }
  if (target != 0) GDIP(GdiplusShutdown)(static_cast<ULONG_PTR>(target));
}

GdiplusToken GdiplusSessionToken() { return sessionToken; }
