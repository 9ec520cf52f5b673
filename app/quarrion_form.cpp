#include "app/quarrion_form.h"
#include "app/game_hint.h"
#include "app/solve_check.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QAbstractButton>
#include <QVBoxLayout>
#include <QScreen>
#include <filesystem>

#include "app/dialogs.h"
#include "app/editor_panel.h"
#include "app/form_custom_host.h"
#include "app/language.h"
#include "app/media/pack.h"
#include "view/poll_input.h"
#include "app/texts.h"
#include "app/user_data.h"
#include "core/cave_set_file.h"
#include "core/cave_start.h"
#include "core/demo.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/game_phases.h"
#include "editor/editor_session.h"
#include "editor/editor_view.h"
#include "view/camera.h"
#include "view/game_frame.h"
#include "view/title_screen.h"

namespace quarrion {
namespace {

QString Qs(const std::string& text) { return QString::fromStdString(text); }
QString Qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

constexpr int kClockMs = 1250;

// Windows virtual-key codes of the keys the command map tests. A virtual key names the key, not
// the character: with Shift held the same keys give + _ { } > <, and still act.
int VirtualKeyOf(int qtKey) {
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return VkLetter(char('A' + (qtKey - Qt::Key_A)));
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return VkEnter;
    case Qt::Key_Control:
      return VkCtrl;
    case Qt::Key_Escape:
      return VkEscape;
    case Qt::Key_Space:
      return VkSpace;
    case Qt::Key_Left:
      return VkLeft;
    case Qt::Key_Up:
      return VkUp;
    case Qt::Key_Right:
      return VkRight;
    case Qt::Key_Down:
      return VkDown;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
      return VkEquals;
    case Qt::Key_Comma:
    case Qt::Key_Less:
      return VkComma;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
      return VkMinus;
    case Qt::Key_Period:
    case Qt::Key_Greater:
      return VkPeriod;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
      return VkLeftBracket;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
      return VkRightBracket;
    default:
      return 0;
  }
}

}  // namespace

FormParts::FormParts()
    : game(std::make_unique<GameState>()),
      media{surface, images, fonts, scratchImages, waves, input, frameTimer, midi} {}

TQuarrionForm::TQuarrionForm(std::string programFolder, std::vector<std::string> arguments)
    : QMainWindow(nullptr),
      GameShell(*FormParts::game, FormParts::media),
      programFolder_(WithTrailingSeparator(std::move(programFolder))),
      arguments_(std::move(arguments)) {
  setObjectName("TQuarrionForm");
  // the window may grow and be maximised: the surface is then drawn at a whole scale
  setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  setFocusPolicy(Qt::StrongFocus);
  client_ = new QWidget(this);
  client_->setObjectName("ClientArea");
  clientLayout_ = new QVBoxLayout(client_);
  clientLayout_->setContentsMargins(0, 0, 0, 0);
  clientLayout_->setSpacing(0);
  screen_ = new ScreenWidget(client_);
  screen_->setObjectName("DXDraw");
  screen_->SetSurface(&surface);
  surface.SetWidget(screen_);
  // the panel's controls lie at fixed places below the surface, outside the layout
  clientLayout_->addWidget(screen_);
  clientLayout_->addStretch();
  setCentralWidget(client_);
  display_ = std::make_unique<DisplayMode>(*this, *client_, *clientLayout_, *screen_);
  connect(screen_, &ScreenWidget::DoubleClicked, this, [this] { ToggleFullScreen(); });
  frameTimer.SetTick([this] { GameTimer(); });
  frameTimer.SetInterval(160);
  Timer_GameClock.setInterval(kClockMs);
  connect(&Timer_GameClock, &QTimer::timeout, this, [this] { GameClock(); });
  midiService_.setInterval(50);
  connect(&midiService_, &QTimer::timeout, this, [this] { midi.Service(); });
  midi.SetNotify([this] { MusicNotify(); });
  connect(screen_, &ScreenWidget::MousePressed, this, &TQuarrionForm::EditorMouseDown);
  connect(screen_, &ScreenWidget::MouseMoved, this, &TQuarrionForm::EditorMouseMove);
  connect(screen_, &ScreenWidget::MouseReleased, this, &TQuarrionForm::EditorMouseUp);
  CreateMenus();
  gameHint_ = new GameHint(screen_, *game, view, *this, [this] { return config_.language; });
  gameHint_->AddMenuItem(GameMenu, Action("GameMenu_CavesEditor"));
  actions_["GameMenu_Hint"] = gameHint_->MenuAction();
  CreateEditorPanel();
  CreatePopups();
}

