// The main window's editor mode: entering and leaving, the panel and its buttons, the mouse on
// the drawing surface, the element popups and undo. The work itself is the editor model's.
#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

#include "app/dialogs.h"
#include "app/editor_panel.h"
#include "app/editor_texts.h"
#include "app/media/pack.h"
#include "app/quarrion_form.h"
#include "app/solve_check.h"
#include "app/texts.h"
#include "core/cave_set_file.h"
#include "core/cave_start.h"
#include "core/game_flow.h"
#include "editor/cave_clipboard.h"
#include "editor/editor_fields.h"
#include "editor/editor_session.h"
#include "editor/generator.h"

namespace quarrion {
namespace {

QString Qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

constexpr int kEditorWidth = kEditorClientWidth;
constexpr int kEditorSurfaceHeight = 472;
constexpr int kEditorWindowTop = 20;

struct PopupEntry {
  const char* name;
  PopupItem item;
  bool separatorBefore;
};
constexpr PopupEntry kFliesItems[] = {{"PopUpMenu_Flies_FacingLeft", PopupItem::FacingLeft, false},
                                      {"PopUpMenu_Flies_FacingUp", PopupItem::FacingUp, true},
                                      {"PopUpMenu_Flies_FacingRight", PopupItem::FacingRight, false},
                                      {"PopUpMenu_Flies_FacingDown", PopupItem::FacingDown, true}};
constexpr PopupEntry kStoneDiamondItems[] = {{"PopUpMenu_StoneDiamond_Stationary", PopupItem::Stationary, false},
                                             {"PopUpMenu_StoneDiamond_Falling", PopupItem::Falling, true}};
constexpr PopupEntry kExWallItems[] = {{"PopUp_Horizontal", PopupItem::Horizontal, false},
                                       {"PopUp_Vertical", PopupItem::Vertical, true}};
constexpr const char* kPopupItemNames[kPopupItemCount] = {
    "PopUpMenu_Flies_FacingLeft",        "PopUpMenu_Flies_FacingUp",       "PopUpMenu_Flies_FacingRight",
    "PopUpMenu_Flies_FacingDown",        "PopUpMenu_StoneDiamond_Stationary", "PopUpMenu_StoneDiamond_Falling",
    "PopUp_Horizontal",                  "PopUp_Vertical"};

// Buttons 1..3; any other (a mouse's back and forward buttons) draws nothing.
std::optional<MouseButton> ButtonOf(int button) {
  if (button == 1) return MouseButton::Left;
  if (button == 2) return MouseButton::Right;
  if (button == 3) return MouseButton::Middle;
  return std::nullopt;
}


}  // namespace

void TQuarrionForm::CreateEditorPanel() {
  EditorPanelControls::Callbacks callbacks;
  callbacks.edited = [this](int field, const std::string& text) {
    const bool accepted = TypePanelText(*game, *editor_, field, text);
    UpdateUndoActions();
    return accepted;
  };
  callbacks.arrow = [this](int field, int delta) { PanelArrow(field, delta); };
  callbacks.clicked = [this](const std::string& name) { ClickPanelButton(name); };
  panel_ = std::make_unique<EditorPanelControls>(client_, std::move(callbacks));
  for (QWidget* control : panel_->KeyForwarding()) control->installEventFilter(this);
  for (QLineEdit* edit : panel_->Edits())
    if (!panel_->ForwardsKeys(edit)) edit->installEventFilter(this);
  panel_->DemoRadio()->installEventFilter(this);
  client_->installEventFilter(this);
  screen_->installEventFilter(this);
  installEventFilter(this);  // the T key asks about a level without exits first
  askQuestion_ = [this](const QString& text, const QString& caption) {
    input.ReleaseAll();
    return QMessageBox::warning(this, caption, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  };
  SolveCheck::Hooks hooks;
  hooks.storeFields = [this] { StoreEditorFields(); };
  hooks.changed = [this] { UpdateUndoActions(); };
  hooks.language = [this] { return config_.language; };
  hooks.ask = [this](const QString& text) {
    input.ReleaseAll();
    return QMessageBox::question(this, Qs(Text(kTextEditor, config_.language)), text) == QMessageBox::Yes;
  };
  hooks.tell = [this](const QString& text) { QMessageBox::information(this, Qs(Text(kTextEditor, config_.language)), text); };
  solveCheck_ = new SolveCheck(this, *game, *editor_, std::move(hooks));
  solveCheck_->AddControls(EditMenu, menuBar());
  actions_["EditMenu_CheckSolvable"] = solveCheck_->MenuAction();
}

void TQuarrionForm::CreatePopups() {
  auto build = [this](const char* name, const PopupEntry* entries, std::size_t count) {
    auto* menu = new QMenu(this);
    menu->setObjectName(name);
    for (std::size_t i = 0; i < count; ++i) {
      if (entries[i].separatorBefore) menu->addSeparator();
      QAction* action = AddAction(menu, entries[i].name, nullptr);
      action->setCheckable(true);
      const PopupItem item = entries[i].item;
      connect(action, &QAction::triggered, this, [this, item] { PopupChosen(item); });
    }
    return menu;
  };
  PopupMenu_Flies = build("PopupMenu_Flies", kFliesItems, std::size(kFliesItems));
  PopupMenu_StoneDiamond = build("PopupMenu_StoneDiamond", kStoneDiamondItems, std::size(kStoneDiamondItems));
  PopupMenu_ExWalls = build("PopupMenu_ExWalls", kExWallItems, std::size(kExWallItems));
}

bool TQuarrionForm::LoadEditorImages() {
  return LoadImageListOrDefault(config_.graph40Path, DefaultConfig(programFolder_).graph40Path, images);
}

void TQuarrionForm::Editor() {
  if (display_->FullScreen()) ToggleFullScreen();
  const bool wasLoaded = game->caveSet.caveSetLoaded != 0;
  if (wasLoaded) setWindowTitle(Qs(CaveSetCaption(game->caveSet.caveSetName)));
  if (EnterEditor(*game, *editor_)) EnableDemoMenus();  // a new set; the caption stays
  GameShell::StopLoopedSounds();
  StopMusic();
  Action("FullScreen")->setEnabled(false);
  Action("FullScreen")->setVisible(false);

  surface.Resize(kEditorWidth, kEditorSurfaceHeight);
  display_->ShowEditor(QSize(kEditorWidth, kEditorSurfaceHeight), QSize(kEditorClientWidth, kEditorClientHeight));
  panel_->SetActive(true);
  solveCheck_->SetActive(true);
  SetGameMenuForEditor(true);
  EditMenu->menuAction()->setVisible(true);
  ShowCaveLevel();
  ShowPanelTexts();
  if (!LoadEditorImages()) {
    QApplication::exit(1);  // without the default pictures nothing can be drawn
    return;
  }
  Menu_Zoom->menuAction()->setEnabled(false);
  Menu_Zoom->menuAction()->setVisible(false);
  display_->ShowEditor(QSize(kEditorWidth, kEditorSurfaceHeight), QSize(kEditorWidth, kEditorClientHeight));
  move(x(), kEditorWindowTop);
  UpdateUndoActions();
  ShowEditorStatus();
}

void TQuarrionForm::SetGameMenuForEditor(bool editor) {
  const bool loaded = game->caveSet.caveSetLoaded != 0;
  GameMenu->setTitle(Qs(Text(editor ? kTextEditor : kTextGame, config_.language)));
  Action("GameMenu_Exit")->setText(Qs(Text(editor ? kTextExitEditor : kTextExit, config_.language)));
  for (const char* name : {"GameMenu_LoadGame", "GameMenu_CavesEditor"}) {
    Action(name)->setEnabled(!editor);
    Action(name)->setVisible(!editor);
  }
  for (const char* name : {"GameMenu_Start", "GameMenu_Stop"}) {
    Action(name)->setEnabled(!editor && loaded);
    Action(name)->setVisible(!editor);
  }
  if (!editor) {
    Action("PlayDemo1")->setEnabled(loaded);
    Action("RecordDemo1")->setEnabled(loaded);
  }
  for (const char* name : {"GameMenu_New", "GameMenu_LoadCaves", "GameMenu_SaveCaves", "GameMenu_SaveCavesAs"}) {
    Action(name)->setEnabled(editor);
    Action(name)->setVisible(editor);
  }
}

void TQuarrionForm::ExitCommand() {
  if (game->play.editorActive) {
    LeaveEditor();
    return;
  }
  close();
}

void TQuarrionForm::LeaveEditor() {
  PlayState& s = game->play;
  CaveSetState& set = game->caveSet;
  s.demoRecording = 0;
  s.demoPlaying = 0;
  StoreEditorFields();
  if (set.cavesModified) {
    switch (AskSaveChanges()) {
      case SaveAnswer::Cancel:
        return;  // the editor stays open
      case SaveAnswer::Yes: {
        auto c = CaveSetContext();
        if (SaveCaveSetCommand(c) == SaveOutcome::Failed) return;  // reported; the editor stays open
        set.cavesModified = 0;
        break;
      }
      case SaveAnswer::No:
        set.cavesModified = 0;
        // the set in play is the one on disk again; a file that cannot be read leaves it as it is
        if (!set.caveSetFileName.empty()) ReadCaveSetFile(set.caveSetFileName, game->caves);
        break;
    }
  }
  if (set.caveSetFileName.empty()) set.caveSetLoaded = 0;  // a never-saved set leaves play
  GameShell::StopLoopedSounds();
  s.editorActive = 0;
  editor_->history.Clear();
  quarrion::ReturnToTitle(*game);
  setWindowTitle(Qs(kWindowCaption));
  HideEditorControls();
  EditMenu->menuAction()->setVisible(false);
  Action("FullScreen")->setEnabled(true);
  Action("FullScreen")->setVisible(true);
  LoadGraphicsForZoom();
  ShowZoomMenu();
  SetGameMenuForEditor(false);
  RestartMusic();
  s.inGame = 0;
}

void TQuarrionForm::StoreEditorFields() { quarrion::StoreEditorFields(*game, *editor_); }

void TQuarrionForm::LoadEditorFields() {
  quarrion::LoadEditorFields(*game, *editor_);
  ShowPanelTexts();
}

void TQuarrionForm::ShowPanelTexts() { panel_->ShowTexts(editor_->panel); }

void TQuarrionForm::ShowCaveLevel() { panel_->ShowCaveLevel(quarrion::ShowCaveLevel(*game)); }

void TQuarrionForm::HideEditorControls() {
  panel_->SetActive(false);
  solveCheck_->SetActive(false);
  Action("GameMenu_New")->setEnabled(false);
  Action("GameMenu_LoadCaves")->setEnabled(false);
  setFocus();  // keys go to the window again, not to a hidden control
}

void TQuarrionForm::FocusTestCave() { panel_->TestCaveButton()->setFocus(); }

void TQuarrionForm::EditorCave(int delta) {
  StepEditorCave(*game, *editor_, delta);
  ShowCaveLevel();
  ShowPanelTexts();
}

void TQuarrionForm::EditorLevel(int delta) {
  StepEditorLevel(*game, *editor_, delta);
  ShowCaveLevel();
  ShowPanelTexts();
}

void TQuarrionForm::PanelArrow(int field, int delta) {
  quarrion::PanelArrow(*game, *editor_, field, delta);
  ShowPanelTexts();
  UpdateUndoActions();
}

bool TQuarrionForm::AskEditorQuestion(int entry) {
  return askQuestion_(Qs(Text(entry, config_.language)), Qs(Text(kTextEditor, config_.language)));
}

void TQuarrionForm::ClickPanelButton(const std::string& name) {
  if (!game->play.editorActive) return;
  if (name == "Editor_Button_DecCave") EditorCave(-1);
  if (name == "Editor_Button_IncCave") EditorCave(+1);
  if (name == "Editor_Button_DecLevel") EditorLevel(-1);
  if (name == "Editor_Button_IncLevel") EditorLevel(+1);
  if (name == "Editor_Button_TestCave" && ConfirmExits()) {
    game->play.titleIntro = 0;  // the intro picture of start-up must not swallow a test
    Start();
  }
  if (name == "Editor_Button_Random") {
    BeginEditStep(*game, *editor_);
    RandomClick(*game, *editor_);
    EndEditStep(*game, *editor_);
  }
  if (name == "Editor_Button_Advanced" && advancedForm_ != nullptr) {
    input.ReleaseAll();
    BeginEditStep(*game, *editor_);
    advancedForm_->exec();
    EndEditStep(*game, *editor_);
  }
  if (name == "Editor_Button_Copy") {
    CopyLevel(*game, *editor_);
    FocusTestCave();
  }
  const bool asks = name == "Editor_Button_Paste" || name == "Editor_Button_ClearCave" ||
                    name == "Editor_Button_GenerateCave";
  if (asks) {
    if (name == "Editor_Button_Paste" && !editor_->clipboardFull) return;  // nothing copied: not even a question
    const int question = name == "Editor_Button_Paste"       ? kTextAskPaste
                         : name == "Editor_Button_ClearCave" ? kTextAskClear
                                                             : kTextAskGenerate;
    if (AskEditorQuestion(question)) {
      BeginEditStep(*game, *editor_);
      if (name == "Editor_Button_Paste") PasteLevel(*game, *editor_);
      if (name == "Editor_Button_ClearCave") ClearLevel(*game, *editor_);
      if (name == "Editor_Button_GenerateCave") GenerateCaveCommand(*game, *editor_);
      EndEditStep(*game, *editor_);
      ShowPanelTexts();
    }
    ShowCaveLevel();
    FocusTestCave();
  }
  UpdateUndoActions();
}

void TQuarrionForm::EditorMouseDown(int button, int x, int y) {
  EditorMouseDownWith(button, x, y, ToolModifiers(QGuiApplication::keyboardModifiers()));
}

void TQuarrionForm::EditorMouseDownWith(int button, int x, int y, int modifiers) {
  if (game->play.inGame != 2) return;
  setFocus(Qt::MouseFocusReason);  // keys and Ctrl+Z now mean the drawing, not a panel edit
  const std::optional<MouseButton> which = ButtonOf(button);
  if (!which) return;
  const PopupRequest request = PressOnSurface(*game, *editor_, *which, x, y, modifiers);
  if (request.menu != PopupMenu::None) OpenPopup(request);
  UpdateUndoActions();
}

void TQuarrionForm::EditorMouseMove(int heldButtons, int x, int y) {
  cursorCell_ = y >= 0 && y < kCaveAreaBottom && x >= 0 ? QPoint(x / kEditorCell, y / kEditorCell) : QPoint(-1, -1);
  if (game->play.inGame != 2) return;
  MoveOnSurface(*game, *editor_, heldButtons, x, y);
  ShowEditorStatus();
}

void TQuarrionForm::EditorMouseUp(int button, int x, int y) {
  if (game->play.inGame != 2) return;
  const std::optional<MouseButton> which = ButtonOf(button);
  if (!which) return;
  ReleaseOnSurface(*game, *editor_, *which, x, y);
  UpdateUndoActions();
}

void TQuarrionForm::OpenPopup(const PopupRequest& request) {
  for (int item = 0; item < kPopupItemCount; ++item) Action(kPopupItemNames[item])->setChecked(item == request.checkedItem);
  QMenu* menu = request.menu == PopupMenu::Flies          ? PopupMenu_Flies
                : request.menu == PopupMenu::StoneDiamond ? PopupMenu_StoneDiamond
                                                          : PopupMenu_ExWalls;
  QPoint at = screen_->mapToGlobal(QPoint(request.x, request.y));
  if (menu == PopupMenu_Flies) at -= QPoint(menu->sizeHint().width() / 2, menu->sizeHint().height() / 2);
  menu->popup(at);
}

void TQuarrionForm::PopupChosen(PopupItem item) {
  if (game->play.inGame != 2) return;
  BeginEditStep(*game, *editor_);
  ChoosePopupItem(*game, *editor_, item);
  EndEditStep(*game, *editor_);
  UpdateUndoActions();
}

void TQuarrionForm::EditorUndo() {
  if (game->play.inGame != 2 || !UndoEdit(*game, *editor_)) return;
  ShowCaveLevel();
  ShowPanelTexts();
  UpdateUndoActions();
}

void TQuarrionForm::EditorRedo() {
  if (game->play.inGame != 2 || !RedoEdit(*game, *editor_)) return;
  ShowCaveLevel();
  ShowPanelTexts();
  UpdateUndoActions();
}

void TQuarrionForm::UpdateUndoActions() {
  const bool editing = game->play.inGame == 2;
  const bool typing = editor_->history.StepOpen();  // an open step becomes one when undo closes it
  Action("EditMenu_Undo")->setEnabled(editing && (editor_->history.CanUndo() || typing));
  Action("EditMenu_Redo")->setEnabled(editing && editor_->history.CanRedo());
  ShowEditorStatus();  // the unsaved mark follows every action at once, not only the next frame
}

void TQuarrionForm::RunCaveSetCommand(void (*command)(CaveSetCommandContext&), bool saves) {
  if (saves && game->play.editorActive && !ConfirmExits()) return;
  const bool replacesSet = command == NewCaveSetCommand || command == LoadCaveSetCommand;
  const std::string fileBefore = game->caveSet.caveSetFileName;
  const uint8_t modifiedBefore = game->caveSet.cavesModified;
  const auto bytesBefore = replacesSet ? std::make_unique<CaveSet>(game->caves) : nullptr;
  auto c = CaveSetContext();
  command(c);
  if (replacesSet) {
    // another set: the steps belong to the one that was left (a cancelled command keeps them)
    const bool replaced = game->caveSet.caveSetFileName != fileBefore || game->caves.bytes != bytesBefore->bytes;
    if (replaced) editor_->history.Clear();
  } else if (modifiedBefore && !game->caveSet.cavesModified) {
    NoteSetSavedOrChanged(*editor_);
  }
  UpdateUndoActions();
}

std::optional<std::string> TQuarrionForm::ChooseFileToOpen(const std::string& initialFolder) {
  input.ReleaseAll();
  const QString path =
      QFileDialog::getOpenFileName(this, QString(), Qs(initialFolder), "Quarrion Caves *.qcv (*.qcv)");
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

std::optional<std::string> TQuarrionForm::ChooseFileToSave(const std::string& initialFolder) {
  input.ReleaseAll();
  QFileDialog dialog(this, QString(), Qs(initialFolder), "Quarrion Caves (*.qcv)");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix("qcv");  // a name typed without an extension gets ".qcv"
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

SaveAnswer TQuarrionForm::AskSaveChanges() {
  input.ReleaseAll();
  if (askSave_) return askSave_();
  const auto answer = QMessageBox::warning(this, Qs(Text(kTextEditor, config_.language)),
                                           Qs(Text(kTextAskSaveChanges, config_.language)),
                                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (answer == QMessageBox::Yes) return SaveAnswer::Yes;
  if (answer == QMessageBox::No) return SaveAnswer::No;
  return SaveAnswer::Cancel;
}

void TQuarrionForm::ShowWriteFailure(const std::string& path, const FileWriteResult& failure) {
  input.ReleaseAll();
  QMessageBox::warning(this, Qs(Text(kTextEditor, config_.language)),
                       Qs(WriteFailureText(path, failure.error, config_.language)));
}

}  // namespace quarrion
