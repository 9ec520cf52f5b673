// The miner: a helmet with a lamp, a red shirt and blue trousers; seen from the front when he
// stands, blinks and taps his foot, from the side when he walks.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/media_gen/palette.h"
#include "tools/media_gen/tiles.h"

namespace quarrion::art {
namespace {

constexpr double kPi = std::numbers::pi;

struct Limb {
  Point from;
  Point to;
  double width;
};

// Paints a limb as a capsule, lit on its upper-left side.
void PaintLimb(Canvas& c, const Limb& limb, std::span<const uint32_t> ramp) {
  c.Paint([&](double u, double v, int x, int y) {
    const double d = SegmentDistance(u, v, limb.from, limb.to);
    if (d > limb.width) return kClear;
    const double side = (u - (limb.from.x + limb.to.x) / 2) + 0.5 * (v - (limb.from.y + limb.to.y) / 2);
    return Band(ramp, 0.62 - 4 * side / 3 - 0.6 * d / limb.width * 0.3, x, y);
  });
}

void PaintBoot(Canvas& c, Point at, double toe) {
  c.Paint([&](double u, double v, int, int) {
    return InEllipse(u, v, at.x + toe * 0.03, at.y, 0.085, 0.05) && v < at.y + 0.04 ? kBoot : kClear;
  });
}

}  // namespace

Canvas DrawPlayer(int t, const Pose& pose) {
  Canvas c(t, t);
  const double swing = std::sin(2 * kPi * pose.phase);
  const double bob = pose.side ? 0.02 * std::abs(std::cos(2 * kPi * pose.phase)) : 0;
  const double headX = pose.side ? 0.47 : 0.5;
  const double headY = 0.27 + bob;
  const double hipY = 0.66 + bob;

  // legs first, so the body covers their tops
  if (pose.side) {
    for (const double s : {-1.0, 1.0}) {
      const Point hip{0.5, hipY};
      const Point foot{0.5 + 0.16 * s * swing, 0.89 - (s * swing > 0.3 ? 0.03 : 0)};
      PaintLimb(c, Limb{hip, foot, 0.065}, kTrousers);
      PaintBoot(c, {foot.x - 0.02, foot.y}, -1);
    }
  } else {
    for (const double s : {-1.0, 1.0}) {
      const bool lifted = pose.footUp && s > 0;
      const Point hip{0.5 + 0.075 * s, hipY};
      const Point foot{0.5 + 0.1 * s, lifted ? 0.84 : 0.89};
      PaintLimb(c, Limb{hip, foot, 0.065}, kTrousers);
      PaintBoot(c, {foot.x + 0.02 * s, foot.y}, s);
    }
  }
  // the back arm behind the body when walking
  if (pose.side) PaintLimb(c, Limb{{0.5, 0.47 + bob}, {0.5 + 0.15 * swing, 0.62 + bob}, 0.05}, kShirt);

  // body: shirt with a belt
  c.Paint([&](double u, double v, int x, int y) {
    const double halfWidth = pose.side ? 0.12 : 0.14;
    if (std::abs(u - 0.5) > halfWidth || v < 0.42 + bob || v > hipY + 0.01) return kClear;
    if (v > hipY - 0.04) return Band(kHelmet, 0.2, x, y);  // belt
    return Band(kShirt, 0.75 - 2.5 * (u - 0.5) - 1.2 * (v - 0.42 - bob), x, y);
  });

  // arms and hands
  if (pose.side) {
    const Point shoulder{0.5, 0.47 + bob};
    const Point hand{0.5 - 0.15 * swing, 0.62 + bob};
    PaintLimb(c, Limb{shoulder, hand, 0.05}, kShirt);
    c.Paint([&](double u, double v, int x, int y) {
      return InEllipse(u, v, hand.x, hand.y + 0.02, 0.045, 0.045) ? Band(kSkin, 0.6, x, y) : kClear;
    });
  } else {
    for (const double s : {-1.0, 1.0}) {
      const Point shoulder{0.5 + 0.15 * s, 0.46};
      const Point hand{0.5 + 0.2 * s, 0.63};
      PaintLimb(c, Limb{shoulder, hand, 0.05}, kShirt);
      c.Paint([&](double u, double v, int x, int y) {
        return InEllipse(u, v, hand.x, hand.y + 0.025, 0.045, 0.045) ? Band(kSkin, 0.6, x, y) : kClear;
      });
    }
  }

  // head, then the helmet over its top half with the lamp in front
  c.Paint([&](double u, double v, int x, int y) {
    if (!InEllipse(u, v, headX, headY + 0.01, 0.14, 0.15)) return kClear;
    return Band(kSkin, 0.95 - 2.2 * ((u - headX) + (v - headY)), x, y);
  });
  const double brimY = headY - 0.02;
  c.Paint([&](double u, double v, int x, int y) {
    const bool dome = InEllipse(u, v, headX + (pose.side ? 0.02 : 0), brimY, 0.17, 0.17) && v < brimY;
    const double reach = pose.side ? 0.21 : 0.2;
    const bool brim = v >= brimY - 0.01 && v < brimY + 0.04 && u > headX - reach && u < headX + (pose.side ? 0.17 : reach);
    if (brim) return kHelmet[0];
    if (!dome) return kClear;
    return Band(kHelmet, 1.05 - 2.4 * ((u - headX) + (v - brimY + 0.1)), x, y);
  });
  const double lampX = pose.side ? headX - 0.13 : headX;
  c.Paint([&](double u, double v, int, int) {
    const double d = std::hypot(u - lampX, v - (brimY - 0.07));
    if (d > 0.065) return kClear;
    if (d > 0.045) return kHelmet[0];
    return d < 0.025 ? kWhite : kFire[3];
  });
  // eyes two pixels tall, so that a half-shut lid shows at every size
  const int eyeHeight = std::max(2, t / 16);
  const int eyeY = int((headY + 0.03) * t);
  auto eye = [&](double ex) {
    const int x = int(ex * t);
    const int w = std::max(1, t / 20);
    if (pose.eyes == Eyes::Closed) {
      for (int i = -1; i <= w; ++i) c.Set(x + i, eyeY + eyeHeight - 1, kSkin[0]);
      return;
    }
    const int lid = pose.eyes == Eyes::Half ? eyeHeight / 2 : 0;
    for (int dy = 0; dy < eyeHeight; ++dy)
      for (int dx = 0; dx < w; ++dx) c.Set(x + dx, eyeY + dy, dy < lid ? kSkin[0] : kEye);
  };
  if (pose.side) {
    eye(headX - 0.09);
  } else {
    eye(headX - 0.07);
    eye(headX + 0.04);
  }
  // a smile from the front, a nose in profile
  if (!pose.side) {
    const int my = int((headY + 0.11) * t);
    for (int x = int((headX - 0.04) * t); x <= int((headX + 0.04) * t); ++x) c.Set(x, my, kSkin[0]);
  } else {
    c.Set(int((headX - 0.155) * t), int((headY + 0.04) * t), kSkin[1]);
  }
  c.Outline(kInk);
  return c;
}

}  // namespace quarrion::art
