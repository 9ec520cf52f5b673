#include "app/solve_check.h"

#include <QAction>
#include <algorithm>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QWidget>

#include "app/solve_texts.h"
#include "editor/editor_session.h"
#include "solver/demo_from_solution.h"

namespace quarrion {
namespace {

QString Qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

constexpr int kPollMs = 100;

}  // namespace

SolveCheck::SolveCheck(QWidget* window, GameState& game, EditorState& editor, Hooks hooks)
    : QObject(window), window_(window), game_(game), editor_(editor), hooks_(std::move(hooks)) {
  poll_.setInterval(kPollMs);
  connect(&poll_, &QTimer::timeout, this, [this] { Poll(); });
}

SolveCheck::~SolveCheck() { solver_.Cancel(); }

void SolveCheck::AddControls(QMenu* editMenu, QMenuBar* menuBar) {
  action_ = editMenu->addAction(QString());
  action_->setObjectName("EditMenu_CheckSolvable");
  connect(action_, &QAction::triggered, this, [this] { Run(); });
  // the panel's rows are full: the button sits at the right end of the editor's menu bar
  button_ = new QPushButton(menuBar);
  button_->setObjectName("Editor_Button_CheckSolvable");
  menuBar->setCornerWidget(button_, Qt::TopRightCorner);
  button_->setFocusPolicy(Qt::NoFocus);  // the editor's keys stay with the window
  button_->hide();
  connect(button_, &QPushButton::clicked, this, [this] { Run(); });
  ApplyLanguage(hooks_.language ? hooks_.language() : 0);
}

void SolveCheck::ApplyLanguage(int language) {
  if (action_) action_->setText(Qs(SolveTextOf(SolveText::CheckMenu, language)));
  if (button_) button_->setText(Qs(SolveTextOf(SolveText::CheckButton, language)));
}

void SolveCheck::SetActive(bool editorOpen) {
  if (button_) {
    button_->setVisible(editorOpen);
    button_->setEnabled(editorOpen);
  }
  if (action_) action_->setEnabled(editorOpen);
}

void SolveCheck::Run() {
  if (running_ || game_.play.inGame != 2) return;
  if (hooks_.storeFields) hooks_.storeFields();
  cave_ = game_.play.caveNo;
  level_ = game_.play.levelNo;
  SolveBudget budget;
  budget.seconds = budgetSeconds_;
  budget.memoryBytes = std::size_t{512} << 20;
  solver_.StartLevel(game_.caves, cave_, level_, budget);
  running_ = true;
  cancelled_ = false;
  const int language = hooks_.language ? hooks_.language() : 0;
  progress_ = new QProgressDialog(window_);
  progress_->setObjectName("SolveCheckProgress");
  progress_->setWindowModality(Qt::WindowModal);  // no edits while the answer is pending
  progress_->setCancelButtonText(Qs(SolveTextOf(SolveText::Cancel, language)));
  progress_->setRange(0, int(budgetSeconds_ * 10));
  progress_->setMinimumDuration(0);
  progress_->setAutoClose(false);
  progress_->setAutoReset(false);
  connect(progress_, &QProgressDialog::canceled, this, [this] { Cancel(); });
  Poll();
  progress_->show();
  poll_.start();
}

void SolveCheck::Cancel() {
  if (!running_) return;
  // a search that ended just before the click is not reported either: the user asked for no answer
  cancelled_ = true;
  solver_.Cancel();
  Poll();
}

void SolveCheck::Poll() {
  if (!running_) return;
  const SolveProgress p = solver_.Progress();
  if (progress_) {
    const int language = hooks_.language ? hooks_.language() : 0;
    progress_->setLabelText(Qs(SolveTextOf(SolveText::Searching, language))
                                .arg(p.seconds, 0, 'f', 1)
                                .arg(budgetSeconds_, 0, 'f', 0));
    progress_->setValue(std::min(progress_->maximum(), int(p.seconds * 10)));
  }
  if (!solver_.Finished()) return;
  poll_.stop();
  running_ = false;
  if (progress_) {
    progress_->hide();
    progress_->deleteLater();
    progress_ = nullptr;
  }
  Finish(solver_.Wait());
}

void SolveCheck::Finish(const SolveOutcome& outcome) {
  const int language = hooks_.language ? hooks_.language() : 0;
  if (outcome.status == SolveStatus::Cancelled || cancelled_) return;
  if (outcome.status != SolveStatus::Solved) {
    if (hooks_.tell) hooks_.tell(Qs(SolveTextOf(SolveText::NotFound, language)));
    return;
  }
  const QString answer = Qs(SolveTextOf(SolveText::Solvable, language))
                             .arg(qsizetype(std::count_if(outcome.keys.begin(), outcome.keys.end(), [](char k) { return k != '.'; })))
                             .arg(outcome.seconds, 0, 'f', 1)
                             .arg(budgetSeconds_, 0, 'f', 0);
  const QString question = answer + "\n\n" + Qs(SolveTextOf(SolveText::AskStoreDemo, language));
  if (!hooks_.ask || !hooks_.ask(question)) return;
  // the level may have been left meanwhile only through the dialog's window: it was modal
  BeginEditStep(game_, editor_);
  std::string why;
  if (RecordDemoFromKeys(game_.caves, cave_, level_, outcome.keys, why)) game_.caveSet.cavesModified = 1;
  EndEditStep(game_, editor_);
  if (hooks_.changed) hooks_.changed();
}

}  // namespace quarrion
