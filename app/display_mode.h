// Where the game surface lies in the window and how the window is sized: at the zoom's size in a
// window that may grow (the surface then drawn at the largest whole scale that fits, centred on
// black), fixed in the editor, or full screen on the zoom's emulated display scaled to the screen.
#pragma once
#include <QRect>

class QMainWindow;
class QWidget;
class QVBoxLayout;

namespace quarrion {

class ScreenWidget;

// The full-screen display a zoom emulates and where the surface lies on it.
struct DisplayLayout {
  int width;
  int height;
  int surfaceX;
  int surfaceY;
};
DisplayLayout FullScreenLayoutOf(int zoom);

// The surface's rectangle in an area: the largest whole scale (at least 1) at which the display
// fits, the display centred and the surface at its place on it. A display of the surface's own
// size at (0, 0) gives the windowed placement.
QRect PlaceSurface(QSize area, QSize surface, const DisplayLayout& display);

class DisplayMode {
 public:
  DisplayMode(QMainWindow& window, QWidget& client, QVBoxLayout& layout, ScreenWidget& screen);

  bool FullScreen() const { return fullScreen_; }
  // The window at the zoom's client size (also leaving a maximised state); in full screen only
  // the emulated display changes.
  void ShowZoom(int zoom, QSize surface);
  // The editor's fixed window: the surface at the top of a client area of the given size.
  void ShowEditor(QSize surface, QSize client);
  void EnterFullScreen(int zoom);
  // Back to the window where and as large as it was before.
  void LeaveFullScreen(QSize surface);

 private:
  void Resizable(QSize surface);
  QMainWindow& window_;
  QWidget& client_;
  QVBoxLayout& layout_;
  ScreenWidget& screen_;
  bool fullScreen_ = false;
  QRect windowedGeometry_;
};

}  // namespace quarrion
