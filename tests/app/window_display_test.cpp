#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

#include "app/display_mode.h"
#include "app/qt_media.h"
#include "tests/app/form_fixture.h"

namespace quarrion {
namespace {

using testing::FormTest;

TEST(PlaceSurfaceTest, TakesTheLargestWholeScaleAndCentresTheDisplay) {
  // Large zoom maximised on a 2560 × 1440 display: 3 × 504 would not fit the height
  const QRect large = PlaceSurface(QSize(2560, 1400), QSize(800, 504), DisplayLayout{800, 504, 0, 0});
  EXPECT_EQ(large, QRect(480, 196, 1600, 1008));
  // the small zoom's full-screen display puts the surface at (80, 72) of 640 × 480, scaled with it
  const QRect small = PlaceSurface(QSize(1920, 1080), QSize(480, 312), FullScreenLayoutOf(0));
  EXPECT_EQ(small, QRect((1920 - 1280) / 2 + 160, (1080 - 960) / 2 + 144, 960, 624));
  // never below the surface's own size, even in a smaller area
  EXPECT_EQ(PlaceSurface(QSize(100, 100), QSize(480, 312), DisplayLayout{480, 312, 0, 0}).width(), 480);
}

TEST(ConvertRgb16Test, WidensEveryColourAsQtDoes) {
  std::vector<uint16_t> all(65536);
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = uint16_t(i);
  QImage ours(256, 256, QImage::Format_RGB32);
  ConvertRgb16(all, ours);
  const QImage qts = QImage(reinterpret_cast<const uchar*>(all.data()), 256, 256, 512, QImage::Format_RGB16)
                         .convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) ASSERT_EQ(ours.pixel(x, y), qts.pixel(x, y)) << std::hex << (y * 256 + x);
}

class WindowDisplayTest : public FormTest {
 protected:
  QWidget* Screen() const { return form_->findChild<QWidget*>("DXDraw"); }
  // The drawing widget as the player sees it, after one more frame.
  QImage Shown() {
    form_->FrameTick();
    QApplication::processEvents();
    return Screen()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  // Every pixel outside the surface's rectangle is black, and the surface shows the frame.
  void ExpectSurfaceOnBlack(const QImage& shown, const QRect& target) {
    ASSERT_FALSE(target.isEmpty());
    int strays = 0;
    for (int y = 0; y < shown.height(); y += 3)
      for (int x = 0; x < shown.width(); x += 3)
        if (!target.contains(x, y) && shown.pixel(x, y) != qRgb(0, 0, 0)) ++strays;
    EXPECT_EQ(strays, 0) << "the margins are black";
    int drawn = 0;
    for (int y = target.top(); y < target.bottom(); y += 7)
      for (int x = target.left(); x < target.right(); x += 7)
        if (shown.pixel(x, y) != qRgb(0, 0, 0)) ++drawn;
    EXPECT_GT(drawn, 50) << "the title screen is drawn inside the surface";
  }
};

TEST_F(WindowDisplayTest, FullScreenShowsTheSurfaceOnBlackAtEveryZoomAndLeavesAgain) {
  form_->show();
  QApplication::processEvents();
  const QSize windowed = form_->size();
  const QSize display = form_->screen()->geometry().size();
  for (const char* zoom : {"Zoom_Small", "Zoom_Medium", "Zoom_Large"}) {
    SCOPED_TRACE(zoom);
    form_->findChild<QAction*>(zoom)->trigger();
    form_->findChild<QAction*>("FullScreen")->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(form_->IsFullScreen());
    EXPECT_EQ(Screen()->size(), display) << "the surface widget fills the display";
    const QImage shown = Shown();
    ExpectSurfaceOnBlack(shown, form_->SurfaceRect());
    form_->findChild<QAction*>("FullScreen")->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(form_->IsFullScreen());
  }
  form_->findChild<QAction*>("Zoom_Medium")->trigger();
  QApplication::processEvents();
  EXPECT_EQ(form_->size(), windowed) << "the zoom sets the window back to its own size";
}

TEST_F(WindowDisplayTest, AGrownWindowDrawsAtAWholeScaleCentredAndTheZoomResetsIt) {
  form_->show();
  QApplication::processEvents();
  EXPECT_LT(form_->minimumWidth(), QWIDGETSIZE_MAX);
  EXPECT_EQ(form_->maximumWidth(), QWIDGETSIZE_MAX) << "the window may grow";
  const QSize start = form_->size();
  form_->resize(start.width() * 2 + 50, start.height() * 2 + 90);
  QApplication::processEvents();
  const QRect target = form_->SurfaceRect();
  EXPECT_EQ(target.size(), QSize(640 * 2, 408 * 2)) << "medium zoom at scale 2";
  const QSize area = Screen()->size();
  EXPECT_LE(std::abs(target.left() - (area.width() - target.right() - 1)), 1) << "centred across";
  EXPECT_LE(std::abs(target.top() - (area.height() - target.bottom() - 1)), 1) << "centred down";
  ExpectSurfaceOnBlack(Shown(), target);
  // a pixel of the surface becomes a 2 × 2 block: nearest neighbour, crisp
  const QImage shown = Shown();
  for (int y = target.top(); y < target.bottom(); y += 37)
    for (int x = target.left(); x < target.right(); x += 41) {
      const int sx = x - (x - target.left()) % 2;
      const int sy = y - (y - target.top()) % 2;
      ASSERT_EQ(shown.pixel(sx, sy), shown.pixel(sx + 1, sy + 1)) << x << "," << y;
    }
  form_->findChild<QAction*>("Zoom_Large")->trigger();
  QApplication::processEvents();
  EXPECT_EQ(form_->SurfaceRect(), QRect(0, 0, 800, 504)) << "the zoom sets the window back to the zoom's size";
}

// Only the rows that change are sent to the display: what the display holds after many frames of
// play must still be exactly the frame a full redraw gives.
TEST_F(WindowDisplayTest, TheDisplayHoldsTheWholeFrameAfterRowsAreSentByChange) {
  form_->show();
  QApplication::processEvents();
  for (int press = 0; press < 2; ++press) {
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QApplication::sendEvent(form_.get(), &space);
  }
  for (int tick = 0; tick < 300; ++tick) form_->FrameTick();  // cover, uncover, birth, scrolling
  QApplication::processEvents();
  const QImage onDisplay = form_->screen()->grabWindow(form_->winId()).toImage().convertToFormat(QImage::Format_RGB32);
  const QPoint at = Screen()->mapTo(form_.get(), QPoint(0, 0));
  const QImage drawn = Screen()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_GE(onDisplay.width(), at.x() + drawn.width());
  int differing = 0;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x)
      if (onDisplay.pixel(at.x() + x, at.y() + y) != drawn.pixel(x, y)) ++differing;
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace quarrion
