// The data held by the media lists: pictures and sounds with the properties a pack stores.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quarrion {

// A decoded picture, 0xRRGGBB per pixel, rows top to bottom.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;

  uint32_t At(int x, int y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
  bool Empty() const { return width <= 0 || height <= 0; }
};

constexpr uint32_t kMagenta = 0xFF00FF;
constexpr uint32_t kBlack = 0x000000;

struct ImageItem {
  std::string name;
  int32_t patternWidth = 0;   // 0: the picture's own width
  int32_t patternHeight = 0;  // 0: the picture's own height
  int32_t skipWidth = 0;
  int32_t skipHeight = 0;
  bool systemMemory = false;
  bool transparent = true;
  uint32_t transparentColor = kMagenta;  // 0xRRGGBB
  Bitmap bitmap;                         // empty when the item has no picture

  int PatternWidth() const { return patternWidth > 0 ? patternWidth : bitmap.width; }
  int PatternHeight() const { return patternHeight > 0 ? patternHeight : bitmap.height; }
  // Patterns are laid out left to right, then top to bottom, across the picture.
  int PatternCount() const;
};

struct ImageListData {
  std::array<uint32_t, 256> colorTable{};  // four bytes per entry as a pack stores them
  std::vector<ImageItem> items;
};

// A sound as PCM samples, interleaved when stereo.
struct Wave {
  int sampleRate = 0;
  int channels = 0;
  int bitsPerSample = 0;  // of the stored data: 8 or 16
  std::vector<int16_t> samples;

  bool Empty() const { return samples.empty(); }
  double Seconds() const {
    return sampleRate > 0 && channels > 0 ? double(samples.size()) / channels / sampleRate : 0.0;
  }
};

struct SoundItem {
  std::string name;
  bool looped = false;
  int32_t maxPlayingCount = 0;  // 0: no limit
  Wave wave;
};

struct SoundListData {
  std::vector<SoundItem> items;
};

}  // namespace quarrion
