#include "tools/media_gen/canvas.h"

#include <algorithm>

namespace quarrion::art {

Canvas::Canvas(int width, int height, uint32_t fill)
    : width_(width), height_(height), pixels_(std::size_t(width) * std::size_t(height), fill) {}

void Canvas::FillRect(int x, int y, int w, int h, uint32_t c) {
  for (int yy = std::max(0, y); yy < std::min(height_, y + h); ++yy)
    for (int xx = std::max(0, x); xx < std::min(width_, x + w); ++xx) pixels_[Index(xx, yy)] = c;
}

void Canvas::Outline(uint32_t c) {
  const Canvas before = *this;
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (!before.Solid(x, y) &&
          (before.Solid(x - 1, y) || before.Solid(x + 1, y) || before.Solid(x, y - 1) || before.Solid(x, y + 1)))
        Set(x, y, c);
}

void Canvas::InnerEdge(uint32_t c, bool edges) {
  const Canvas before = *this;
  auto clear = [&](int x, int y) { return before.Inside(x, y) ? !before.Solid(x, y) : edges; };
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (before.Solid(x, y) && (clear(x - 1, y) || clear(x + 1, y) || clear(x, y - 1) || clear(x, y + 1)))
        Set(x, y, c);
}

void Canvas::Blit(const Canvas& source, int x, int y) {
  for (int sy = 0; sy < source.height_; ++sy)
    for (int sx = 0; sx < source.width_; ++sx)
      if (source.Solid(sx, sy)) Set(x + sx, y + sy, source.Get(sx, sy));
}

Canvas Canvas::Mirrored() const {
  Canvas out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) out.Set(width_ - 1 - x, y, Get(x, y));
  return out;
}

Canvas Canvas::Scaled(int factor) const {
  Canvas out(width_ * factor, height_ * factor);
  for (int y = 0; y < out.height_; ++y)
    for (int x = 0; x < out.width_; ++x) out.Set(x, y, Get(x / factor, y / factor));
  return out;
}

double Bayer(int x, int y) {
  static constexpr int kMatrix[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  return (kMatrix[y & 3][x & 3] + 0.5) / 16.0;
}

uint32_t Shade(std::span<const uint32_t> ramp, double t, int x, int y) {
  const double scaled = std::clamp(t, 0.0, 1.0) * double(ramp.size() - 1);
  int step = int(scaled);
  if (scaled - step > Bayer(x, y)) ++step;
  return ramp[std::size_t(std::clamp(step, 0, int(ramp.size()) - 1))];
}

uint32_t Band(std::span<const uint32_t> ramp, double t, int x, int y) {
  const double scaled = std::clamp(t, 0.0, 1.0) * double(ramp.size() - 1);
  int step = int(scaled);
  const double seam = std::clamp((scaled - step - 0.5) * 3.0 + 0.5, 0.0, 1.0);
  if (seam > Bayer(x, y)) ++step;
  return ramp[std::size_t(std::clamp(step, 0, int(ramp.size()) - 1))];
}

uint32_t Mix(uint32_t a, uint32_t b, double t) {
  auto channel = [&](int shift) {
    const double ca = (a >> shift) & 0xFF;
    const double cb = (b >> shift) & 0xFF;
    return uint32_t(std::clamp(ca + (cb - ca) * t + 0.5, 0.0, 255.0)) << shift;
  };
  return channel(16) | channel(8) | channel(0);
}

double Hash(int x, int y, uint32_t seed) {
  uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / double(0x1000000);
}

double Noise(double x, double y, int period, uint32_t seed) {
  const int x0 = int(std::floor(x));
  const int y0 = int(std::floor(y));
  const double fx = x - x0;
  const double fy = y - y0;
  auto at = [&](int cx, int cy) {
    return Hash(((cx % period) + period) % period, ((cy % period) + period) % period, seed);
  };
  const double sx = fx * fx * (3 - 2 * fx);
  const double sy = fy * fy * (3 - 2 * fy);
  const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
  const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
  return top + (bottom - top) * sy;
}

bool InEllipse(double u, double v, double cx, double cy, double rx, double ry) {
  const double dx = (u - cx) / rx;
  const double dy = (v - cy) / ry;
  return dx * dx + dy * dy <= 1.0;
}

bool InPolygon(double u, double v, std::span<const Point> polygon) {
  bool inside = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const Point a = polygon[i];
    const Point b = polygon[j];
    if ((a.y > v) != (b.y > v) && u < (b.x - a.x) * (v - a.y) / (b.y - a.y) + a.x) inside = !inside;
  }
  return inside;
}

double SegmentDistance(double u, double v, Point a, Point b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double length = dx * dx + dy * dy;
  double t = length > 0 ? ((u - a.x) * dx + (v - a.y) * dy) / length : 0;
  t = std::clamp(t, 0.0, 1.0);
  const double px = a.x + t * dx - u;
  const double py = a.y + t * dy - v;
  return std::sqrt(px * px + py * py);
}

}  // namespace quarrion::art