TQuarrionForm::~TQuarrionForm() {
  RemoveEditorFilters();
  frameTimer.SetEnabled(false);
  Timer_GameClock.stop();
  delete customForm_;  // before the host it calls goes
}

QAction* TQuarrionForm::AddAction(QMenu* menu, const char* name, void (TQuarrionForm::*slot)()) {
  QAction* action = menu->addAction(QString::fromLatin1(name));
  action->setObjectName(QString::fromLatin1(name));
  if (slot != nullptr) connect(action, &QAction::triggered, this, slot);
  actions_[name] = action;
  return action;
}

QAction* TQuarrionForm::Action(const char* name) const {
  const auto found = actions_.find(name);
  return found == actions_.end() ? nullptr : found->second;
}

void TQuarrionForm::CreateMenus() {
  GameMenu = menuBar()->addMenu("Game");
  GameMenu->setObjectName("GameMenu");
  AddAction(GameMenu, "GameMenu_Start", &TQuarrionForm::Start);
  AddAction(GameMenu, "GameMenu_Stop", &TQuarrionForm::Stop);
  AddAction(GameMenu, "GameMenu_LoadGame", &TQuarrionForm::Load);
  GameMenu->addSeparator();
  AddAction(GameMenu, "PlayDemo1", &TQuarrionForm::PlayDemo);
  AddAction(GameMenu, "RecordDemo1", &TQuarrionForm::RecordDemo);
  GameMenu->addSeparator();
  AddAction(GameMenu, "GameMenu_CavesEditor", &TQuarrionForm::Editor);
  AddAction(GameMenu, "GameMenu_New", nullptr);
  AddAction(GameMenu, "GameMenu_LoadCaves", nullptr);
  AddAction(GameMenu, "GameMenu_SaveCaves", nullptr);
  AddAction(GameMenu, "GameMenu_SaveCavesAs", nullptr);
  GameMenu->addSeparator();
  AddAction(GameMenu, "GameMenu_Exit", nullptr);
  connect(Action("GameMenu_New"), &QAction::triggered, this, [this] { RunCaveSetCommand(NewCaveSetCommand); });
  connect(Action("GameMenu_LoadCaves"), &QAction::triggered, this, [this] { RunCaveSetCommand(LoadCaveSetCommand); });
  connect(Action("GameMenu_SaveCaves"), &QAction::triggered, this, [this] {
    RunCaveSetCommand([](CaveSetCommandContext& c) { SaveCaveSetCommand(c); }, true);  // a failure is shown by the command
  });
  connect(Action("GameMenu_SaveCavesAs"), &QAction::triggered, this,
          [this] { RunCaveSetCommand([](CaveSetCommandContext& c) { SaveCaveSetAsCommand(c); }, true); });
  connect(Action("GameMenu_Exit"), &QAction::triggered, this, [this] { ExitCommand(); });

  // the editor's own menu, shown only while the editor is open
  EditMenu = menuBar()->addMenu("Edit");
  EditMenu->setObjectName("EditMenu");
  EditMenu->menuAction()->setVisible(false);
  QAction* undo = AddAction(EditMenu, "EditMenu_Undo", &TQuarrionForm::EditorUndo);
  undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  QAction* redo = AddAction(EditMenu, "EditMenu_Redo", &TQuarrionForm::EditorRedo);
  redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  connect(EditMenu, &QMenu::aboutToShow, this, [this] { UpdateUndoActions(); });

  OptionsMenu = menuBar()->addMenu("Options");
  OptionsMenu->setObjectName("OptionsMenu");
  AddAction(OptionsMenu, "OptionsMenu_Speed", &TQuarrionForm::ShowSpeedDialog);
  Menu_Zoom = OptionsMenu->addMenu("Zoom");
  Menu_Zoom->setObjectName("Menu_Zoom");
  actions_["Menu_Zoom"] = Menu_Zoom->menuAction();
  const char* zoomNames[3] = {"Zoom_Small", "Zoom_Medium", "Zoom_Large"};
  for (int zoom = 0; zoom < 3; ++zoom) {
    QAction* action = AddAction(Menu_Zoom, zoomNames[zoom], nullptr);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, zoom] { SetZoom(zoom); });
  }
  AddAction(OptionsMenu, "FullScreen", &TQuarrionForm::ToggleFullScreen);
  QAction* mute = AddAction(OptionsMenu, "OptionsMenu_Mute", &TQuarrionForm::ToggleMute);
  mute->setCheckable(true);
  OptionsMenu_Language = OptionsMenu->addMenu("Language");
  OptionsMenu_Language->setObjectName("OptionsMenu_Language");
  actions_["OptionsMenu_Language"] = OptionsMenu_Language->menuAction();
  const char* languageNames[3] = {"OptionsMenu_Language_English", "OptionsMenu_Language_Deutsch",
                                  "OptionsMenu_Language_Polski"};
  for (int language = 0; language < 3; ++language) {
    QAction* action = AddAction(OptionsMenu_Language, languageNames[language], nullptr);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, language] { SetLanguage(language); });
  }
  AddAction(OptionsMenu, "CustomWindow", &TQuarrionForm::CustomWindow);
  QAction* taps = AddAction(OptionsMenu, "OptionsMenu_ResponsiveTaps", &TQuarrionForm::ToggleResponsiveTaps);
  taps->setCheckable(true);

  // a click on Help opens the help at once, pausing the game as the H key does
  HelpMenu = menuBar()->addAction("Help");
  HelpMenu->setObjectName("HelpMenu");
  actions_["HelpMenu"] = HelpMenu;
  actions_["HelpMenu_Help"] = HelpMenu;
  connect(HelpMenu, &QAction::triggered, this, [this] {
    PauseForHelp(*game, *this);
    ShowHelp();
  });

  // the game and options menus pause the clock while they are open
  connect(GameMenu, &QMenu::aboutToShow, this, [this] { GamePauseWhenMenu(); });
  connect(OptionsMenu, &QMenu::aboutToShow, this, [this] { GamePauseWhenMenu(); });
  connect(GameMenu, &QMenu::aboutToHide, this, [this] { frameTimer.SetEnabled(true); });
  connect(OptionsMenu, &QMenu::aboutToHide, this, [this] { frameTimer.SetEnabled(true); });
}

