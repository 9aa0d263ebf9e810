#pragma once
// DrawSpectrum's target on Windows: a picture-box window, drawn through a memory bitmap the
// size of its client area and copied onto it in one step.
#include <windows.h>

#include "SpectrumCanvas.h"

class GdiSpectrumCanvas final : public SpectrumCanvas {
 public:
  explicit GdiSpectrumCanvas(HWND target);
  ~GdiSpectrumCanvas() override;
  GdiSpectrumCanvas(const GdiSpectrumCanvas&) = delete;
  GdiSpectrumCanvas& operator=(const GdiSpectrumCanvas&) = delete;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Clear() override;
  void GradientRect(int x, int y, int width, int height, int top, int bottom) override;
  void FillRect(int x, int y, int width, int height, int colour) override;
  void Present() override;

 private:
  HWND target_;
  int width_ = 0;
  int height_ = 0;
  HDC memory_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};
