// Diamonds, fireflies, butterflies, amoeba, slime, explosions and the player's birth.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/media_gen/palette.h"
#include "tools/media_gen/tiles.h"

namespace quarrion::art {
namespace {

constexpr double kPi = std::numbers::pi;

// A four-pointed star of light centred on a pixel.
void Sparkle(Canvas& c, int x, int y, int arm, uint32_t core = kWhite, uint32_t ray = kGem[3]) {
  for (int i = 1; i <= arm; ++i) {
    const uint32_t colour = i * 2 <= arm ? core : ray;
    c.Set(x + i, y, colour);
    c.Set(x - i, y, colour);
    c.Set(x, y + i, colour);
    c.Set(x, y - i, colour);
  }
  c.Set(x, y, core);
}

}  // namespace

Canvas DrawDiamond(int t, int frame) {
  // a cut gem: flat table, crown facets above the girdle, pavilion facets down to the point;
  // the light runs round the facets frame by frame, as if the gem turned
  const Point outline[] = {{0.3, 0.16}, {0.7, 0.16}, {0.92, 0.4}, {0.5, 0.92}, {0.08, 0.4}};
  const double turn = frame / 8.0;
  Canvas c(t, t);
  c.Paint([&](double u, double v, int x, int y) {
    if (!InPolygon(u, v, outline)) return kClear;
    double light;
    if (v < 0.4) {
      // crown: the table in the middle, slanted facets to the sides
      const double across = (u - 0.5) / (0.2 + 0.55 * (v - 0.16));
      const int facet = std::clamp(int((across + 1) * 2), 0, 3);
      light = 0.62 + 0.3 * std::sin(2 * kPi * (facet / 4.0 + turn)) + (v < 0.2 ? 0.2 : 0);
      if (std::abs(across) < 0.5 && v < 0.3) light += 0.15;
    } else {
      const double angle = std::atan2(u - 0.5, 0.92 - v);
      const int facet = std::clamp(int((angle + 0.75) / 1.5 * 5), 0, 4);
      light = 0.38 + 0.32 * std::sin(2 * kPi * (facet / 5.0 - turn)) - 0.2 * (v - 0.4);
    }
    return Shade(kGem, light, x, y);
  });
  c.Outline(kGem[0]);
  // a glint that travels round the gem
  static constexpr Point kGlints[8] = {{0.34, 0.22}, {0.5, 0.2}, {0.66, 0.22}, {0.78, 0.38},
                                      {0.62, 0.56}, {0.5, 0.7}, {0.38, 0.56}, {0.22, 0.38}};
  const Point g = kGlints[frame % 8];
  Sparkle(c, int(g.x * t), int(g.y * t), std::max(1, t / 12));
  return c;
}

Canvas DrawFirefly(int t, int frame) {
  // a spinning square ring of fire around a bright core
  const double angle = frame * kPi / 8;
  const double ca = std::cos(angle), sa = std::sin(angle);
  Canvas c(t, t);
  c.Paint([&](double u, double v, int x, int y) {
    const double dx = u - 0.5, dy = v - 0.5;
    const double rx = dx * ca + dy * sa, ry = -dx * sa + dy * ca;
    const double box = std::max(std::abs(rx), std::abs(ry));
    const double d = std::sqrt(dx * dx + dy * dy);
    if (box <= 0.33 && box >= 0.2) return Shade(kFire, 0.35 + 0.6 * (0.33 - box) / 0.13 - 0.5 * (rx + ry), x, y);
    if (d < 0.13) return Shade(kFire, 1.0 - d * 3.5, x, y);
    return kClear;
  });
  c.Outline(kInk);
  // the corners of the ring throw sparks
  for (int k = 0; k < 4; ++k) {
    const double a = angle + kPi / 4 + k * kPi / 2;
    const double r = 0.46;
    c.Set(int((0.5 + r * std::cos(a)) * t), int((0.5 + r * std::sin(a)) * t), kFire[3]);
  }
  return c;
}

Canvas DrawButterfly(int t, int frame) {
  static constexpr double kSpread[4] = {1.0, 0.62, 0.26, 0.82};
  const double spread = kSpread[frame % 4];
  Canvas c(t, t);
  c.Paint([&](double u, double v, int x, int y) {
    const double side = u < 0.5 ? -1 : 1;
    const double wx = std::abs(u - 0.5) / spread;  // wing space, folded towards the body
    const bool upper = InEllipse(wx, v, 0.22, 0.36, 0.2, 0.2);
    const bool lower = InEllipse(wx, v, 0.17, 0.68, 0.15, 0.15);
    if (std::abs(u - 0.5) < 0.045 && v > 0.25 && v < 0.82) return Shade(kSteel, 0.2 + 0.4 * (1 - v), x, y);
    if (!upper && !lower) return kClear;
    // eye spots on the wings
    if (InEllipse(wx, v, 0.26, 0.34, 0.07, 0.07)) return InEllipse(wx, v, 0.26, 0.34, 0.035, 0.035) ? kInk : kGem[3];
    const double edge = upper ? std::hypot(wx - 0.22, v - 0.36) / 0.2 : std::hypot(wx - 0.17, v - 0.68) / 0.15;
    (void)side;
    return Shade(kWing, 0.85 - 0.6 * edge + (lower ? -0.15 : 0.05), x, y);
  });
  // antennae
  c.Paint([&](double u, double v, int, int) {
    const double w = 0.55 / t;
    const bool a = SegmentDistance(u, v, {0.48, 0.27}, {0.4, 0.12}) < w || SegmentDistance(u, v, {0.52, 0.27}, {0.6, 0.12}) < w;
    return a ? kSteel[3] : kClear;
  });
  c.Outline(kInk);
  return c;
}

Canvas DrawAmoeba(int t, int frame) {
  // a mass of living cells filling the tile: nine cells whose centres circle slowly over the four
  // frames; the pattern repeats with the tile, so neighbouring amoeba cells join up
  constexpr int kCells = 3;
  const double phase = frame * kPi / 2;
  Point centres[kCells * kCells];
  for (int j = 0; j < kCells; ++j)
    for (int i = 0; i < kCells; ++i) {
      const double jitterX = Hash(i, j, 41) - 0.5, jitterY = Hash(i, j, 42) - 0.5;
      const double spin = Hash(i, j, 43) * 2 * kPi;
      centres[j * kCells + i] = {(i + 0.5 + 0.5 * jitterX + 0.08 * std::cos(phase + spin)) / kCells,
                                 (j + 0.5 + 0.5 * jitterY + 0.08 * std::sin(phase + spin)) / kCells};
    }
  Canvas c(t, t);
  c.Paint([&](double u, double v, int x, int y) {
    double d1 = 9, d2 = 9;
    Point nearest{};
    for (const Point& p : centres)
      for (int wy = -1; wy <= 1; ++wy)
        for (int wx = -1; wx <= 1; ++wx) {
          const double dx = u - (p.x + wx), dy = v - (p.y + wy);
          const double d = std::sqrt(dx * dx + dy * dy);
          if (d < d1) {
            d2 = d1;
            d1 = d;
            nearest = {p.x + wx, p.y + wy};
          } else if (d < d2) {
            d2 = d;
          }
        }
    if (d2 - d1 < 0.035) return kAmoeba[0];  // the walls between cells
    // each cell a lit dome with a glint up and to the left
    const double lit = 0.8 - 5.0 * ((u - nearest.x) + (v - nearest.y)) * 0.5 - 3.0 * d1;
    if (std::hypot(u - nearest.x + 0.05, v - nearest.y + 0.05) < 0.028) return kAmoeba[4];
    return Band(kAmoeba, lit, x, y);
  });
  return c;
}

Canvas DrawSlime(int t, int frame) {
  // a wall of jelly with drops sinking through it, one cell in four frames
  static constexpr double kColumns[3] = {0.2, 0.52, 0.8};
  Canvas c(t, t);
  c.Paint([&](double u, double v, int x, int y) {
    double shade = 0.36 + 0.18 * (Noise(u * 2, v * 3, 3, 61) - 0.5) + 0.1 * std::sin(u * 2 * kPi * 3);
    for (int i = 0; i < 3; ++i) {
      const double drop = std::fmod(frame / 4.0 + i * 0.37, 1.0);
      double dv = v - drop;
      dv -= std::round(dv);  // the drop wraps round the cell
      const double du = (u - kColumns[i]) / 0.11;
      const double dd = std::sqrt(du * du + (dv / 0.13) * (dv / 0.13));
      if (dd < 1) {
        shade = dd > 0.8 ? 0.18 : 0.9 - 0.4 * dd - (du + dv * 8 > 0.3 ? 0.2 : 0);
        if (du < -0.1 && du > -0.55 && dv < -0.02 && dv > -0.07) shade = 1.0;
      } else if (std::abs(du) < 0.4 && dv < -0.1 && dv > -0.35) {
        shade = std::max(shade, 0.5);  // its trail
      }
    }
    if (y == 0 || y == t - 1) shade = 0.1;
    return Band(kSlime, shade, x, y);
  });
  return c;
}

Canvas DrawExplosion(int t, int stage, bool intoDiamonds) {
  // a flash, a ragged ball, then a cloud that cools and thins; into diamonds it is all cold
  // light and glitter, and a gem shows through at the end
  const auto& hot = intoDiamonds ? kGem : kFire;
  Canvas c(t, t);
  Rng rng(uint32_t(300 + stage + (intoDiamonds ? 10 : 0)));
  if (stage <= 1) {
    const double size = stage == 0 ? 0.3 : 0.47;
    c.Paint([&](double u, double v, int x, int y) {
      const double d = std::hypot(u - 0.5, v - 0.5);
      const double angle = std::atan2(v - 0.5, u - 0.5);
      const double edge = size * (0.82 + 0.18 * std::sin(7 * angle + stage * 2) + 0.1 * Noise(u * 5, v * 5, 5, 7));
      if (d > edge) return kClear;
      return Shade(hot, 1.05 - 0.8 * d / edge + 0.2 * (Noise(u * 6, v * 6, 6, uint32_t(9 + stage)) - 0.5), x, y);
    });
    c.Outline(kInk);
    for (int i = 0; i < 4 + 2 * stage; ++i)
      c.Set(int(rng.Range(0.05, 0.95) * t), int(rng.Range(0.05, 0.95) * t), hot[3]);
  } else {
    const double spread = stage == 2 ? 0.26 : 0.34;
    const double thin = stage == 2 ? 0.0 : 0.5;
    Point puffs[6];
    for (Point& p : puffs) {
      const double a = rng.Range(0, 2 * kPi);
      const double r = rng.Range(0.4, 1.0) * spread;
      p = {0.5 + r * std::cos(a), 0.5 + r * std::sin(a)};
    }
    const double radius = stage == 2 ? 0.19 : 0.12;
    c.Paint([&](double u, double v, int x, int y) {
      double best = 9;
      Point at{};
      for (const Point& p : puffs) {
        const double d = std::hypot(u - p.x, v - p.y);
        if (d < best) {
          best = d;
          at = p;
        }
      }
      if (best > radius || Bayer(x, y) < thin * best / radius + thin * 0.4) return kClear;
      const double lit = 0.75 - 2.2 * ((u - at.x) + (v - at.y)) - 1.2 * best;
      if (intoDiamonds) return Band(kGem, 0.25 + 0.6 * lit, x, y);
      // embers still glow at the heart of the first cloud
      const double heat = stage == 2 ? 1.0 - std::hypot(u - 0.5, v - 0.5) / 0.3 : 0.0;
      if (heat > 0.35) return Band(kFire, heat - 0.1, x, y);
      return Band(kSmoke, lit, x, y);
    });
  }
  if (intoDiamonds) {
    for (int i = 0; i < 2 + stage; ++i)
      Sparkle(c, int(rng.Range(0.15, 0.85) * t), int(rng.Range(0.15, 0.85) * t), std::max(1, t / 14));
    if (stage == 3) c.Blit(DrawDiamond(t / 2, 0), t / 4, t / 4);  // the gem about to appear
  }
  return c;
}

Canvas DrawBirth(int t, int stage) {
  // sparks gather, swirl and leave a glowing figure that becomes the miner
  Canvas c(t, t);
  if (stage == 2) {
    Canvas figure = DrawPlayer(t, Pose{});
    figure.Paint([&](double, double, int x, int y) {
      return figure.Solid(x, y) ? Mix(figure.Get(x, y), kGem[3], 0.55) : kClear;
    });
    c.Blit(figure, 0, 0);
  }
  const double ring = stage == 0 ? 0.18 : stage == 1 ? 0.34 : 0.42;
  const int count = stage == 0 ? 4 : 8;
  for (int i = 0; i < count; ++i) {
    const double a = i * 2 * kPi / count + stage * 0.4;
    Sparkle(c, int((0.5 + ring * std::cos(a)) * t), int((0.5 + ring * std::sin(a)) * t),
            std::max(1, t / (stage == 1 ? 10 : 14)));
  }
  if (stage < 2) {
    c.Paint([&](double u, double v, int x, int y) {
      const double r = stage == 0 ? 0.12 : 0.08;
      const double d = std::hypot(u - 0.5, v - 0.5);
      return d < r ? Shade(kGem, 1.1 - d / r * 0.6, x, y) : kClear;
    });
  }
  return c;
}

}  // namespace quarrion::art