void TQuarrionForm::ApplyLanguage() {
  const LanguageView texts = quarrion::ApplyLanguage(config_.language, game->play.editorActive != 0);
  for (const ControlText& text : texts.texts) {
    if (text.property != TextProperty::Caption) continue;
    const std::string name(text.control);
    if (name == "GameMenu") {
      GameMenu->setTitle(Qs(text.text));
    } else if (name == "OptionsMenu") {
      OptionsMenu->setTitle(Qs(text.text));
    } else if (name == "EditMenu") {
      EditMenu->setTitle(Qs(text.text));
    } else if (QAction* action = Action(name.c_str())) {
      action->setText(Qs(text.text));
    } else if (QWidget* control = panel_ != nullptr ? panel_->Control(name) : nullptr) {
      if (auto* label = qobject_cast<QLabel*>(control)) label->setText(Qs(text.text));
      if (auto* button = qobject_cast<QAbstractButton*>(control)) button->setText(Qs(text.text));
    }
  }
  for (const ControlText& text : texts.texts) {
    if (text.property != TextProperty::Hint || panel_ == nullptr) continue;
    if (QWidget* control = panel_->Control(std::string(text.control))) control->setToolTip(Qs(text.text));
  }
  if (panel_ != nullptr) panel_->FitCaptions();
  if (solveCheck_) solveCheck_->ApplyLanguage(config_.language);
  if (gameHint_) gameHint_->ApplyLanguage(config_.language);
  for (const LanguageItem& item : texts.languageItems) {
    if (QAction* action = Action(std::string(item.control).c_str())) {
      action->setText(Qs(item.caption));
      action->setChecked(item.checked);
    }
  }
}

void TQuarrionForm::SetLanguage(int language) {
  if (language == config_.language) {
    ApplyLanguage();  // keeps the check marks as they are
    return;
  }
  config_.language = uint8_t(language);
  ApplyLanguage();
}

