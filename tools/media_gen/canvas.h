// A small drawing surface for the generated media: pixels in 0xRRGGBB with magenta as "nothing",
// shapes tested at pixel centres in unit coordinates so one drawing serves every tile size,
// ordered dithering between the steps of a colour ramp, and a one-pixel outline pass.
#pragma once
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "app/media/media_types.h"

namespace quarrion::art {

constexpr uint32_t kClear = kMagenta;

struct Point {
  double x = 0;
  double y = 0;
};

class Canvas {
 public:
  Canvas() = default;
  Canvas(int width, int height, uint32_t fill = kClear);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  uint32_t Get(int x, int y) const { return Inside(x, y) ? pixels_[Index(x, y)] : kClear; }
  void Set(int x, int y, uint32_t c) {
    if (Inside(x, y)) pixels_[Index(x, y)] = c;
  }
  bool Solid(int x, int y) const { return Get(x, y) != kClear; }

  void FillRect(int x, int y, int w, int h, uint32_t c);
  void Fill(uint32_t c) { FillRect(0, 0, width_, height_, c); }
  // Calls colour(u, v, x, y) for every pixel, u and v its centre in 0..1 across the canvas;
  // a returned kClear leaves the pixel as it is.
  template <typename F>
  void Paint(F colour) {
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) {
        const uint32_t c = colour((x + 0.5) / width_, (y + 0.5) / height_, x, y);
        if (c != kClear) Set(x, y, c);
      }
  }
  // Every clear pixel that touches a drawn one (four neighbours) takes the outline colour.
  void Outline(uint32_t c);
  // Drawn pixels that touch clear ones (or the canvas edge when edges is set) take colour c.
  void InnerEdge(uint32_t c, bool edges = false);
  void Blit(const Canvas& source, int x, int y);
  Canvas Mirrored() const;
  Canvas Scaled(int factor) const;
  Bitmap ToBitmap() const { return Bitmap{width_, height_, pixels_}; }

 private:
  std::size_t Index(int x, int y) const { return std::size_t(y) * std::size_t(width_) + std::size_t(x); }

  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> pixels_;
};

// Threshold 0..1 of the 4 × 4 ordered dither at a pixel.
double Bayer(int x, int y);
// Picks a step of the ramp for t in 0..1, dithering between neighbouring steps.
uint32_t Shade(std::span<const uint32_t> ramp, double t, int x, int y);
// As Shade, but mostly flat bands with a narrow dithered seam between them: for figures.
uint32_t Band(std::span<const uint32_t> ramp, double t, int x, int y);
uint32_t Mix(uint32_t a, uint32_t b, double t);

// Deterministic noise: a hash of integer coordinates, 0..1.
double Hash(int x, int y, uint32_t seed);
// Smooth value noise that repeats every period cells.
double Noise(double x, double y, int period, uint32_t seed);

bool InEllipse(double u, double v, double cx, double cy, double rx, double ry);
bool InPolygon(double u, double v, std::span<const Point> polygon);
// Distance from (u, v) to the segment a..b.
double SegmentDistance(double u, double v, Point a, Point b);

// A small deterministic generator for placing details.
class Rng {
 public:
  explicit Rng(uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {}
  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  double Unit() { return (Next() >> 8) / double(1 << 24); }
  double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }

 private:
  uint32_t state_;
};

}  // namespace quarrion::art
