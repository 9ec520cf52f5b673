// The frame timer: one tick per firing at the speed's interval, evenly spaced, never faster than
// a floor so that no speed setting busy-waits. QUARRION_TICK_LOG=FILE appends each tick's time.
#pragma once
#include <QTimer>
#include <cstdio>
#include <functional>

#include "app/media/media.h"

namespace quarrion {

// The shortest interval the timer runs at: speeds 0 to 4 all tick every 4 ms (250 frames a second).
inline constexpr int kMinTickMs = 4;

class QtFrameTimer : public FrameTimer {
 public:
  QtFrameTimer();
  ~QtFrameTimer() override;
  void SetTick(std::function<void()> tick) { tick_ = std::move(tick); }
  // The speed as set (0..24); the timer itself runs at no less than kMinTickMs.
  void SetInterval(int milliseconds) override;
  int Interval() const override { return interval_; }
  int TimerInterval() const { return timer_.interval(); }
  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return enabled_; }
  void SetActive(bool active);
  // Appends one line per tick, a monotonic time in microseconds; an empty path stops the log.
  void LogTicksTo(const char* path);

 private:
  void Update();
  void Tick();
  QTimer timer_;
  std::function<void()> tick_;
  std::FILE* log_ = nullptr;
  int interval_ = 160;
  bool enabled_ = true;
  bool active_ = true;
};

}  // namespace quarrion
