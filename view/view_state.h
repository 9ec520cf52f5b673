// The view's own state and the display geometry that follows from the zoom setting.
#pragma once
#include <cstdint>

namespace quarrion {

// What the presentation keeps between frames beside the camera steps and pixel offsets of
// GameState::camera: those are zeroed at every cave start, these live for the whole run.
struct ViewState {
  uint8_t zoom = 0;         // 0 small, 1 medium, 2 large
  int scrollX = 0;          // cave cell in the view's top-left corner, 0..20
  int scrollY = 0;          // 0..10
  uint8_t titleScroll = 0;  // offset of the creeping intro wall, 0..TileSize-1
};

struct ZoomGeometry {
  int tileSize = 24;
  int statusX = 0;  // status origin: centres the 480-pixel strip layout on wider surfaces
  int width = 480;
  int height = 312;
  int scrollStep = 2;  // camera pixels per tick
};

// The geometry of a zoom setting; an unknown zoom gives that of zoom 0.
constexpr ZoomGeometry GeometryOf(int zoom) {
  switch (zoom) {
    case 1: return ZoomGeometry{32, 82, 640, 408, 4};
    case 2: return ZoomGeometry{40, 162, 800, 504, 4};
    default: return ZoomGeometry{24, 0, 480, 312, 2};
  }
}

constexpr int kStatusHeight = 24;
constexpr int kViewColumns = 20;
constexpr int kViewRows = 12;

}  // namespace quarrion
