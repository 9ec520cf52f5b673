// The real drawing surface and input on Qt (gamepads through SDL). The surface draws into the
// software 16-bit buffer and shows it in a widget, so a frame on screen is pixel for pixel the
// frame the tests see.
#pragma once
#include <QImage>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "app/display_mode.h"
#include "app/gamepad.h"
#include "app/media/headless_media.h"
#include "app/media/media.h"

namespace quarrion {

class ScreenWidget;

// The 16-bit surface's pixels as 32-bit RGB into an image of as many pixels (Format_RGB32),
// exactly as Qt widens them.
void ConvertRgb16(const std::vector<uint16_t>& pixels, QImage& out);

class QtSurface : public SoftwareSurface {
 public:
  void SetWidget(ScreenWidget* widget) { widget_ = widget; }
  void Flip() override;

 private:
  ScreenWidget* widget_ = nullptr;
};

// Shows the surface on black at the largest whole scale that fits: in a window the surface alone,
// in full screen the emulated display (640 × 480 or 800 × 600) with the surface at its place.
class ScreenWidget : public QWidget {
  Q_OBJECT
 public:
  explicit ScreenWidget(QWidget* parent = nullptr);
  void SetSurface(const SoftwareSurface* surface) { surface_ = surface; }
  // On a display: the full-screen layout; otherwise the surface alone is placed.
  void SetDisplay(bool onDisplay, const DisplayLayout& display);
  // Where the surface is drawn in the widget, scale included.
  QRect TargetRect() const;
  // A new frame was flipped: the rows that changed are painted at once.
  void ShowFrame();
  // Maps a point of the widget to surface coordinates.
  QPoint ToSurface(const QPoint& widgetPoint) const;

 signals:
  void MousePressed(int button, int x, int y);
  void MouseMoved(int buttons, int x, int y);
  void MouseReleased(int button, int x, int y);
  void DoubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // Widens the rows that changed since the last frame taken; how many rows from changedTop_.
  int TakeFrame();
  const SoftwareSurface* surface_ = nullptr;
  QImage shown_;                // the surface in the screen's 32-bit format, kept between frames
  std::vector<uint16_t> last_;  // the 16-bit frame that shown_ holds
  int takenFlips_ = -1;
  int changedTop_ = 0;
  bool onDisplay_ = false;
  DisplayLayout display_{};
};

// Keyboard states kept from the window's key events, plus the gamepads; read only while active.
class QtInput : public Input {
 public:
  // The window passes every key press and release here; only the keypad's digits steer.
  void KeyEvent(int qtKey, bool pressed, bool keypad = false);
  void ReleaseAll() {
    held_.fill(false);
    tapped_.fill(false);
  }
  void SetActive(bool active) { active_ = active; }
  // On: a direction pressed and released between two scans still reaches the next scan.
  void SetResponsiveTaps(bool on) {
    responsiveTaps_ = on;
    tapped_.fill(false);
  }
  bool ResponsiveTaps() const { return responsiveTaps_; }
  // A scan has sampled the controls: the kept taps have been seen.
  void ScanRead() { tapped_.fill(false); }
  void Poll() override;
  InputState States() const override { return state_; }

 private:
  enum Control { Up, Down, Left, Right, Button1, Ctrl, ControlCount };
  std::array<bool, ControlCount> held_{};
  std::array<bool, ControlCount> tapped_{};  // directions pressed since the last scan, when taps are kept
  InputState state_;
  bool active_ = true;
  bool responsiveTaps_ = false;
  Gamepads pads_;
};

}  // namespace quarrion
