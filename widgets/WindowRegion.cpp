#include "WindowRegion.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "OwnedHandles.h"

namespace {

// Reads the bitmap as top-down 32-bit pixels (0x00RRGGBB).
bool ReadPixels(HBITMAP bitmap, int& width, int& height, std::vector<std::uint32_t>& pixels) {
  BITMAP info{};
  if (!::GetObjectW(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight == 0) {
    return false;
  }
  width = info.bmWidth;
  height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  pixels.assign(static_cast<std::size_t>(width) * height, 0);
  WindowDc screen(nullptr);
  return ::GetDIBits(screen.Get(), bitmap, 0, height, pixels.data(), &format, DIB_RGB_COLORS) == height;
}

}  // namespace

HRGN RegionFromBitmap(HBITMAP bitmap, COLORREF keyColor) {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  if (!bitmap || !ReadPixels(bitmap, width, height, pixels)) return nullptr;
  // COLORREF is 0x00BBGGRR, the pixels 0x00RRGGBB.
  const std::uint32_t key = (GetRValue(keyColor) << 16) | (GetGValue(keyColor) << 8) | GetBValue(keyColor);

  // One rectangle per run of opaque pixels in a row.
  std::vector<RECT> runs;
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* row = &pixels[static_cast<std::size_t>(y) * width];
    for (int x = 0; x < width;) {
      while (x < width && (row[x] & 0xFFFFFF) == key) ++x;
      const int start = x;
      while (x < width && (row[x] & 0xFFFFFF) != key) ++x;
      if (x > start) runs.push_back(RECT{start, y, x, y + 1});
    }
  }

  std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(runs.size());
  header->nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
  header->rcBound = RECT{0, 0, width, height};
  if (!runs.empty()) {
    std::copy(runs.begin(), runs.end(), reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER)));
  }
  return ::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                        reinterpret_cast<const RGNDATA*>(data.data()));
}
