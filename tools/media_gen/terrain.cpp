// Walls, steel, exit, dirt and boulders.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/media_gen/palette.h"
#include "tools/media_gen/tiles.h"

namespace quarrion::art {
namespace {

constexpr double kPi = std::numbers::pi;

// The brick bond shared by the brick wall and the magic wall: four courses a tile, two bricks
// a course, every other course shifted by half a brick, so walls join seamlessly.
struct BrickCell {
  bool mortar = false;
  int brick = 0;     // which brick, for its own tint
  int course = 0;
  double top = 0;    // 0..1 down the brick
  double left = 0;   // 0..1 across the brick
};

BrickCell BrickAt(int t, int x, int y) {
  const int courseHeight = t / 4;
  const int brickWidth = t / 2;
  BrickCell c;
  c.course = y / courseHeight;
  const int inCourse = y % courseHeight;
  const int shifted = x + (c.course % 2) * (brickWidth / 2);
  const int inBrick = shifted % brickWidth;
  c.brick = shifted / brickWidth + c.course * 7;
  c.mortar = inCourse == courseHeight - 1 || inBrick == 0;
  c.top = double(inCourse) / (courseHeight - 1);
  c.left = double(inBrick) / (brickWidth - 1);
  return c;
}

// Brightness of a brick's face: lit top edge, shadowed bottom, a tint per brick and some grain.
double BrickFace(const BrickCell& c, int x, int y, uint32_t seed) {
  double v = 0.5 + 0.16 * (Hash(c.brick, c.course, seed) - 0.5) + 0.14 * (Hash(x, y, seed + 1) - 0.5);
  if (c.top < 0.2) v += 0.3;
  if (c.left < 0.1) v += 0.12;
  if (c.top > 0.8) v -= 0.22;
  return v;
}

void DrawArrow(Canvas& c, int t, bool right) {
  const double s = right ? 1 : -1;
  const Point tip{0.5 + s * 0.44, 0.5};
  const Point base1{0.5 + s * 0.26, 0.34};
  const Point base2{0.5 + s * 0.26, 0.66};
  const Point triangle[] = {tip, base1, base2};
  Canvas arrow(t, t);
  arrow.Paint([&](double u, double v, int x, int y) {
    return InPolygon(u, v, triangle) ? Shade(kSteel, 0.9 - 0.6 * v, x, y) : kClear;
  });
  arrow.Outline(kInk);
  c.Blit(arrow, 0, 0);
}

}  // namespace

Canvas DrawEmpty(int t) { return Canvas(t, t, kBlackSpace); }

Canvas DrawBrick(int t, bool expandingLook) {
  Canvas c(t, t);
  c.Paint([&](double, double, int x, int y) {
    const BrickCell b = BrickAt(t, x, y);
    return b.mortar ? kMortar : Shade(kBrick, BrickFace(b, x, y, 11), x, y);
  });
  if (expandingLook) {
    DrawArrow(c, t, false);
    DrawArrow(c, t, true);
  }
  return c;
}

Canvas DrawMagicWall(int t, int frame) {
  // a band of light runs down the wall in frames 0..2; frame 3 is the wall at rest
  const double band = frame < 3 ? 0.15 + 0.35 * frame : -9;
  Canvas c(t, t);
  c.Paint([&](double, double v, int x, int y) {
    const BrickCell b = BrickAt(t, x, y);
    const double near = std::max(0.0, 1.0 - std::abs(v - band) / 0.22);
    if (b.mortar) return near > 0.3 ? Shade(kMagicGlow, near, x, y) : 0x120C26u;
    const double sparkle = Hash(b.brick, frame, 5) > 0.8 && b.top < 0.3 && b.left > 0.6 ? 0.4 * near : 0;
    return Shade(kMagicBrick, BrickFace(b, x, y, 23) - 0.08 + 0.45 * near + sparkle, x, y);
  });
  return c;
}

Canvas DrawSteel(int t, int glint) {
  // a bevelled plate held by four rivets; the cover frames add a shine that crosses it
  Canvas c(t, t);
  const int bevel = std::max(1, t / 16);
  const double centre = glint / 8.0;
  c.Paint([&](double u, double v, int x, int y) {
    const bool lightEdge = x < bevel || y < bevel;
    const bool darkEdge = x >= t - bevel || y >= t - bevel;
    if (lightEdge && darkEdge) return kSteel[2];
    if (lightEdge) return kSteel[4];
    if (darkEdge) return kSteel[0];
    double shade = 0.6 - 0.16 * v + 0.03 * (Noise(u * 2, v * 12, 12, 3) - 0.5);
    if (glint > 0) shade += 0.5 * std::max(0.0, 1.0 - std::abs((u + v) / 2 - centre) / 0.06);
    return Band(kSteel, shade, x, y);
  });
  // rivets: a lit dome with a shadow to the lower right
  const int radius = std::max(1, t / 16);
  for (const double fx : {0.19, 0.81})
    for (const double fy : {0.19, 0.81}) {
      const int cx = int(fx * t), cy = int(fy * t);
      for (int dy = -radius - 1; dy <= radius + 1; ++dy)
        for (int dx = -radius - 1; dx <= radius + 1; ++dx) {
          const int d2 = dx * dx + dy * dy;
          if (d2 <= radius * radius + radius / 2)
            c.Set(cx + dx, cy + dy, dx + dy < 0 ? kSteel[4] : dx + dy == 0 ? kSteel[3] : kSteel[2]);
          else if (d2 <= (radius + 1) * (radius + 1) + 1 && dx + dy > 0)
            c.Set(cx + dx, cy + dy, kSteel[0]);
        }
    }
  return c;
}

Canvas DrawExitFlash(int t) {
  Canvas c = DrawSteel(t, 0);
  // an open doorway pouring out light
  c.Paint([&](double u, double v, int x, int y) {
    const bool arch = v >= 0.2 ? (u >= 0.24 && u <= 0.76) : InEllipse(u, v, 0.5, 0.34, 0.26, 0.2);
    if (!arch || v > 0.9) return kClear;
    const bool frame = u < 0.3 || u > 0.7 || (v < 0.2 && !InEllipse(u, v, 0.5, 0.34, 0.2, 0.15));
    if (frame) return kGold[1];
    return Shade(kFire, 0.65 + 0.5 * (v - 0.2) - 0.4 * std::abs(u - 0.5), x, y);
  });
  return c;
}

Canvas DrawDirt(int t, int style, int variant) {
  const auto& ramp = kDirt[std::size_t(style)];
  const uint32_t seed = uint32_t(100 + style * 8 + variant);
  const int grain = t >= 32 ? 2 : 1;
  Canvas c(t, t);
  c.Paint([&](double u, double v, int x, int y) {
    // clods of two tones (repeating with the tile, so neighbours of one variant join), then grit
    const double clods = Noise(u * 4, v * 4, 4, seed) + 0.35 * (Noise(u * 8, v * 8, 8, seed + 3) - 0.5);
    const double grit = Hash(x / grain, y / grain, seed + 7);
    if (grit > 0.95) return ramp[3];
    if (grit < 0.07) return ramp[0];
    return clods > 0.55 ? ramp[2] : ramp[1];
  });
  // a few pebbles, lit from the top left
  Rng rng(seed * 31u);
  const int pebbles = 2 + variant % 2;
  for (int i = 0; i < pebbles; ++i) {
    const double cx = rng.Range(0.15, 0.85);
    const double cy = rng.Range(0.15, 0.85);
    const double rx = rng.Range(0.07, 0.11);
    const double ry = rx * rng.Range(0.6, 0.9);
    const double grow = 1.0 / t;  // the shadow rim is a pixel wider
    c.Paint([&](double u, double v, int x, int y) {
      if (InEllipse(u, v, cx, cy, rx, ry)) return Band(ramp, 0.7 - 3.0 * ((u - cx) / rx + (v - cy) / ry) * 0.12, x, y);
      if (InEllipse(u, v, cx + grow * 0.5, cy + grow, rx + grow, ry + grow)) return ramp[0];
      return kClear;
    });
  }
  if (style == 8) {
    // gold flecks mark the bonus caves
    Rng flecks(seed);
    for (int i = 0; i < 2 + variant; ++i) {
      const int x = int(flecks.Range(0.1, 0.9) * t);
      const int y = int(flecks.Range(0.1, 0.9) * t);
      c.Set(x, y, kGold[4]);
      if (t >= 32) c.Set(x + 1, y, kGold[3]);
    }
  }
  return c;
}

Canvas DrawBoulder(int t, int variant) {
  Rng rng(uint32_t(700 + variant));
  const double p1 = rng.Range(0, 2 * kPi);
  const double p2 = rng.Range(0, 2 * kPi);
  const double squash = rng.Range(0.92, 1.0);
  const double lx = -0.55, ly = -0.65, lz = 0.52;  // light from the top left, towards the viewer
  const double cx = 0.5, cy = 0.53;
  Canvas c(t, t);
  c.Paint([&](double u, double v, int x, int y) {
    const double dx = (u - cx) / squash;
    const double dy = v - cy;
    const double angle = std::atan2(dy, dx);
    const double radius = 0.42 + 0.03 * std::sin(3 * angle + p1) + 0.018 * std::sin(5 * angle + p2);
    const double d = std::sqrt(dx * dx + dy * dy) / radius;
    if (d > 1.0) return kClear;
    const double nx = dx / radius, ny = dy / radius;
    const double nz = std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny));
    double light = nx * lx + ny * ly + nz * lz;
    light = 0.18 + 0.62 * std::max(0.0, light) + 0.12 * (Noise(u * 6, v * 6, 6, uint32_t(800 + variant)) - 0.5);
    if (d > 0.86 && (nx + ny) > 0.2) light -= 0.15;  // the rim away from the light
    return Shade(kStone, light, x, y);
  });
  // a crack or two and a highlight
  const int cracks = 1 + variant % 2;
  for (int i = 0; i < cracks; ++i) {
    const Point a{rng.Range(0.3, 0.7), rng.Range(0.3, 0.7)};
    const Point b{a.x + rng.Range(-0.22, 0.22), a.y + rng.Range(0.1, 0.25)};
    const Point e{b.x + rng.Range(-0.12, 0.12), b.y + rng.Range(0.04, 0.12)};
    c.Paint([&](double u, double v, int, int) {
      if (!c.Solid(int(u * t), int(v * t))) return kClear;
      const double w = 0.6 / t;
      return SegmentDistance(u, v, a, b) < w || SegmentDistance(u, v, b, e) < w ? kStone[0] : kClear;
    });
  }
  c.Paint([&](double u, double v, int, int) {
    return InEllipse(u, v, 0.36, 0.34, 0.07, 0.045) ? kStone[4] : kClear;
  });
  c.Outline(kInk);
  return c;
}

}  // namespace quarrion::art