bool TQuarrionForm::LoadCaveSetAtStartup(const std::string& given) {
  if (given.empty()) return false;
  // kept absolute: the next start may come from another folder
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(given, error);
  const std::string path = error ? given : absolute.lexically_normal().string();
  if (!ReadCaveSetFile(path, game->caves)) return false;
  game->caveSet.caveSetFileName = path;
  Action("GameMenu_Start")->setEnabled(true);
  quarrion::ReturnToTitle(*game);
  Action("GameMenu_Stop")->setEnabled(true);
  game->caveSet.caveSetName = CaveSetNameOf(path);
  game->caveSet.caveSetLoaded = 1;
  return true;
}

bool TQuarrionForm::Creation() {
  PlayState& s = game->play;
  game->random.SetState(Random::kStartState);
  view = ViewState{};
  s.idleCounter = 24;
  editor_->paletteIndex = kNoPalette;
  s.titleIntro = 1;
  s.phase = 0;

  for (const char* name : {"GameMenu_Start", "GameMenu_Stop"}) Action(name)->setEnabled(false);
  for (const char* name : {"GameMenu_New", "GameMenu_LoadCaves", "GameMenu_SaveCaves", "GameMenu_SaveCavesAs"}) {
    Action(name)->setVisible(false);
    Action(name)->setEnabled(false);
  }
  HideEditorControls();

  config_ = ReadConfig(programFolder_);
  frameTimer.SetInterval(config_.speed);
  input.SetResponsiveTaps(config_.responsiveTaps != 0);
  Action("OptionsMenu_ResponsiveTaps")->setChecked(config_.responsiveTaps != 0);
  Shell().muted = config_.soundOff;
  Action("OptionsMenu_Mute")->setChecked(Shell().muted != 0);
  ApplyLanguage();

  const Config defaults = DefaultConfig(programFolder_);
  // a pack that fails falls back to the default one, whose path is then kept
  if (!LoadImageListOrDefault(config_.fontsPath, defaults.fontsPath, fonts)) return false;
  OpenAudio();
  if (!LoadSoundListOrDefault(config_.soundsPath, defaults.soundsPath, waves)) return false;

  // the bundled set, when installed, is played from the player's own copy
  bool loaded = arguments_.size() == 1 && LoadCaveSetAtStartup(PlayableCaveSetPath(arguments_[0], programFolder_));
  if (!loaded) loaded = LoadCaveSetAtStartup(PlayableCaveSetPath(config_.lastCaveSetPath, programFolder_));
  if (!loaded) loaded = LoadCaveSetAtStartup(DefaultCaveSetPath(programFolder_));

  midi.SetFileName(config_.musicPath);
  midi.SetSoundFont(config_.soundFont);
  if (!midi.Open()) Shell().musicAvailable = 0;

  for (int y = 1; y <= kMapHeight; ++y)
    for (int x = 1; x <= kMapWidth; ++x) game->grids.tileVariant(x, y) = uint8_t(game->random(4));

  view.zoom = config_.zoom;
  LoadGraphicsForZoom();
  if (!images.Count()) return false;
  if (!loaded) {
    Action("PlayDemo1")->setEnabled(false);
    Action("RecordDemo1")->setEnabled(false);
  }
  s.inGame = 0;
  setWindowTitle(Qs(kStartupWindowCaption));

  // centred on the screen at the zoom's size
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
  }
  connect(qApp, &QGuiApplication::applicationStateChanged, this,
          [this](Qt::ApplicationState state) { FocusChanged(state == Qt::ApplicationActive); });
  midiService_.start();
  frameTimer.SetEnabled(true);
  RunScript();
  return true;
}

void TQuarrionForm::CreateDialogs() {
  speedForm_ = new TGameSpeedForm(this, config_.speed, [this](int speed) {
    config_.speed = int8_t(speed);
    frameTimer.SetInterval(speed);
  });
  helpForm_ = new THelpForm(this);
  advancedForm_ = new TAdvancedOptionsForm(this, *game, config_.language);
  customHost_ = std::make_unique<FormCustomHost>(*this);
  customForm_ = new TCustomGameForm(this, *customHost_);
}

void TQuarrionForm::CustomWindow() {
  if (customForm_ == nullptr) return;
  input.ReleaseAll();
  customForm_->ShowFor(config_.language);
}

