#include "app/display_mode.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

#include "app/qt_media.h"

namespace quarrion {

DisplayLayout FullScreenLayoutOf(int zoom) {
  switch (zoom) {
    case 1: return DisplayLayout{640, 480, 0, 30};
    case 2: return DisplayLayout{800, 600, 0, 40};
    default: return DisplayLayout{640, 480, 80, 72};
  }
}

QRect PlaceSurface(QSize area, QSize surface, const DisplayLayout& display) {
  if (display.width <= 0 || display.height <= 0) return QRect(QPoint(0, 0), surface);
  // a whole scale keeps the pixel art crisp
  const int scale = std::max(1, std::min(area.width() / display.width, area.height() / display.height));
  const int left = (area.width() - display.width * scale) / 2 + display.surfaceX * scale;
  const int top = (area.height() - display.height * scale) / 2 + display.surfaceY * scale;
  return QRect(left, top, surface.width() * scale, surface.height() * scale);
}

DisplayMode::DisplayMode(QMainWindow& window, QWidget& client, QVBoxLayout& layout, ScreenWidget& screen)
    : window_(window), client_(client), layout_(layout), screen_(screen) {
  // the surface takes all the room the window gives it; in the editor its fixed size stops it
  screen_.setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  layout_.setStretch(0, 1);
  layout_.setStretch(1, 0);
}

void DisplayMode::Resizable(QSize surface) {
  screen_.setMinimumSize(surface);
  screen_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  client_.setMinimumSize(surface);
  client_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  window_.setMinimumSize(0, 0);
  window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void DisplayMode::ShowZoom(int zoom, QSize surface) {
  if (fullScreen_) {
    screen_.SetDisplay(true, FullScreenLayoutOf(zoom));
    return;
  }
  screen_.SetDisplay(false, DisplayLayout{});
  if (window_.isMaximized()) window_.showNormal();
  Resizable(surface);
  // the zoom sets the window back to its own size; a grown window is drawn at a whole scale
  client_.resize(surface);
  window_.adjustSize();
  window_.resize(window_.sizeHint());
}

void DisplayMode::ShowEditor(QSize surface, QSize client) {
  if (window_.isMaximized()) window_.showNormal();
  screen_.SetDisplay(false, DisplayLayout{});
  screen_.setFixedSize(surface);
  client_.setFixedSize(client);
  window_.adjustSize();
  window_.setFixedSize(window_.sizeHint());
}

void DisplayMode::EnterFullScreen(int zoom) {
  if (fullScreen_) return;
  windowedGeometry_ = window_.geometry();
  fullScreen_ = true;
  window_.menuBar()->hide();
  screen_.setCursor(Qt::BlankCursor);
  window_.setMinimumSize(0, 0);
  window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  client_.setMinimumSize(0, 0);
  client_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  screen_.setMinimumSize(0, 0);
  screen_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  screen_.SetDisplay(true, FullScreenLayoutOf(zoom));
  window_.showFullScreen();
  // without a window manager nobody moves the window onto the whole display
  if (QScreen* display = window_.screen()) window_.setGeometry(display->geometry());
}

void DisplayMode::LeaveFullScreen(QSize surface) {
  if (!fullScreen_) return;
  fullScreen_ = false;
  screen_.SetDisplay(false, DisplayLayout{});
  screen_.unsetCursor();
  window_.menuBar()->show();
  window_.showNormal();
  Resizable(surface);
  window_.setGeometry(windowedGeometry_);  // a grown window comes back grown
}

}  // namespace quarrion
