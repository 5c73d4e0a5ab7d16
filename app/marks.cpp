#include "app/marks.h"

#include <algorithm>

QRegion opaquePart(const Mark& mark) {
  switch (mark.kind) {
    case Mark::Kind::Picture:  // every picture is opaque
      return QRegion(mark.area);
    case Mark::Kind::Outline:
      return QRegion(mark.area) - QRegion(mark.area.adjusted(1, 1, -1, -1));
    case Mark::Kind::Text:  // drawn on a clear background
      break;
  }
  return {};
}

void MarkList::add(const Mark& mark, const QRect& bounds) {
  const QRegion showing = QRegion(mark.area) & bounds;
  if (showing.isEmpty()) return;
  const QRegion cover = opaquePart(mark) & bounds;
  if (!cover.isEmpty()) {
    const QRect reach = cover.boundingRect();
    bool hidden = false;
    for (Kept& k : kept_) {
      if (!k.showing.boundingRect().intersects(reach)) continue;
      k.showing -= cover;
      hidden = hidden || k.showing.isEmpty();
    }
    if (hidden) std::erase_if(kept_, [](const Kept& k) { return k.showing.isEmpty(); });
  }
  kept_.push_back({mark, showing});
}
