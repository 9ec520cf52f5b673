#include "app/custom_game_form.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <system_error>
#include <tuple>

#include "app/config.h"
#include "app/language.h"
#include "app/media/media.h"
#include "app/media/pack.h"
#include "app/media/pack_folder.h"
#include "app/texts.h"
#include "app/user_data.h"

namespace quarrion {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kGraphicsFilter = "*.dxg|*.dxg";
constexpr std::string_view kSoundsFilter = "*.dxw|*.dxw";
constexpr std::string_view kMusicFilter = "*.mid|*.mid";
constexpr std::string_view kPackSourceFilter = "*.bmp; *.png; *.wav|*.bmp; *.png; *.wav";
constexpr std::string_view kUnpackFilter = "*.dxg;*.dxw|*.dxg;*.dxw";
constexpr int kFieldWidth = 240;

QString Qs(const std::string& text) { return QString::fromStdString(text); }
QString Qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

bool IsFolder(const fs::path& folder) {
  std::error_code ec;
  return fs::is_directory(folder, ec);
}

// The exact last four characters: "tiles.BMP" is not a picture to pack.
std::string LastFour(const std::string& name) { return name.size() < 4 ? std::string() : name.substr(name.size() - 4); }

// A new pack is read aside first, so one that fails leaves the list in use as it was.
bool LoadOrKeep(const std::string& path, ImageList& list) {
  ImageListData data;
  if (!ReadPack(path, data)) return false;
  list.Data() = std::move(data);
  return true;
}

bool LoadOrKeep(const std::string& path, SoundList& list) {
  SoundListData data;
  if (!ReadPack(path, data)) return false;
  list.Assign(std::move(data));
  return true;
}

}  // namespace

std::string QtFileFilter(std::string_view filter) {
  const auto bar = filter.find('|');
  const std::string_view description = filter.substr(0, bar);
  const std::string_view patterns = bar == std::string_view::npos ? filter : filter.substr(bar + 1);
  // Qt separates the patterns by blanks only
  std::string list;
  std::string pattern;
  for (const char c : std::string(patterns) + ';') {
    if (c != ';' && c != ' ') {
      pattern += c;
      continue;
    }
    if (pattern.empty()) continue;
    if (!list.empty()) list += ' ';
    list += pattern;
    pattern.clear();
  }
  return std::string(description) + " (" + list + ")";
}

