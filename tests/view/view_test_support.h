// Small synthetic media for the view tests: every picture a solid square whose colour names its
// item, glyphs of differing widths, and a surface that records what was drawn where.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/media/headless_media.h"
#include "core/game_state.h"
#include "view/view_state.h"

namespace quarrion::testing {

// A distinct RGB565 colour per item, never black or white, so one pixel tells which item lies on top.
inline uint16_t ItemColour(int item) { return uint16_t(item + 1); }
inline int ItemAt(const SoftwareSurface& surface, int x, int y) { return int(surface.Pixel(x, y)) - 1; }

inline uint32_t Rgb888Of(uint16_t c565) {
  const uint32_t r = c565 >> 11, g = (c565 >> 5) & 63, b = c565 & 31;
  return (r << 3) << 16 | (g << 2) << 8 | (b << 3);
}

inline ImageItem SolidItem(int item, int width, int height) {
  ImageItem image;
  image.name = std::to_string(item);
  image.bitmap.width = width;
  image.bitmap.height = height;
  image.bitmap.pixels.assign(std::size_t(width) * std::size_t(height), Rgb888Of(ItemColour(item)));
  return image;
}

// The playfield pictures for one tile size; the title pictures are small corner blocks.
inline ImageListData TileImages(int tileSize) {
  ImageListData data;
  for (int n = 0; n < 114; ++n) {
    const int size = n >= 112 ? 6 : tileSize;
    data.items.push_back(SolidItem(n, size, size));
  }
  return data;
}

// Glyphs 6, 7 or 8 pixels wide and 8 high; the panels as wide as the surface; 16-pixel icons.
inline int GlyphWidthOf(int item) { return 6 + item % 3; }
inline ImageListData FontImages() {
  ImageListData data;
  for (int n = 0; n < 82; ++n) {
    if (n >= 71 && n <= 73) {
      data.items.push_back(SolidItem(n, GeometryOf(n - 71).width, kStatusHeight));
    } else if (n >= 74) {
      data.items.push_back(SolidItem(n, 16, 16));
    } else {
      data.items.push_back(SolidItem(n, GlyphWidthOf(n), 8));
    }
  }
  return data;
}

class RecordingSurface : public Surface {
 public:
  struct Call {
    const ImageList* list = nullptr;
    int item = 0;
    int x = 0;
    int y = 0;
    bool stretched = false;
    Rect target;
  };

  RecordingSurface(int width, int height) : width_(width), height_(height) {}
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Resize(int width, int height) override {
    width_ = width;
    height_ = height;
  }
  void Fill(uint16_t color) override { fills.push_back(color); }
  void Draw(const ImageList& list, int item, int /*pattern*/, int x, int y) override {
    calls.push_back({&list, item, x, y, false, {}});
  }
  void StretchDraw(const ImageList& list, int item, int /*pattern*/, const Rect& target) override {
    calls.push_back({&list, item, target.x, target.y, true, target});
  }
  void FillRect(const Rect&, uint16_t) override {}
  void Flip() override { ++flips; }

  std::vector<Call> calls;
  std::vector<uint16_t> fills;
  int flips = 0;

 private:
  int width_;
  int height_;
};

// One text as the strip drew it: glyphs that follow each other pen to pen form one run.
struct TextRun {
  int x = 0;
  std::string text;
  int digitColour = -1;  // colour set of its digits; -1 with no digit
};

inline char CharOfGlyph(int item) {
  if (item >= 1 && item <= 26) return char('A' + item - 1);
  if (item >= 40 && item <= 69) return char('0' + (item - 40) % 10);
  switch (item) {
    case 0: return ' ';
    case 36: return '-';
    case 37: return '.';
    case 38: return '/';
    default: return '?';
  }
}

inline std::vector<TextRun> TextRuns(const RecordingSurface& surface, const ImageList& fonts) {
  std::vector<TextRun> runs;
  int pen = -100000;
  for (const auto& call : surface.calls) {
    if (call.list != &fonts || call.item >= 70) {
      pen = -100000;
      continue;
    }
    if (call.x != pen || runs.empty()) runs.push_back({call.x, "", -1});
    runs.back().text += CharOfGlyph(call.item);
    if (call.item >= 40) runs.back().digitColour = (call.item - 40) / 10;
    pen = call.x + GlyphWidthOf(call.item);
  }
  return runs;
}

// A fresh game state on the heap: the cave set alone is 96000 bytes.
inline std::unique_ptr<GameState> FreshGame() { return std::make_unique<GameState>(); }

}  // namespace quarrion::testing
