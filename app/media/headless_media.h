// The headless media layer: a software 16-bit surface whose pixels tests read, a sound list and a
// MIDI player that record what was asked of them, input scripted by the caller, a plain timer.
#pragma once
#include <deque>
#include <string>
#include <vector>

#include "app/media/media.h"

namespace quarrion {

class SoftwareSurface : public Surface {
 public:
  SoftwareSurface(int width = 640, int height = 480) { Resize(width, height); }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Resize(int width, int height) override;
  void Fill(uint16_t color) override;
  void Draw(const ImageList& list, int item, int pattern, int x, int y) override;
  void StretchDraw(const ImageList& list, int item, int pattern, const Rect& target) override;
  void FillRect(const Rect& rect, uint16_t color) override;
  void Flip() override { ++flips_; }

  uint16_t Pixel(int x, int y) const { return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)]; }
  const std::vector<uint16_t>& Pixels() const { return pixels_; }
  int Flips() const { return flips_; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint16_t> pixels_;
  int flips_ = 0;
};

// Where pattern p of an item lies in its picture; false when the item or pattern does not exist.
bool PatternRect(const ImageItem& item, int pattern, Rect& source);

class RecordingSoundList : public SoundList {
 public:
  struct Call {
    std::string what;  // "play", "stop", "stop-all", "looped", "max"
    int item = 0;
    int value = 0;
    bool operator==(const Call&) const = default;
  };

  void Assign(SoundListData data) override { data_ = std::move(data); }
  int Count() const override { return int(data_.items.size()); }
  void Play(int item) override { calls_.push_back({"play", item, 0}); }
  void Stop(int item) override { calls_.push_back({"stop", item, 0}); }
  void StopAll() override { calls_.push_back({"stop-all", 0, 0}); }
  void SetLooped(int item, bool looped) override { calls_.push_back({"looped", item, looped ? 1 : 0}); }
  void SetMaxPlayingCount(int item, int count) override { calls_.push_back({"max", item, count}); }

  const std::vector<Call>& Calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }
  const SoundListData& Data() const { return data_; }

 private:
  SoundListData data_;
  std::vector<Call> calls_;
};

// Input whose states the test sets; each poll may take the next scripted state.
class ScriptedInput : public Input {
 public:
  void Poll() override;
  InputState States() const override { return current_; }
  void Set(const InputState& state) { current_ = state; }
  void Queue(const InputState& state) { script_.push_back(state); }
  int Polls() const { return polls_; }

 private:
  InputState current_;
  std::deque<InputState> script_;
  int polls_ = 0;
};

class ManualFrameTimer : public FrameTimer {
 public:
  void SetInterval(int milliseconds) override { interval_ = milliseconds; }
  int Interval() const override { return interval_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  bool Enabled() const override { return enabled_; }

 private:
  int interval_ = 160;  // the frame timer starts at 160 ms until the configuration sets it
  bool enabled_ = true;
};

class RecordingMidiPlayer : public MidiPlayer {
 public:
  void SetFileName(const std::string& path) override { fileName_ = path; }
  const std::string& FileName() const override { return fileName_; }
  bool Open() override;
  void Play() override;
  void Stop() override;
  int64_t Position() const override { return position_; }
  void Rewind() override { position_ = 0; }
  int64_t TrackLength() const override { return trackLength_; }
  void SetNotify(std::function<void()> notify) override { notify_ = std::move(notify); }

  // Moves simulated play time on; reaching the end stops and notifies as a real player would.
  void Advance(int64_t milliseconds);
  void SetTrackLength(int64_t milliseconds) { trackLength_ = milliseconds; }
  bool Playing() const { return playing_; }
  bool IsOpen() const { return open_; }
  int Plays() const { return plays_; }

 private:
  std::string fileName_;
  std::function<void()> notify_;
  int64_t position_ = 0;
  int64_t trackLength_ = 60000;
  bool open_ = false;
  bool playing_ = false;
  int plays_ = 0;
};

// One headless set of all six components, for tests and tools.
struct HeadlessMedia {
  SoftwareSurface surface;
  ImageList images;
  ImageList fonts;
  ImageList scratchImages;
  RecordingSoundList waves;
  ScriptedInput input;
  ManualFrameTimer frameTimer;
  RecordingMidiPlayer midi;

  Media View() { return Media{surface, images, fonts, scratchImages, waves, input, frameTimer, midi}; }
};

}  // namespace quarrion
