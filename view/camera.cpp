#include "view/camera.h"

#include <algorithm>

#include "core/cave_set.h"

namespace quarrion {
namespace {

// The scroll limits of one axis: where scrolls start and how far the view may go.
struct Axis {
  int forwardAt;  // player this far into the view starts a forward scroll
  int backAt;     // player closer than this to the view's edge starts a backward scroll
  int maxScroll;
  int cellsPerScroll;
};

constexpr Axis kHorizontal{14, 6, 20, 4};
constexpr Axis kVertical{8, 4, 10, 2};

void StepAxis(const Axis& axis, int player, int tileSize, int step, int& scroll, int32_t& steps,
              int32_t& offset) {
  const int ticksPerCell = tileSize / step;
  if (steps == 0) {
    const int r = player - scroll;
    if (r >= axis.forwardAt && scroll < axis.maxScroll) {
      const int cells = std::min(axis.cellsPerScroll, axis.maxScroll - scroll);
      steps = ticksPerCell * cells - 1;
      offset = -step;
    } else if (r < axis.backAt && scroll >= 1) {
      const int cells = std::min(axis.cellsPerScroll, scroll);
      // the view jumps one cell back at once and slides forward from there
      steps = -ticksPerCell * cells + 1;
      offset = -(tileSize - step);
      scroll -= 1;
    }
    return;
  }
  if (steps > 0) {
    steps -= 1;
    offset -= step;
    if (steps % ticksPerCell == 0) {
      scroll += 1;
      offset = 0;
    }
    return;
  }
  steps += 1;
  offset += step;
  // at every whole cell but the last: the view has come back to 0 by itself there
  if (steps != 0 && steps % ticksPerCell == 0) {
    scroll -= 1;
    offset = -tileSize;
  }
}

}  // namespace

void UpdateCamera(GameState& game, ViewState& view) {
  const ZoomGeometry g = GeometryOf(view.zoom);
  Camera& c = game.camera;
  StepAxis(kHorizontal, game.play.playerX, g.tileSize, g.scrollStep, view.scrollX, c.scrollStepX, c.offsetX);
  StepAxis(kVertical, game.play.playerY, g.tileSize, g.scrollStep, view.scrollY, c.scrollStepY, c.offsetY);
}

void CameraTick(GameState& game, ViewState& view) {
  if (IsSmallCave(game.play.caveNo)) {
    view.scrollX = 0;
    view.scrollY = 0;
    return;
  }
  UpdateCamera(game, view);
}

void SetZoom(GameState& game, ViewState& view, int zoom) {
  view.zoom = uint8_t(zoom >= 0 && zoom <= 2 ? zoom : 0);
  // a scroll cut short would leave the view shifted by a part of a cell for good
  game.camera = Camera{};
}

}  // namespace quarrion