std::string DisplayFileName(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

QPoint CentredOver(const QRect& main, const QSize& dialog) {
  return {main.left() + (main.width() - dialog.width()) / 2, main.top() + (main.height() - dialog.height()) / 2};
}

TCustomGameForm::TCustomGameForm(QWidget* parent, CustomGameHost& host) : QDialog(parent), host_(host) {
  setObjectName("TCustomGameForm");
  BuildControls();
  connect(BCustomClose, &QPushButton::clicked, this, &TCustomGameForm::BCustomCloseClick);
  connect(BLoad24, &QPushButton::clicked, this, &TCustomGameForm::BLoad24Click);
  connect(BLoad32, &QPushButton::clicked, this, &TCustomGameForm::BLoad32Click);
  connect(BLoad40, &QPushButton::clicked, this, &TCustomGameForm::BLoad40Click);
  connect(BLoadFonts, &QPushButton::clicked, this, &TCustomGameForm::BLoadFontsClick);
  connect(BLoadSounds, &QPushButton::clicked, this, &TCustomGameForm::BLoadSoundsClick);
  connect(BLoadMusic, &QPushButton::clicked, this, &TCustomGameForm::BLoadMusicClick);
  connect(PackButton, &QPushButton::clicked, this, &TCustomGameForm::PackButtonClick);
  connect(UnpackButton, &QPushButton::clicked, this, &TCustomGameForm::UnpackButtonClick);
  ApplyTexts(0);
}

void TCustomGameForm::BuildControls() {
  const auto named = [this](auto* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
  };
  const auto field = [&](const char* name) {
    auto* edit = named(new QLineEdit(this), name);
    edit->setReadOnly(true);
    edit->setMinimumWidth(kFieldWidth);
    return edit;
  };
  CustomGroupBox1 = named(new QGroupBox(this), "CustomGroupBox1");
  CustomGroupBox2 = named(new QGroupBox(this), "CustomGroupBox2");
  CustomLabel24 = named(new QLabel("24x24", CustomGroupBox1), "CustomLabel24");
  CustomLabel32 = named(new QLabel("32x32", CustomGroupBox1), "CustomLabel32");
  CustomLabel40 = named(new QLabel("40x40", CustomGroupBox1), "CustomLabel40");
  CustomLabelFonts = named(new QLabel(CustomGroupBox1), "CustomLabelFonts");
  CustomSoundsLabel = named(new QLabel(CustomGroupBox2), "CustomSoundsLabel");
  CustomMusicLabel = named(new QLabel(CustomGroupBox2), "CustomMusicLabel");
  EditCustom24 = field("EditCustom24");
  EditCustom32 = field("EditCustom32");
  EditCustom40 = field("EditCustom40");
  EditCustomFonts = field("EditCustomFonts");
  EditCustomSounds = field("EditCustomSounds");
  EditCustomMusic = field("EditCustomMusic");
  BLoad24 = named(new QPushButton(this), "BLoad24");
  BLoad32 = named(new QPushButton(this), "BLoad32");
  BLoad40 = named(new QPushButton(this), "BLoad40");
  BLoadFonts = named(new QPushButton(this), "BLoadFonts");
  BLoadSounds = named(new QPushButton(this), "BLoadSounds");
  BLoadMusic = named(new QPushButton(this), "BLoadMusic");
  PackButton = named(new QPushButton(this), "PackButton");
  UnpackButton = named(new QPushButton(this), "UnpackButton");
  BCustomClose = named(new QPushButton(Qs(kOkButton), this), "BCustomClose");
  BCustomClose->setDefault(true);

  const auto addRows = [](QGroupBox* box, std::initializer_list<std::tuple<QLabel*, QLineEdit*, QPushButton*>> rows) {
    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(1, 1);
    int row = 0;
    for (const auto& [label, edit, button] : rows) {
      grid->addWidget(label, row, 0);
      grid->addWidget(edit, row, 1);
      grid->addWidget(button, row, 2);
      ++row;
    }
    return grid;
  };
  graphicsGrid_ = addRows(CustomGroupBox1, {{CustomLabel24, EditCustom24, BLoad24},
                                            {CustomLabel32, EditCustom32, BLoad32},
                                            {CustomLabel40, EditCustom40, BLoad40},
                                            {CustomLabelFonts, EditCustomFonts, BLoadFonts}});
  soundsGrid_ = addRows(CustomGroupBox2, {{CustomSoundsLabel, EditCustomSounds, BLoadSounds},
                                          {CustomMusicLabel, EditCustomMusic, BLoadMusic}});
  auto* tools = new QHBoxLayout;
  tools->addWidget(PackButton);
  tools->addWidget(UnpackButton);
  tools->addStretch(1);
  tools->addSpacing(24);
  tools->addWidget(BCustomClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(CustomGroupBox1);
  layout->addWidget(CustomGroupBox2);
  layout->addSpacing(6);
  layout->addLayout(tools);
  // the size follows the captions of the language in force and cannot be dragged
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TCustomGameForm::ApplyTexts(int language) {
  for (const ControlText& text : CustomGameDialogTexts(language)) {
    const QString name = Qs(text.control);
    const QString caption = Qs(text.text);
    if (name == objectName()) setWindowTitle(caption);
    else if (auto* button = findChild<QAbstractButton*>(name)) button->setText(caption);
    else if (auto* label = findChild<QLabel*>(name)) label->setText(caption);
    else if (auto* box = findChild<QGroupBox*>(name)) box->setTitle(caption);
  }
  // one label column for both boxes, so the fields line up whatever the language
  int labelWidth = 0;
  for (const QLabel* label : {CustomLabel24, CustomLabel32, CustomLabel40, CustomLabelFonts, CustomSoundsLabel,
                              CustomMusicLabel})
    labelWidth = std::max(labelWidth, label->sizeHint().width());
  graphicsGrid_->setColumnMinimumWidth(0, labelWidth);
  soundsGrid_->setColumnMinimumWidth(0, labelWidth);
}

void TCustomGameForm::FillFields() {
  const Config& paths = host_.Paths();
  const std::pair<QLineEdit*, const std::string*> fields[] = {
      {EditCustom24, &paths.graph24Path},    {EditCustom32, &paths.graph32Path},
      {EditCustom40, &paths.graph40Path},    {EditCustomFonts, &paths.fontsPath},
      {EditCustomSounds, &paths.soundsPath}, {EditCustomMusic, &paths.musicPath},
  };
  for (const auto& [edit, path] : fields) {
    edit->setText(Qs(DisplayFileName(*path)));
    edit->setToolTip(Qs(*path));
  }
}

void TCustomGameForm::ShowFor(int language) {
  Prepare(language);
  if (const QWidget* main = parentWidget()) move(CentredOver(main->frameGeometry(), frameGeometry().size()));
  exec();
  Finish();
}

void TCustomGameForm::Prepare(int language) {
  language_ = language;
  closedWithOk_ = false;
  host_.StopMusic();
  host_.SetTimersEnabled(false);
  FillFields();
  ApplyTexts(language);
  // settle the size now: centring needs the width and height of this language's captions
  layout()->activate();
  adjustSize();
  BCustomClose->setFocus();
}

void TCustomGameForm::Finish() {
  host_.SetTimersEnabled(true);
  if (closedWithOk_ && host_.InGame() == 0) host_.RestartMusic();
}

void TCustomGameForm::BCustomCloseClick() {
  closedWithOk_ = true;
  accept();
}

std::string TCustomGameForm::DataFolder() const {
  // the packs live in "data" on a case-sensitive disk; a "Data" folder is still preferred
  const fs::path packs = quarrion::DataFolder(host_.ProgramFolder());
  for (const char* name : {"Data", "data"})
    if (IsFolder(packs / name)) return (packs / name).string();
  return packs.string();
}

std::string TCustomGameForm::UnpackFolder() const {
  const fs::path unpack = quarrion::UnpackFolder(host_.ProgramFolder());
  return IsFolder(unpack) ? unpack.string() : host_.ProgramFolder();
}

std::optional<std::string> TCustomGameForm::ChooseOpen(const std::string& startFolder, std::string_view filter) {
  auto file = host_.ChooseOpenFile(startFolder, QtFileFilter(filter));
  if (file && file->empty()) file.reset();  // only a non-empty name counts as a choice
  return file;
}

std::optional<std::string> TCustomGameForm::ChooseSave(std::string_view filter, std::string_view extension) {
  // an installed program's data cannot take new packs: they go to the player's own folder
  const std::string program = host_.ProgramFolder();
  const std::string start = KeepsFilesBesideProgram(program) ? DataFolder() : NewPacksFolder(program);
  auto file = host_.ChooseSaveFile(start, QtFileFilter(filter));
  if (!file || file->empty()) return std::nullopt;
  // a name typed without an extension gets the pack's own
  if (fs::path(*file).extension().empty()) *file += extension;
  return file;
}

void TCustomGameForm::BLoad24Click() {
  const auto file = ChooseOpen(DataFolder(), kGraphicsFilter);
  if (!file) return;
  host_.Paths().graph24Path = *file;
  const bool inEditor = host_.EditorActive();
  if ((host_.Zoom() == 0 && !inEditor) || (inEditor && host_.InGame() == 1)) host_.LoadGraphicsForZoom();
  FillFields();  // after the load: a pack that fails gives way to the default one, and its name shows
}

void TCustomGameForm::BLoad32Click() {
  const auto file = ChooseOpen(DataFolder(), kGraphicsFilter);
  if (!file) return;
  host_.Paths().graph32Path = *file;
  const bool inEditor = host_.EditorActive();
  if ((host_.Zoom() == 1 && !inEditor) || (inEditor && host_.InGame() == 1)) host_.LoadGraphicsForZoom();
  FillFields();
}

void TCustomGameForm::BLoad40Click() {
  const auto file = ChooseOpen(DataFolder(), kGraphicsFilter);
  if (!file) return;
  host_.Paths().graph40Path = *file;
  if (host_.Zoom() == 2) {
    if (!host_.EditorActive() || host_.InGame() == 1) host_.LoadGraphicsForZoom();
    else host_.LoadEditorImages(host_.Paths().graph40Path);  // the editor view draws the 40-pixel tiles
  }
  FillFields();
}

void TCustomGameForm::BLoadFontsClick() {
  const auto file = ChooseOpen(DataFolder(), kGraphicsFilter);
  if (!file) return;
  // a pack that fails keeps the old path and the fonts in use
  if (LoadOrKeep(*file, host_.Fonts())) host_.Paths().fontsPath = *file;
  FillFields();
}

void TCustomGameForm::BLoadSoundsClick() {
  const auto file = ChooseOpen(DataFolder(), kSoundsFilter);
  if (!file) return;
  if (LoadOrKeep(*file, host_.Waves())) host_.Paths().soundsPath = *file;
  FillFields();
}

void TCustomGameForm::BLoadMusicClick() {
  if (const auto file = ChooseOpen(DataFolder(), kMusicFilter)) {
    host_.StopMusic();
    host_.SetMusicAvailable(true);
    // the path stays even when the tune cannot be opened
    host_.Paths().musicPath = *file;
    if (!host_.OpenMusic(*file)) host_.SetMusicAvailable(false);
    FillFields();
  }
  // also without a choice: the dialog stopped the title tune, so it starts again
  if (!host_.Muted() && host_.InGame() == 0) host_.RestartMusic();
}

void TCustomGameForm::PackButtonClick() {
  host_.ShowNotice(Text(kTextPackNotice, language_) + "   ", std::string(kWindowCaption));
  const auto file = ChooseOpen(UnpackFolder(), kPackSourceFilter);
  if (!file) return;
  const std::string extension = LastFour(fs::path(*file).filename().string());
  if (extension == ".bmp" || extension == ".png") PackFiles(*file, false);
  else if (extension == ".wav") PackFiles(*file, true);
}

void TCustomGameForm::PackFiles(const std::string& chosenFile, bool sounds) {
  const auto pack = sounds ? ChooseSave(kSoundsFilter, ".dxw") : ChooseSave(kGraphicsFilter, ".dxg");
  if (!pack) return;
  const std::string folder = fs::path(chosenFile).parent_path().string();
  // a source that cannot be read is silent by design; a pack that cannot be written is said
  const PackResult result = sounds ? PackSounds(folder, *pack) : PackPictures(folder, *pack);
  if (sounds) ReloadWaves();  // the new pack may have replaced the one in use
  ReportWriteFailure(result);
}

void TCustomGameForm::ReportWriteFailure(const PackResult& result) {
  if (result.writeError == 0) return;
  host_.ShowWarning(WriteFailureText(result.writePath, result.writeError, language_), std::string(kWindowCaption));
}

void TCustomGameForm::UnpackButtonClick() {
  const auto file = ChooseOpen(DataFolder(), kUnpackFilter);
  if (!file) return;
  const PackKind kind = PackKindOf(fs::path(*file).filename().string());
  if (kind == PackKind::None) return;
  const std::string base = PackBaseName(*file);
  // the question names the folder the files really go to: beside the program or the player's own
  const std::string unpackRoot = quarrion::UnpackFolder(host_.ProgramFolder());
  const std::string question = Text(kTextAskUnpack, language_) + unpackRoot + "/" + base + "/     ";
  if (!host_.AskYesNo(question, std::string(kWindowCaption))) return;
  const PackResult result = UnpackPack(*file, unpackRoot);
  if (kind == PackKind::Sounds) ReloadWaves();
  ReportWriteFailure(result);
}

void TCustomGameForm::ReloadWaves() { LoadOrKeep(host_.Paths().soundsPath, host_.Waves()); }

}  // namespace quarrion
