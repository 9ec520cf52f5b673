// The one pseudo-random generator of play: a 32-bit linear congruence, reset to 10 at every cave start
// so that the same key presses meet the same chance events.
#pragma once
#include <cstdint>

namespace quarrion {

class Random {
 public:
  static constexpr uint32_t kStartState = 10;

  // A number 0..n-1; n of 0 gives 0 (a probability divisor of 0 makes the event certain).
  uint32_t operator()(uint32_t n) {
    state_ = state_ * 134775813u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(state_) * n) >> 32);
  }

  // True with chance 1/divisor, the way every probability setting of a level is used.
  bool Chance(uint32_t divisor) { return (*this)(divisor * 4) < 4; }

  uint32_t State() const { return state_; }
  void SetState(uint32_t state) { state_ = state; }

 private:
  uint32_t state_ = kStartState;
};

}  // namespace quarrion