void TQuarrionForm::LoadGraphicsForZoom() {
  const int zoom = ZoomInForce();
  std::string* paths[3] = {&config_.graph24Path, &config_.graph32Path, &config_.graph40Path};
  const Config defaults = DefaultConfig(programFolder_);
  const std::string* defaultPaths[3] = {&defaults.graph24Path, &defaults.graph32Path, &defaults.graph40Path};
  if (!LoadImageListOrDefault(*paths[zoom], *defaultPaths[zoom], images)) {
    // the default pack is part of the program: without it nothing can be drawn
    QApplication::exit(1);
    return;
  }
  const char* zoomNames[3] = {"Zoom_Small", "Zoom_Medium", "Zoom_Large"};
  for (int z = 0; z < 3; ++z) Action(zoomNames[z])->setChecked(z == zoom);
  const ZoomGeometry geometry = GeometryOf(zoom);
  surface.Resize(geometry.width, geometry.height);
  display_->ShowZoom(zoom, QSize(geometry.width, geometry.height));
}

void TQuarrionForm::ShowZoomMenu() {
  Menu_Zoom->menuAction()->setEnabled(true);
  Menu_Zoom->menuAction()->setVisible(true);
}

void TQuarrionForm::SetZoom(int zoom) {
  quarrion::SetZoom(*game, view, zoom);
  LoadGraphicsForZoom();
}

void TQuarrionForm::GameTimer() {
  if (!Timer_GameClock.isActive()) Timer_GameClock.start();
  PlayState& s = game->play;
  if (s.extraLifeFlash > 0) --s.extraLifeFlash;
  switch (s.inGame) {
    case 1:
      quarrion::Game(*game, *this);
      return;
    case 2:
      DrawEditorView(*game, *editor_, media);
      ShowEditorStatus();
      return;
    default:
      surface.Fill(0);
      DrawTitleScreen(*game, view, media);
      surface.Flip();
      return;
  }
}

void TQuarrionForm::GameClock() { quarrion::GameClock(*game, *this); }

void TQuarrionForm::FocusChanged(bool active) {
  input.SetActive(active);
  frameTimer.SetActive(active);
  if (!active) {
    input.ReleaseAll();
    GameShell::StopLoopedSounds();
    StopMusic();
    Timer_GameClock.stop();
    return;
  }
  Timer_GameClock.start();
  if (game->play.inGame == 0) RestartMusic();
}

void TQuarrionForm::GamePauseWhenMenu() {
  game->play.idleCounter = 24;
  GameShell::StopLoopedSounds();
  Timer_GameClock.stop();
  frameTimer.SetEnabled(false);  // nothing moves while a menu is open
}

void TQuarrionForm::UpdateCamera() { CameraTick(*game, view); }

void TQuarrionForm::DrawGameFrame() {
  // a step that just went back to the editor or the title leaves the frame to their own view
  if (game->play.inGame != 1) return;
  quarrion::DrawGameFrame(*game, view, media);
}

void TQuarrionForm::PollInput() {
  quarrion::PollInput(*game, input);
  input.ScanRead();  // the scan has seen the taps kept for it
}

void TQuarrionForm::PlayLoopedSound(int item) {
  media.waves.SetLooped(item, true);
  PlaySound(item);
}

void TQuarrionForm::ReturnToTitle() { quarrion::ReturnToTitle(*game); }

void TQuarrionForm::SetCaption(const std::string& caption) { setWindowTitle(Qs(caption)); }

void TQuarrionForm::EnableDemoMenus() {
  Action("PlayDemo1")->setEnabled(true);
  Action("RecordDemo1")->setEnabled(true);
}

void TQuarrionForm::EnableStartStopMenus() {
  Action("GameMenu_Start")->setEnabled(true);
  Action("GameMenu_Stop")->setEnabled(true);
}

void TQuarrionForm::keyPressEvent(QKeyEvent* event) {
  input.KeyEvent(event->key(), true, (event->modifiers() & Qt::KeypadModifier) != 0);
  gameHint_->KeyPressed(event->key());
  const int key = VirtualKeyOf(event->key());
  if (key == 0) return;
  KeyContext context{*game, *this, *this, editor_->paletteIndex};
  const uint8_t wasRecording = game->play.demoRecording;
  FormKeyDown(context, key, (event->modifiers() & Qt::ShiftModifier) != 0,
              (event->modifiers() & Qt::AltModifier) != 0);
  // a recording started in the editor changes the set outside the undo steps
  if (game->play.editorActive && game->play.demoRecording && !wasRecording) NoteSetSavedOrChanged(*editor_);
}

