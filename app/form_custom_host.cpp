#include "app/form_custom_host.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "app/media/pack.h"
#include "app/quarrion_form.h"

namespace quarrion {
namespace {

QString Qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

Config& FormCustomHost::Paths() { return form_.config_; }
std::string FormCustomHost::ProgramFolder() const { return form_.programFolder_; }
int FormCustomHost::InGame() const { return form_.game->play.inGame; }
bool FormCustomHost::EditorActive() const { return form_.game->play.editorActive != 0; }
int FormCustomHost::Zoom() const { return form_.view.zoom; }
bool FormCustomHost::Muted() const { return form_.Shell().muted != 0; }
ImageList& FormCustomHost::Fonts() { return form_.fonts; }
SoundList& FormCustomHost::Waves() { return form_.waves; }
void FormCustomHost::LoadGraphicsForZoom() { form_.LoadGraphicsForZoom(); }

void FormCustomHost::LoadEditorImages(const std::string& path) {
  form_.config_.graph40Path = path;
  if (!form_.LoadEditorImages()) QApplication::exit(1);  // not even the default pictures
}

void FormCustomHost::StopMusic() { form_.StopMusic(); }
void FormCustomHost::RestartMusic() { form_.RestartMusic(); }

bool FormCustomHost::OpenMusic(const std::string& path) {
  form_.midi.SetFileName(path);
  return form_.midi.Open();
}

void FormCustomHost::SetMusicAvailable(bool available) { form_.Shell().musicAvailable = available ? 1 : 0; }

void FormCustomHost::SetTimersEnabled(bool enabled) {
  form_.frameTimer.SetEnabled(enabled);
  if (enabled) {
    form_.Timer_GameClock.start();
  } else {
    form_.Timer_GameClock.stop();
  }
}

std::optional<std::string> FormCustomHost::ChooseOpenFile(const std::string& startFolder, const std::string& filter) {
  form_.input.ReleaseAll();
  const QString path = QFileDialog::getOpenFileName(&form_, QString(), Qs(startFolder), Qs(filter));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

std::optional<std::string> FormCustomHost::ChooseSaveFile(const std::string& startFolder, const std::string& filter) {
  form_.input.ReleaseAll();
  const QString path = QFileDialog::getSaveFileName(&form_, QString(), Qs(startFolder), Qs(filter));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

void FormCustomHost::ShowNotice(const std::string& text, const std::string& caption) {
  form_.input.ReleaseAll();
  QMessageBox::information(&form_, Qs(caption), Qs(text));
}

void FormCustomHost::ShowWarning(const std::string& text, const std::string& caption) {
  form_.input.ReleaseAll();
  QMessageBox::warning(&form_, Qs(caption), Qs(text));
}

bool FormCustomHost::AskYesNo(const std::string& text, const std::string& caption) {
  form_.input.ReleaseAll();
  return QMessageBox::warning(&form_, Qs(caption), Qs(text), QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace quarrion
