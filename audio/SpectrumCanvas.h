#pragma once
// Where DrawSpectrum draws one frame: a back buffer the size of the target picture box that is
// copied onto the target in one step. Colours are 0x00BBGGRR.
class SpectrumCanvas {
 public:
  virtual ~SpectrumCanvas() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void Clear() = 0;
  // A rectangle shading from `top` at its top edge to `bottom` at its bottom edge.
  virtual void GradientRect(int x, int y, int width, int height, int top, int bottom) = 0;
  virtual void FillRect(int x, int y, int width, int height, int colour) = 0;
  // Copies the back buffer onto the target at (0, 0).
  virtual void Present() = 0;
};
