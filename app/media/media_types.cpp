#include "app/media/media_types.h"

#include "app/media/media.h"

namespace quarrion {

int ImageItem::PatternCount() const {
  const int w = PatternWidth();
  const int h = PatternHeight();
  if (w <= 0 || h <= 0 || bitmap.Empty()) return 0;
  if (w + skipWidth <= 0 || h + skipHeight <= 0) return 0;  // a pack may hold any skip
  const int across = (bitmap.width + skipWidth) / (w + skipWidth);
  const int down = (bitmap.height + skipHeight) / (h + skipHeight);
  return across * down;
}

}  // namespace quarrion

namespace quarrion {

const ImageList::Ready& ImageList::ReadyItem(int n) const {
  if (ready_.size() != data_.items.size()) ready_.resize(data_.items.size());
  std::unique_ptr<Ready>& slot = ready_[std::size_t(n)];
  if (!slot) {
    const ImageItem& item = data_.items[std::size_t(n)];
    slot = std::make_unique<Ready>();
    slot->color.resize(item.bitmap.pixels.size());
    slot->opaque.resize(item.bitmap.pixels.size());
    for (std::size_t i = 0; i < item.bitmap.pixels.size(); ++i) {
      const uint32_t rgb = item.bitmap.pixels[i];
      const bool covers = !(item.transparent && rgb == item.transparentColor);
      slot->opaque[i] = covers ? 0xffff : 0;
      slot->color[i] = covers ? ToRgb565(rgb) : 0;
    }
  }
  return *slot;
}

}  // namespace quarrion
