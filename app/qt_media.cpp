#include "app/qt_media.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace quarrion {

namespace {

// Every RGB565 colour widened to 32-bit RGB by repeating each field's top bits, as Qt does; one
// lookup a pixel, and a frame holds few colours, so the table stays in the cache.
const std::vector<uint32_t>& Rgb16Table() {
  static const std::vector<uint32_t> table = [] {
    std::vector<uint32_t> widened(65536);
    for (uint32_t c = 0; c < 65536; ++c) {
      const uint32_t r = c >> 11, g = (c >> 5) & 63, b = c & 31;
      widened[c] = 0xff000000u | (r << 3 | r >> 2) << 16 | (g << 2 | g >> 4) << 8 | (b << 3 | b >> 2);
    }
    return widened;
  }();
  return table;
}

}  // namespace

void ConvertRgb16(const std::vector<uint16_t>& pixels, QImage& out) {
  const uint32_t* table = Rgb16Table().data();
  auto* target = reinterpret_cast<uint32_t*>(out.bits());
  for (std::size_t i = 0; i < pixels.size(); ++i) target[i] = table[pixels[i]];
}

int ScreenWidget::TakeFrame() {
  const std::vector<uint16_t>& pixels = surface_->Pixels();
  const int width = surface_->Width();
  const int height = surface_->Height();
  takenFlips_ = surface_->Flips();
  if (shown_.width() != width || shown_.height() != height || last_.size() != pixels.size()) {
    shown_ = QImage(width, height, QImage::Format_RGB32);
    ConvertRgb16(pixels, shown_);
    last_ = pixels;
    return height;
  }
  // only the rows that differ from the frame on screen are widened and sent to the display
  const uint32_t* table = Rgb16Table().data();
  int first = height;
  int last = -1;
  for (int y = 0; y < height; ++y) {
    const std::size_t row = std::size_t(y) * std::size_t(width);
    if (std::memcmp(pixels.data() + row, last_.data() + row, std::size_t(width) * 2) == 0) continue;
    std::memcpy(last_.data() + row, pixels.data() + row, std::size_t(width) * 2);
    auto* line = reinterpret_cast<uint32_t*>(shown_.scanLine(y));
    for (int x = 0; x < width; ++x) line[x] = table[pixels[row + std::size_t(x)]];
    first = std::min(first, y);
    last = y;
  }
  changedTop_ = first;
  return last < first ? 0 : last - first + 1;
}

void ScreenWidget::ShowFrame() {
  if (surface_ == nullptr || surface_->Width() == 0) return;
  const bool whole = shown_.width() != surface_->Width() || shown_.height() != surface_->Height();
  const int rows = TakeFrame();
  if (rows == 0) return;  // the display shows this frame already
  const QRect target = TargetRect();
  if (whole || rows == surface_->Height()) {
    repaint();
    return;
  }
  const int scale = target.width() / std::max(1, surface_->Width());
  repaint(QRect(target.x(), target.y() + changedTop_ * scale, target.width(), rows * scale));
}

void QtSurface::Flip() {
  SoftwareSurface::Flip();
  // painted now rather than queued: two ticks never fold into one shown frame
  if (widget_ != nullptr && widget_->isVisible()) widget_->ShowFrame();
}

ScreenWidget::ScreenWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
}

void ScreenWidget::SetDisplay(bool onDisplay, const DisplayLayout& display) {
  onDisplay_ = onDisplay;
  display_ = display;
  update();
}

QRect ScreenWidget::TargetRect() const {
  if (surface_ == nullptr) return QRect();
  const QSize surface(surface_->Width(), surface_->Height());
  const DisplayLayout display = onDisplay_ ? display_ : DisplayLayout{surface.width(), surface.height(), 0, 0};
  return PlaceSurface(size(), surface, display);
}

QPoint ScreenWidget::ToSurface(const QPoint& p) const {
  const QRect target = TargetRect();
  if (surface_ == nullptr || target.width() <= 0) return p;
  return QPoint((p.x() - target.x()) * surface_->Width() / target.width(),
                (p.y() - target.y()) * surface_->Height() / target.height());
}

void ScreenWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (surface_ == nullptr || surface_->Width() == 0) {
    painter.fillRect(rect(), Qt::black);
    return;
  }
  const QRect target = TargetRect();
  // only the margins are blacked: the surface covers the rest every frame
  for (const QRect& margin : QRegion(rect()).subtracted(QRegion(target))) painter.fillRect(margin, Qt::black);
  // a frame flipped while the widget was hidden is taken now
  if (takenFlips_ != surface_->Flips() || shown_.width() != surface_->Width() || shown_.height() != surface_->Height())
    TakeFrame();
  painter.drawImage(target, shown_);  // nearest neighbour: no smooth transform is set
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

void QtInput::KeyEvent(int key, bool pressed, bool keypad) {
  // the digits of the main row are no play controls; the same keys of the keypad are
  if (!keypad && (key == Qt::Key_8 || key == Qt::Key_2 || key == Qt::Key_4 || key == Qt::Key_6)) return;
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
  if (pressed && responsiveTaps_ && control <= Right) tapped_[std::size_t(control)] = true;
}

void QtInput::Poll() {
  state_ = InputState{};
  if (!active_) return;
  state_.up = held_[Up] || tapped_[Up];
  state_.down = held_[Down] || tapped_[Down];
  state_.left = held_[Left] || tapped_[Left];
  state_.right = held_[Right] || tapped_[Right];
  state_.button1 = held_[Button1];
  state_.ctrl = held_[Ctrl];
  const PadState pad = pads_.Read();
  state_.up = state_.up || pad.up;
  state_.down = state_.down || pad.down;
  state_.left = state_.left || pad.left;
  state_.right = state_.right || pad.right;
  state_.button1 = state_.button1 || pad.button1;
}

}  // namespace quarrion
