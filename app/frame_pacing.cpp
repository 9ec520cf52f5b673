#include "app/frame_pacing.h"

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdlib>

namespace quarrion {

QtFrameTimer::QtFrameTimer() {
  // a precise timer keeps each tick on its own grid, so frames come evenly and never drift
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
  if (const char* path = std::getenv("QUARRION_TICK_LOG")) LogTicksTo(path);
  Update();
}

QtFrameTimer::~QtFrameTimer() {
  if (log_ != nullptr) std::fclose(log_);
}

void QtFrameTimer::LogTicksTo(const char* path) {
  if (log_ != nullptr) std::fclose(log_);
  log_ = path != nullptr && *path != '\0' ? std::fopen(path, "a") : nullptr;
}

void QtFrameTimer::Tick() {
  if (log_ != nullptr) {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::fprintf(log_, "%" PRId64 "\n", int64_t(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
  }
  if (tick_) tick_();
}

void QtFrameTimer::SetInterval(int milliseconds) {
  interval_ = std::max(0, milliseconds);
  Update();
}

void QtFrameTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Update();
}

void QtFrameTimer::SetActive(bool active) {
  active_ = active;
  Update();
}

void QtFrameTimer::Update() {
  const int interval = std::max(interval_, kMinTickMs);
  if (timer_.interval() != interval) timer_.setInterval(interval);
  if (enabled_ && active_) {
    if (!timer_.isActive()) timer_.start();
  } else {
    timer_.stop();
  }
}

}  // namespace quarrion
