// The media layer the rest of the program calls: drawing surface, image lists, sound list, input,
// frame timer and MIDI player. The window plugs in Qt and SDL; tests and tools use the headless set.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>
#include <string>

#include "app/media/media_types.h"
#include "core/shell_hooks.h"

namespace quarrion {

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// An image list of the surface, drawn by item and pattern; LoadImageList (pack.h) fills it.
class ImageList {
 public:
  int Count() const { return int(data_.items.size()); }
  const ImageItem* Item(int n) const {
    return n >= 0 && n < Count() ? &data_.items[std::size_t(n)] : nullptr;
  }
  const std::array<uint32_t, 256>& ColorTable() const { return data_.colorTable; }
  // Changing the items drops the surface-ready copies made for drawing.
  ImageListData& Data() {
    ready_.clear();
    return data_;
  }
  const ImageListData& Data() const { return data_; }

  // Item n in the surface's pixel format, with a mask per pixel: all ones where the picture
  // covers, zero where the surface shows through (the colour is zero there too).
  struct Ready {
    std::vector<uint16_t> color;
    std::vector<uint16_t> opaque;
  };
  const Ready& ReadyItem(int n) const;

 private:
  ImageListData data_;
  mutable std::vector<std::unique_ptr<Ready>> ready_;  // converted on first draw
};

// The 16-bit drawing surface: colours are RGB565.
class Surface {
 public:
  virtual ~Surface() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void Resize(int width, int height) = 0;
  virtual void Fill(uint16_t color) = 0;
  // Draws pattern p of item n at (x, y), honouring the item's transparency; clipped to the surface.
  virtual void Draw(const ImageList& list, int item, int pattern, int x, int y) = 0;
  // Draws pattern p of item n stretched into a rectangle.
  virtual void StretchDraw(const ImageList& list, int item, int pattern, const Rect& target) = 0;
  virtual void FillRect(const Rect& rect, uint16_t color) = 0;
  // Shows the finished frame.
  virtual void Flip() = 0;
};

constexpr uint16_t ToRgb565(uint32_t rgb) {
  return uint16_t(((rgb >> 19) & 0x1F) << 11 | ((rgb >> 10) & 0x3F) << 5 | ((rgb >> 3) & 0x1F));
}

// The sound list: items played without waiting, copies may overlap. It is also the core's way to
// make sound, through the ShellHooks calls the game step makes.
class SoundList {
 public:
  virtual ~SoundList() = default;
  // Replaces all items; LoadSoundList (pack.h) reads them from a sound pack.
  virtual void Assign(SoundListData data) = 0;
  virtual int Count() const = 0;
  virtual void Play(int item) = 0;
  virtual void Stop(int item) = 0;
  virtual void StopAll() = 0;
  virtual void SetLooped(int item, bool looped) = 0;
  virtual void SetMaxPlayingCount(int item, int count) = 0;
};

struct InputState {
  bool up = false;
  bool down = false;
  bool left = false;
  bool right = false;
  bool button1 = false;
  bool ctrl = false;
};

// Keyboard and joystick, read as one set of states after a poll.
class Input {
 public:
  virtual ~Input() = default;
  virtual void Poll() = 0;
  virtual InputState States() const = 0;
};

class FrameTimer {
 public:
  virtual ~FrameTimer() = default;
  virtual void SetInterval(int milliseconds) = 0;
  virtual int Interval() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
};

// A player for one MIDI file.
class MidiPlayer {
 public:
  virtual ~MidiPlayer() = default;
  virtual void SetFileName(const std::string& path) = 0;
  virtual const std::string& FileName() const = 0;
  virtual bool Open() = 0;  // false when the file cannot be opened
  virtual void Play() = 0;
  virtual void Stop() = 0;
  virtual int64_t Position() const = 0;  // milliseconds
  virtual void Rewind() = 0;
  virtual int64_t TrackLength() const = 0;  // milliseconds
  // Called after a play ends or is stopped.
  virtual void SetNotify(std::function<void()> notify) = 0;
};

// The six components the window owns, handed to everything that draws, sounds or reads input.
struct Media {
  Surface& surface;
  ImageList& images;
  ImageList& fonts;
  ImageList& scratchImages;
  SoundList& waves;
  Input& input;
  FrameTimer& frameTimer;
  MidiPlayer& midi;
};

}  // namespace quarrion
