#include "app/game_hint.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "app/qt_media.h"
#include "app/solve_texts.h"
#include "core/game_flow.h"
#include "core/game_phases.h"

namespace quarrion {
namespace {

QString Qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

constexpr int kPollMs = 100;
const QColor kArrowColour(255, 255, 255, 120);  // faint: the cave stays readable under it

// Draws the hint over the screen widget, in its coordinates; lets every mouse event through.
class HintLayer : public QWidget {
 public:
  HintLayer(ScreenWidget* screen, const GameHint& hint, const GameState& game, const ViewState& view)
      : QWidget(screen), screen_(screen), hint_(hint), game_(game), view_(view) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (hint_.Path().size() < 2 && hint_.Message().isEmpty()) return;
    // the screen maps its points to the surface; its inverse is found from two points
    const QPoint a = screen_->ToSurface(QPoint(0, 0));
    const QPoint b = screen_->ToSurface(QPoint(1000, 1000));
    if (b.x() == a.x() || b.y() == a.y()) return;
    const double sx = 1000.0 / (b.x() - a.x());
    const double sy = 1000.0 / (b.y() - a.y());
    const int t = GeometryOf(view_.zoom).tileSize;
    auto centre = [&](const HintCell& c) {
      const double px = t * (c.x - view_.scrollX) + game_.camera.offsetX + t / 2.0;
      const double py = t * (c.y - view_.scrollY) + kStatusHeight + game_.camera.offsetY + t / 2.0;
      return QPointF((px - a.x()) * sx, (py - a.y()) * sy);
    };
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = t * sx;
    painter.setPen(QPen(kArrowColour, std::max(2.0, scale / 8), Qt::SolidLine, Qt::RoundCap));
    const std::vector<HintCell>& path = hint_.Path();
    for (std::size_t i = 1; i < path.size(); ++i) {
      const QPointF from = centre(path[i - 1]);
      const QPointF to = centre(path[i]);
      painter.drawLine(from, to);
      // the head: two short strokes back from the tip
      const QPointF dir = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
      const QPointF side(-dir.y(), dir.x());
      const double head = scale / 4;
      painter.drawLine(to, to - dir * head + side * head * 0.7);
      painter.drawLine(to, to - dir * head - side * head * 0.7);
    }
    if (!hint_.Message().isEmpty()) {
      // over the status strip, where the game's own messages stand
      const QRectF strip(QPointF((0 - a.x()) * sx, (0 - a.y()) * sy),
                         QPointF((screen_->width() - a.x()) * sx, (kStatusHeight - a.y()) * sy));
      painter.fillRect(strip, Qt::black);
      QFont font = painter.font();
      font.setBold(true);
      font.setPixelSize(std::max(10, int(kStatusHeight * sy * 0.6)));
      painter.setFont(font);
      painter.setPen(Qt::white);
      painter.drawText(strip, Qt::AlignCenter, hint_.Message());
    }
  }

 private:
  ScreenWidget* screen_;
  const GameHint& hint_;
  const GameState& game_;
  const ViewState& view_;
};

}  // namespace

GameHint::GameHint(ScreenWidget* screen, GameState& game, const ViewState& view, ShellHooks& shell,
                   std::function<int()> language)
    : QObject(screen), screen_(screen), game_(game), view_(view), shell_(shell), language_(std::move(language)) {
  layer_ = new HintLayer(screen, *this, game, view);
  layer_->hide();
  poll_.setInterval(kPollMs);
  connect(&poll_, &QTimer::timeout, this, [this] { Poll(); });
}

GameHint::~GameHint() { solver_.Cancel(); }

void GameHint::AddMenuItem(QMenu* gameMenu, QAction* before) {
  action_ = new QAction(gameMenu);
  gameMenu->insertAction(before, action_);
  action_->setObjectName("GameMenu_Hint");
  connect(action_, &QAction::triggered, this, [this] { Ask(); });
  ApplyLanguage(language_ ? language_() : 0);
}

void GameHint::ApplyLanguage(int language) {
  if (action_) action_->setText(Qs(SolveTextOf(SolveText::HintMenu, language)));
}

void GameHint::Ask() {
  const PlayState& s = game_.play;
  if (searching_ || s.inGame != 1 || s.phase != PhasePlay || s.demoPlaying || s.demoRecording) return;
  Clear();
  from_ = std::make_unique<GameState>(game_);  // taken in play, before the pause
  PauseKey(game_, shell_);
  game_.play.hintUsed = 1;
  SolveBudget budget;
  budget.seconds = kBudgetSeconds;
  budget.memoryBytes = std::size_t{256} << 20;
  solver_.StartFrom(*from_, budget);
  searching_ = true;
  poll_.start();
}

void GameHint::KeyPressed(int qtKey) {
  if (qtKey == Qt::Key_F1) {
    Ask();
    return;
  }
  if (!searching_) Clear();
}

bool GameHint::StillValid() const { return game_.play.inGame == 1 && game_.play.phase == PhasePause; }

void GameHint::Poll() {
  if (searching_ && !StillValid()) solver_.Cancel();  // resumed or left meanwhile: no answer wanted
  if (!StillValid() && !searching_) {
    Clear();
    poll_.stop();
    return;
  }
  if (!searching_ || !solver_.Finished()) return;
  searching_ = false;
  const SolveOutcome outcome = solver_.Wait();
  if (!StillValid() || outcome.status == SolveStatus::Cancelled) {
    Clear();
    poll_.stop();
    return;
  }
  if (outcome.status == SolveStatus::Solved)
    path_ = HintPath(*from_, outcome.keys);
  else
    message_ = Qs(SolveTextOf(SolveText::NoHint, language_ ? language_() : 0));
  layer_->setGeometry(screen_->rect());
  layer_->raise();
  layer_->show();
  layer_->update();
  // the poll goes on: the arrows go when the game resumes
}

void GameHint::Clear() {
  path_.clear();
  message_.clear();
  if (layer_) layer_->hide();
}

}  // namespace quarrion
