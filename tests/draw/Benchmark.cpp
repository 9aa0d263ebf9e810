// What the wrappers cost over calling GDI+'s flat functions directly: one paint's worth of
// work (a graphics on a 64 x 32 bitmap, a rounded path, a gradient brush, one fill, all
// released) done both ways, alternating rounds so both see the same machine. Run on demand:
//   wine draw_benchmark.exe [iterations]
#include <windows.h>
#include <objidl.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "GdiplusSession.h"
#include "GfxBrushes.h"
#include "GfxGraphics.h"
#include "GfxImages.h"
#include "GfxPaths.h"

namespace {

using namespace Gdiplus;

// The flat functions, bound by hand the way a program without the wrappers would.
struct Flat {
  template <typename F>
  static F Get(HMODULE gdiplus, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(gdiplus, name)));
  }
  explicit Flat(HMODULE m)
      : getContext(Get<decltype(getContext)>(m, "GdipGetImageGraphicsContext")),
        deleteGraphics(Get<decltype(deleteGraphics)>(m, "GdipDeleteGraphics")),
        smoothing(Get<decltype(smoothing)>(m, "GdipSetSmoothingMode")),
        createPath(Get<decltype(createPath)>(m, "GdipCreatePath")),
        addArc(Get<decltype(addArc)>(m, "GdipAddPathArc")),
        closeFigure(Get<decltype(closeFigure)>(m, "GdipClosePathFigure")),
        deletePath(Get<decltype(deletePath)>(m, "GdipDeletePath")),
        createLineBrush(Get<decltype(createLineBrush)>(m, "GdipCreateLineBrush")),
        deleteBrush(Get<decltype(deleteBrush)>(m, "GdipDeleteBrush")),
        fillPath(Get<decltype(fillPath)>(m, "GdipFillPath")) {}
  decltype(&DllExports::GdipGetImageGraphicsContext) getContext;
  decltype(&DllExports::GdipDeleteGraphics) deleteGraphics;
  decltype(&DllExports::GdipSetSmoothingMode) smoothing;
  decltype(&DllExports::GdipCreatePath) createPath;
  decltype(&DllExports::GdipAddPathArc) addArc;
  decltype(&DllExports::GdipClosePathFigure) closeFigure;
  decltype(&DllExports::GdipDeletePath) deletePath;
  decltype(&DllExports::GdipCreateLineBrush) createLineBrush;
  decltype(&DllExports::GdipDeleteBrush) deleteBrush;
  decltype(&DllExports::GdipFillPath) fillPath;
};

void PaintDirect(const Flat& f, GpImage* canvas) {
  GpGraphics* g = nullptr;
  f.getContext(canvas, &g);
  f.smoothing(g, SmoothingModeAntiAlias);
  GpPath* path = nullptr;
  f.createPath(FillModeAlternate, &path);
  // The same four arcs the wrapper's rounded rectangle adds: 30 percent of 64 x 32.
  f.addArc(path, 64 - 19, 0, 19, 9, 270, 90);
  f.addArc(path, 64 - 19, 32 - 9, 19, 9, 0, 90);
  f.addArc(path, 0, 32 - 9, 19, 9, 90, 90);
  f.addArc(path, 0, 0, 19, 9, 180, 90);
  f.closeFigure(path);
  const PointF from(0, 0), to(0, 32);
  GpLineGradient* brush = nullptr;
  f.createLineBrush(&from, &to, 0xFF5AA0F0, 0xFF1C3F94, WrapModeTile, &brush);
  f.fillPath(g, brush, path);
  f.deleteBrush(brush);
  f.deletePath(path);
  f.deleteGraphics(g);
}

void PaintWrapped(const GfxBitmap& canvas) {
  GfxGraphics g;
  g.CreateFromImage(canvas);
  g.SetSmoothingMode(4);
  GfxPath path;
  path.Create();
  path.AddRoundRectangle(0, 0, 64, 32, 30);
  GfxLinearGradientBrush brush;
  brush.Create({0, 0}, {0, 32}, 0xFF5AA0F0, 0xFF1C3F94);
  g.FillPath(brush, path);
}

template <typename Paint>
double Microseconds(int iterations, Paint paint) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < iterations; ++i) paint();
  const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
  return spent.count() / iterations;
}

}  // namespace

int main(int argc, char** argv) {
  const int iterations = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
  if (!StartGdiplus()) {
    std::fprintf(stderr, "GDI+ did not start\n");
    return 1;
  }
  {
    const Flat flat(GetModuleHandleW(L"gdiplus.dll"));
    GfxBitmap canvas;
    canvas.CreateFromScan0(64, 32);
    auto* native = static_cast<GpImage*>(canvas.GetHandle());
    // Warm both paths up, then alternate rounds and keep the best of each.
    Microseconds(iterations / 10 + 1, [&] { PaintDirect(flat, native); });
    Microseconds(iterations / 10 + 1, [&] { PaintWrapped(canvas); });
    std::vector<double> direct, wrapped;
    for (int round = 0; round < 7; ++round) {
      direct.push_back(Microseconds(iterations, [&] { PaintDirect(flat, native); }));
      wrapped.push_back(Microseconds(iterations, [&] { PaintWrapped(canvas); }));
    }
    std::sort(direct.begin(), direct.end());
    std::sort(wrapped.begin(), wrapped.end());
    const double d = direct[direct.size() / 2], w = wrapped[wrapped.size() / 2];
    std::printf("paint of 64 x 32 (graphics, rounded path, gradient, fill, release), %d iterations x 7 rounds\n", iterations);
    std::printf("flat API direct: median %.2f us, best %.2f us\n", d, direct.front());
    std::printf("wrappers:        median %.2f us, best %.2f us\n", w, wrapped.front());
    std::printf("overhead ratio (wrappers / direct): median %.3f, best %.3f\n", w / d, wrapped.front() / direct.front());
  }
  ShutdownGdiplus();
  return 0;
}
