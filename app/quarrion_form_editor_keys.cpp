// The main window's editor mode, keys and focus: which keys the panel's edits keep, undo from
// any of them, the mouse events the surface widget does not pass on, the question about a level
// without exits, and the status shown once a frame (the unsaved mark and the cursor line).
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>

#include "app/editor_panel.h"
#include "app/editor_texts.h"
#include "app/quarrion_form.h"
#include "app/texts.h"
#include "editor/editor_session.h"

namespace quarrion {
namespace {

QString Qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

constexpr std::string_view kUnsavedMark = " *";


bool IsUndoKey(const QKeyEvent* key) { return key->matches(QKeySequence::Undo); }
bool IsRedoKey(const QKeyEvent* key) {
  const QKeyCombination chord = key->keyCombination();
  return key->matches(QKeySequence::Redo) || chord == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z) ||
         chord == QKeyCombination(Qt::CTRL, Qt::Key_Y);
}

}  // namespace

int ToolModifiers(Qt::KeyboardModifiers held) {
  int modifiers = 0;
  if (held & Qt::ControlModifier) modifiers |= kWithCtrl;
  if (held & Qt::ShiftModifier) modifiers |= kWithShift;
  if (held & Qt::AltModifier) modifiers |= kWithAlt;
  return modifiers;
}

bool TQuarrionForm::eventFilter(QObject* watched, QEvent* event) {
  if (panel_ != nullptr && watched == panel_->DemoRadio()) {
    // the indicator only shows the cave's demo: any touch sends the focus on
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::KeyPress:
      case QEvent::FocusIn:
        FocusTestCave();
        return true;
      default:
        return false;
    }
  }
  if (watched == screen_) return SurfaceEvent(event);
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (edit != nullptr && event->type() == QEvent::ShortcutOverride) {
    // an edit would take Ctrl+Z for its own text; the editor's history is what it means here
    auto* key = static_cast<QKeyEvent*>(event);
    if (!IsUndoKey(key) && !IsRedoKey(key)) return false;
    event->accept();  // so the key comes to the edit, where it is handed on below
    return true;
  }
  if (event->type() != QEvent::KeyPress) return false;
  // a key a panel control leaves unused stops at the client area: the forwarding controls have
  // handed it to the window already, and the others keep their keys to themselves
  if (watched == client_) return true;
  auto* key = static_cast<QKeyEvent*>(event);
  if (edit != nullptr && (IsUndoKey(key) || IsRedoKey(key))) {
    if (IsUndoKey(key)) EditorUndo();
    else EditorRedo();
    return true;
  }
  const bool forwards = panel_->ForwardsKeys(watched);
  if ((watched == this || forwards) && !ExitsConfirmedForKey(key)) return true;
  if (watched == this) return false;  // the window's own handler takes it
  if (forwards) keyPressEvent(key);
  // only digits are typed: a command letter or an editor key acts, and is not left in the number
  const QString text = key->text();
  const bool printable = !text.isEmpty() && text.at(0).isPrint();
  return edit != nullptr && printable && !text.at(0).isDigit();
}

void TQuarrionForm::RemoveEditorFilters() {
  removeEventFilter(this);
  screen_->removeEventFilter(this);
  client_->removeEventFilter(this);
  for (const auto& [name, control] : panel_->Controls()) control->removeEventFilter(this);
}

bool TQuarrionForm::SurfaceEvent(QEvent* event) {
  if (game->play.inGame != 2) return false;
  switch (event->type()) {
    case QEvent::MouseButtonDblClick: {
      // the second press of a double click is a press like any other in the editor
      auto* mouse = static_cast<QMouseEvent*>(event);
      const QPoint p = screen_->ToSurface(mouse->position().toPoint());
      const int button = mouse->button() == Qt::LeftButton    ? 1
                         : mouse->button() == Qt::RightButton ? 2
                         : mouse->button() == Qt::MiddleButton ? 3
                                                              : 0;
      EditorMouseDownWith(button, p.x(), p.y(), ToolModifiers(mouse->modifiers()));
      return true;
    }
    case QEvent::Leave:
      cursorCell_ = QPoint(-1, -1);
      return false;
    default:
      return false;
  }
}

bool TQuarrionForm::ExitsConfirmedForKey(const QKeyEvent* key) {
  if (key->key() != Qt::Key_T || game->play.inGame != 2 || !game->play.editorActive) return true;
  if (!FindMissingExits(*game).Any()) return true;
  return !key->isAutoRepeat() && ConfirmExits();  // a held key asks once, and never slips through
}

bool TQuarrionForm::ConfirmExits() {
  const MissingExits missing = FindMissingExits(*game);
  if (!missing.Any()) return true;
  return askQuestion_(Qs(MissingExitsQuestion(missing.inbox, missing.outbox, config_.language)),
                      Qs(Text(kTextEditor, config_.language)));
}

void TQuarrionForm::ShowEditorStatus() {
  if (game->play.inGame != 2) return;
  QString caption = windowTitle();
  if (caption.endsWith(Qs(kUnsavedMark))) caption.chop(qsizetype(kUnsavedMark.size()));
  if (game->caveSet.cavesModified) caption += Qs(kUnsavedMark);
  if (caption != windowTitle()) setWindowTitle(caption);
  QString line;
  const int cx = cursorCell_.x();
  const int cy = cursorCell_.y();
  if (IsInsideEditedCave(*game, cx, cy)) {
    const uint8_t code = game->caves.Cell(game->play.caveNo, game->play.levelNo, cx, cy);
    line = Qs(CursorLine(cx, cy, code, config_.language));
  }
  panel_->ShowCursorLine(line);
}

}  // namespace quarrion
