#include "GdiSpectrumCanvas.h"

namespace {

TRIVERTEX Vertex(int x, int y, int colour) {
  TRIVERTEX v = {};
  v.x = x;
  v.y = y;
  v.Red = static_cast<COLOR16>(GetRValue(colour) << 8);
  v.Green = static_cast<COLOR16>(GetGValue(colour) << 8);
  v.Blue = static_cast<COLOR16>(GetBValue(colour) << 8);
  return v;
}

}  // namespace

GdiSpectrumCanvas::GdiSpectrumCanvas(HWND target) : target_(target) {
  RECT client = {};
  GetClientRect(target_, &client);
  width_ = client.right - client.left;
  height_ = client.bottom - client.top;
  HDC screen = GetDC(target_);
  memory_ = CreateCompatibleDC(screen);
  bitmap_ = CreateCompatibleBitmap(screen, width_ > 0 ? width_ : 1, height_ > 0 ? height_ : 1);
  ReleaseDC(target_, screen);
  previous_ = SelectObject(memory_, bitmap_);
}

GdiSpectrumCanvas::~GdiSpectrumCanvas() {
  SelectObject(memory_, previous_);
  DeleteObject(bitmap_);
  DeleteDC(memory_);
}

void GdiSpectrumCanvas::Clear() {
  RECT all = {0, 0, width_, height_};
  ::FillRect(memory_, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void GdiSpectrumCanvas::GradientRect(int x, int y, int width, int height, int top, int bottom) {
  TRIVERTEX corners[2] = {Vertex(x, y, top), Vertex(x + width, y + height, bottom)};
  GRADIENT_RECT rect = {0, 1};
  GradientFill(memory_, corners, 2, &rect, 1, GRADIENT_FILL_RECT_V);
}

void GdiSpectrumCanvas::FillRect(int x, int y, int width, int height, int colour) {
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(colour));
  RECT rect = {x, y, x + width, y + height};
  ::FillRect(memory_, &rect, brush);
  DeleteObject(brush);
}

void GdiSpectrumCanvas::Present() {
  HDC screen = GetDC(target_);
  BitBlt(screen, 0, 0, width_, height_, memory_, 0, 0, SRCCOPY);
  ReleaseDC(target_, screen);
}
