#include "app/media/headless_media.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace quarrion {

bool PatternRect(const ImageItem& item, int pattern, Rect& source) {
  const int count = item.PatternCount();
  if (pattern < 0 || pattern >= count) return false;
  const int w = item.PatternWidth();
  const int h = item.PatternHeight();
  const int across = (item.bitmap.width + item.skipWidth) / (w + item.skipWidth);
  source = Rect{(pattern % across) * (w + item.skipWidth), (pattern / across) * (h + item.skipHeight), w, h};
  return true;
}

void SoftwareSurface::Resize(int width, int height) {
  width_ = std::max(0, width);
  height_ = std::max(0, height);
  pixels_.assign(std::size_t(width_) * std::size_t(height_), 0);
}

void SoftwareSurface::Fill(uint16_t color) {
  if ((color >> 8) == (color & 0xFF)) {
    std::memset(pixels_.data(), color & 0xFF, pixels_.size() * sizeof(uint16_t));  // black, mostly
    return;
  }
  std::fill(pixels_.begin(), pixels_.end(), color);
}

void SoftwareSurface::FillRect(const Rect& rect, uint16_t color) {
  const int x0 = std::max(0, rect.x);
  const int y0 = std::max(0, rect.y);
  const int x1 = std::min(width_, rect.x + rect.width);
  const int y1 = std::min(height_, rect.y + rect.height);
  for (int y = y0; y < y1; ++y)
    std::fill_n(pixels_.begin() + std::ptrdiff_t(y) * width_ + x0, std::max(0, x1 - x0), color);
}

void SoftwareSurface::Draw(const ImageList& list, int item, int pattern, int x, int y) {
  const ImageItem* image = list.Item(item);
  Rect source;
  if (image == nullptr || !PatternRect(*image, pattern, source)) return;
  const int x0 = std::max(0, x);
  const int y0 = std::max(0, y);
  const int x1 = std::min(width_, x + source.width);
  const int y1 = std::min(height_, y + source.height);
  const ImageList::Ready& ready = list.ReadyItem(item);
  for (int ty = y0; ty < y1; ++ty) {
    const std::size_t from = std::size_t(source.y + (ty - y)) * std::size_t(image->bitmap.width) +
                             std::size_t(source.x + (x0 - x));
    const uint16_t* color = ready.color.data() + from;
    const uint16_t* opaque = ready.opaque.data() + from;
    uint16_t* to = pixels_.data() + std::size_t(ty) * std::size_t(width_) + std::size_t(x0);
    // a masked blend without a branch, four pixels a word
    const int count = x1 - x0;
    int n = 0;
    for (; n + 4 <= count; n += 4) {
      uint64_t target, mask, picture;
      std::memcpy(&target, to + n, sizeof target);
      std::memcpy(&mask, opaque + n, sizeof mask);
      std::memcpy(&picture, color + n, sizeof picture);
      target = (target & ~mask) | picture;
      std::memcpy(to + n, &target, sizeof target);
    }
    for (; n < count; ++n) to[n] = uint16_t((to[n] & ~opaque[n]) | color[n]);
  }
}

void SoftwareSurface::StretchDraw(const ImageList& list, int item, int pattern, const Rect& target) {
  const ImageItem* image = list.Item(item);
  Rect source;
  if (image == nullptr || !PatternRect(*image, pattern, source)) return;
  if (target.width <= 0 || target.height <= 0) return;
  const int x0 = std::max(0, target.x);
  const int y0 = std::max(0, target.y);
  const int x1 = std::min(width_, target.x + target.width);
  const int y1 = std::min(height_, target.y + target.height);
  for (int ty = y0; ty < y1; ++ty) {
    // nearest source pixel: pixel art stays crisp when scaled
    const int sy = source.y + int(int64_t(ty - target.y) * source.height / target.height);
    uint16_t* row = pixels_.data() + std::size_t(ty) * std::size_t(width_);
    for (int tx = x0; tx < x1; ++tx) {
      const int sx = source.x + int(int64_t(tx - target.x) * source.width / target.width);
      const uint32_t rgb = image->bitmap.At(sx, sy);
      if (image->transparent && rgb == image->transparentColor) continue;
      row[tx] = ToRgb565(rgb);
    }
  }
}

void ScriptedInput::Poll() {
  ++polls_;
  if (script_.empty()) return;
  current_ = script_.front();
  script_.pop_front();
}

bool RecordingMidiPlayer::Open() {
  open_ = !fileName_.empty() && std::ifstream(fileName_, std::ios::binary).good();
  return open_;
}

void RecordingMidiPlayer::Play() {
  if (!open_) return;
  playing_ = true;
  ++plays_;
}

void RecordingMidiPlayer::Stop() {
  if (!playing_) return;
  playing_ = false;
  if (notify_) notify_();
}

void RecordingMidiPlayer::Advance(int64_t milliseconds) {
  if (!playing_) return;
  position_ = std::min(trackLength_, position_ + milliseconds);
  if (position_ >= trackLength_) Stop();
}

}  // namespace quarrion
