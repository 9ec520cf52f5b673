#include "app/media/media_types.h"

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