void TQuarrionForm::keyReleaseEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat())
    input.KeyEvent(event->key(), false, (event->modifiers() & Qt::KeypadModifier) != 0);
}

void TQuarrionForm::closeEvent(QCloseEvent* event) {
  // every setting as it is in force now
  config_.soundOff = Shell().muted;
  config_.zoom = uint8_t(ZoomInForce());
  config_.responsiveTaps = input.ResponsiveTaps() ? 1 : 0;
  config_.lastCaveSetPath = game->caveSet.caveSetFileName;
  WriteConfig(programFolder_, config_);  // written whatever the answer below
  if (game->play.editorActive && game->caveSet.cavesModified) {
    const SaveAnswer answer = AskSaveChanges();
    if (answer == SaveAnswer::Cancel) {
      event->ignore();
      return;
    }
    auto c = CaveSetContext();
    if (answer == SaveAnswer::Yes && SaveCaveSetCommand(c) == SaveOutcome::Failed) {
      event->ignore();  // the failure was shown; closing now would lose the changes
      return;
    }
  }
  frameTimer.SetEnabled(false);
  event->accept();
}

void TQuarrionForm::Start() {
  if (!game->caveSet.caveSetLoaded) return;
  quarrion::Start(*game, *this);
}

void TQuarrionForm::ShowHelp() {
  if (helpForm_ == nullptr) return;
  input.ReleaseAll();
  const bool ok = helpForm_->ShowFor(config_.language);
  if (ok && game->play.phase == PhasePause) {
    game->play.subFrame = game->play.savedSubFrame;
    game->play.animToggle = game->play.savedAnimToggle;
    game->play.phase = PhasePlay;
  }
}

void TQuarrionForm::Load() {
  auto c = CaveSetContext();
  LoadCaveSetCommand(c);
}

void TQuarrionForm::RecordDemo() {
  if (!game->caveSet.caveSetLoaded) return;
  RecordDemoCommand(*game, *this);
  if (game->play.editorActive) NoteSetSavedOrChanged(*editor_);  // as the key does
}

void TQuarrionForm::PlayDemo() {
  if (!game->caveSet.caveSetLoaded) return;
  PlayDemoCommand(*game, *this);
}

void TQuarrionForm::ToggleMute() {
  GameShell::ToggleMute();
  Action("OptionsMenu_Mute")->setChecked(Shell().muted != 0);
}

void TQuarrionForm::ShowSpeedDialog() {
  if (speedForm_ == nullptr) return;
  input.ReleaseAll();
  speedForm_->ShowFor(config_.language);
}

void TQuarrionForm::Stop() { quarrion::Stop(*game, *this); }

void TQuarrionForm::ToggleFullScreen() {
  if (game->play.editorActive) return;
  const int zoom = ZoomInForce();
  if (display_->FullScreen()) {
    const ZoomGeometry geometry = GeometryOf(zoom);
    display_->LeaveFullScreen(QSize(geometry.width, geometry.height));
  } else {
    display_->EnterFullScreen(zoom);
  }
}

void TQuarrionForm::ToggleResponsiveTaps() {
  input.SetResponsiveTaps(!input.ResponsiveTaps());
  Action("OptionsMenu_ResponsiveTaps")->setChecked(input.ResponsiveTaps());
}

CaveSetCommandContext TQuarrionForm::CaveSetContext() {
  return CaveSetCommandContext{*game, *this, *this, LevelsFolder(programFolder_)};
}

void TQuarrionForm::MusicNotify() {
  // only a tune that played to its end loops or hands over to the demos
  if (midi.Position() != midi.TrackLength()) return;
  if (game->caveSet.caveSetLoaded && game->play.idleCounter < 11) {
    game->play.attractMode = AnyDemo(game->caves) ? 1 : 0;
    PlayDemoCommand(*game, *this);
    return;
  }
  RestartMusic();
}

}  // namespace quarrion
