// The real drawing surface, input and frame timer on Qt (gamepads through SDL). The surface
// draws into the software 16-bit buffer and shows it in a widget, so a frame on screen is
// pixel for pixel the frame the tests see.
#pragma once
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

#include "app/gamepad.h"
#include "app/media/headless_media.h"
#include "app/media/media.h"

namespace quarrion {

class ScreenWidget;

class QtSurface : public SoftwareSurface {
 public:
  void SetWidget(ScreenWidget* widget) { widget_ = widget; }
  void Flip() override;

 private:
  ScreenWidget* widget_ = nullptr;
};

// Shows the surface: in a window at its own size, in full screen centred on black inside the
// emulated display (640 × 480 or 800 × 600) scaled by a whole factor to fit the screen.
class ScreenWidget : public QWidget {
  Q_OBJECT
 public:
  explicit ScreenWidget(QWidget* parent = nullptr);
  void SetSurface(const SoftwareSurface* surface) { surface_ = surface; }
  // Full screen layout: the display emulated and where the surface lies on it.
  void SetFullScreenLayout(bool on, int displayWidth, int displayHeight, int surfaceX, int surfaceY);
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
  QRect TargetRect() const;
  const SoftwareSurface* surface_ = nullptr;
  bool fullScreen_ = false;
  int displayWidth_ = 640;
  int displayHeight_ = 480;
  int surfaceX_ = 0;
  int surfaceY_ = 0;
};

// Keyboard states kept from the window's key events, plus the gamepads; read only while active.
class QtInput : public Input {
 public:
  // The window passes every key press and release here.
  void KeyEvent(int qtKey, bool pressed);
  void ReleaseAll() { held_.fill(false); }
  void SetActive(bool active) { active_ = active; }
  void Poll() override;
  InputState States() const override { return state_; }

 private:
  enum Control { Up, Down, Left, Right, Button1, Ctrl, ControlCount };
  std::array<bool, ControlCount> held_{};
  InputState state_;
  bool active_ = true;
  Gamepads pads_;
};

// The frame timer: a precise Qt timer that runs only while enabled and the program is active.
class QtFrameTimer : public FrameTimer {
 public:
  QtFrameTimer();
  void SetTick(std::function<void()> tick) { tick_ = std::move(tick); }
  void SetInterval(int milliseconds) override;
  int Interval() const override { return interval_; }
  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return enabled_; }
  void SetActive(bool active);

 private:
  void Update();
  QTimer timer_;
  std::function<void()> tick_;
  int interval_ = 160;
  bool enabled_ = true;
  bool active_ = true;
};

}  // namespace quarrion
