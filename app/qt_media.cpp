#include "app/qt_media.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace quarrion {

void QtSurface::Flip() {
  SoftwareSurface::Flip();
  if (widget_ != nullptr) widget_->update();
}

ScreenWidget::ScreenWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
}

void ScreenWidget::SetFullScreenLayout(bool on, int displayWidth, int displayHeight, int surfaceX, int surfaceY) {
  fullScreen_ = on;
  displayWidth_ = displayWidth;
  displayHeight_ = displayHeight;
  surfaceX_ = surfaceX;
  surfaceY_ = surfaceY;
  update();
}

QRect ScreenWidget::TargetRect() const {
  if (surface_ == nullptr) return QRect();
  if (!fullScreen_) return QRect(0, 0, surface_->Width(), surface_->Height());
  // a whole scale factor keeps the pixel art crisp
  const int scale = std::max(1, std::min(width() / displayWidth_, height() / displayHeight_));
  const int left = (width() - displayWidth_ * scale) / 2 + surfaceX_ * scale;
  const int top = (height() - displayHeight_ * scale) / 2 + surfaceY_ * scale;
  return QRect(left, top, surface_->Width() * scale, surface_->Height() * scale);
}

QPoint ScreenWidget::ToSurface(const QPoint& p) const {
  const QRect target = TargetRect();
  if (surface_ == nullptr || target.width() <= 0) return p;
  return QPoint((p.x() - target.x()) * surface_->Width() / target.width(),
                (p.y() - target.y()) * surface_->Height() / target.height());
}

void ScreenWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (fullScreen_ || surface_ == nullptr) painter.fillRect(rect(), Qt::black);
  if (surface_ == nullptr || surface_->Width() == 0) return;
  const QImage image(reinterpret_cast<const uchar*>(surface_->Pixels().data()), surface_->Width(), surface_->Height(),
                     surface_->Width() * 2, QImage::Format_RGB16);
  painter.drawImage(TargetRect(), image);
}

static int ButtonNumber(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 3;
    default:
      return 0;
  }
}

void ScreenWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint p = ToSurface(event->position().toPoint());
  emit MousePressed(ButtonNumber(event->button()), p.x(), p.y());
}

void ScreenWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = ToSurface(event->position().toPoint());
  int buttons = 0;
  if (event->buttons() & Qt::LeftButton) buttons |= 1;
  if (event->buttons() & Qt::RightButton) buttons |= 2;
  if (event->buttons() & Qt::MiddleButton) buttons |= 4;
  emit MouseMoved(buttons, p.x(), p.y());
}

void ScreenWidget::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = ToSurface(event->position().toPoint());
  emit MouseReleased(ButtonNumber(event->button()), p.x(), p.y());
}

void ScreenWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit DoubleClicked();
}

void QtInput::KeyEvent(int key, bool pressed) {
  int control = -1;
  switch (key) {
    case Qt::Key_K:
    case Qt::Key_Up:
    case Qt::Key_8:
      control = Up;
      break;
    case Qt::Key_J:
    case Qt::Key_Down:
    case Qt::Key_2:
      control = Down;
      break;
    case Qt::Key_H:
    case Qt::Key_Left:
    case Qt::Key_4:
      control = Left;
      break;
    case Qt::Key_L:
    case Qt::Key_Right:
    case Qt::Key_6:
      control = Right;
      break;
    case Qt::Key_Z:
    case Qt::Key_Space:
      control = Button1;
      break;
    case Qt::Key_Control:
      control = Ctrl;
      break;
    default:
      return;
  }
  held_[std::size_t(control)] = pressed;
}

void QtInput::Poll() {
  state_ = InputState{};
  if (!active_) return;
  state_.up = held_[Up];
  state_.down = held_[Down];
  state_.left = held_[Left];
  state_.right = held_[Right];
  state_.button1 = held_[Button1];
  state_.ctrl = held_[Ctrl];
  const PadState pad = pads_.Read();
  state_.up = state_.up || pad.up;
  state_.down = state_.down || pad.down;
  state_.left = state_.left || pad.left;
  state_.right = state_.right || pad.right;
  state_.button1 = state_.button1 || pad.button1;
}

QtFrameTimer::QtFrameTimer() {
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (tick_) tick_();
  });
  Update();
}

void QtFrameTimer::SetInterval(int milliseconds) {
  interval_ = std::max(0, milliseconds);
  timer_.setInterval(interval_);
}

void QtFrameTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Update();
}

void QtFrameTimer::SetActive(bool active) {
  active_ = active;
  Update();
}

void QtFrameTimer::Update() {
  timer_.setInterval(interval_);
  if (enabled_ && active_) {
    if (!timer_.isActive()) timer_.start();
  } else {
    timer_.stop();
  }
}

}  // namespace quarrion
