// The main window as the custom game dialog's host: its paths, media, timers and the real file
// and message windows.
#pragma once
#include "app/custom_game_form.h"

namespace quarrion {

class TQuarrionForm;

class FormCustomHost : public CustomGameHost {
 public:
  explicit FormCustomHost(TQuarrionForm& form) : form_(form) {}
  Config& Paths() override;
  std::string ProgramFolder() const override;
  int InGame() const override;
  bool EditorActive() const override;
  int Zoom() const override;
  bool Muted() const override;
  ImageList& Fonts() override;
  SoundList& Waves() override;
  void LoadGraphicsForZoom() override;
  void LoadEditorImages(const std::string& path) override;
  void StopMusic() override;
  void RestartMusic() override;
  bool OpenMusic(const std::string& path) override;
  void SetMusicAvailable(bool available) override;
  void SetTimersEnabled(bool enabled) override;
  std::optional<std::string> ChooseOpenFile(const std::string& startFolder, const std::string& filter) override;
  std::optional<std::string> ChooseSaveFile(const std::string& startFolder, const std::string& filter) override;
  void ShowNotice(const std::string& text, const std::string& caption) override;
  void ShowWarning(const std::string& text, const std::string& caption) override;
  bool AskYesNo(const std::string& text, const std::string& caption) override;

 private:
  TQuarrionForm& form_;
};

}  // namespace quarrion
