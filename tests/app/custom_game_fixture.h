// The custom game dialog's tests share a host with scripted choosers and answers, a fresh
// program folder per test, and writers for small picture, sound and pack files.
#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/config.h"
#include "app/custom_game_form.h"
#include "app/media/bmp.h"
#include "app/media/headless_media.h"
#include "app/media/pack.h"
#include "app/media/pack_folder.h"
#include "app/media/wav.h"
#include "tests/temp_path.h"
#include "tests/app/qt_application.h"

namespace quarrion::custom_game_test {

namespace fs = std::filesystem;

// Scripted choosers and answers, with a record of every call the dialog makes.
class FakeHost : public CustomGameHost {
 public:
  struct Request {
    std::string kind;  // "open" or "save"
    std::string folder;
    std::string filter;
  };

  Config& Paths() override { return config; }
  std::string ProgramFolder() const override { return programFolder; }
  int InGame() const override { return inGame; }
  bool EditorActive() const override { return editorActive; }
  int Zoom() const override { return zoom; }
  bool Muted() const override { return muted; }
  ImageList& Fonts() override { return fonts; }
  SoundList& Waves() override { return waves; }
  void LoadGraphicsForZoom() override {
    ++graphicsLoads;
    std::string* paths[3] = {&config.graph24Path, &config.graph32Path, &config.graph40Path};
    if (!zoomFallback.empty()) *paths[zoom] = zoomFallback;  // as when the chosen pack cannot be read
  }
  void LoadEditorImages(const std::string& path) override { editorImages.push_back(path); }
  void StopMusic() override { ++musicStops; }
  void RestartMusic() override { ++musicRestarts; }
  bool OpenMusic(const std::string& path) override {
    openedMusic.push_back(path);
    return musicOpens;
  }
  void SetMusicAvailable(bool available) override { musicAvailable = available; }
  void SetTimersEnabled(bool enabled) override { timersEnabled = enabled; }
  std::optional<std::string> ChooseOpenFile(const std::string& folder, const std::string& filter) override {
    return Answer("open", folder, filter);
  }
  std::optional<std::string> ChooseSaveFile(const std::string& folder, const std::string& filter) override {
    return Answer("save", folder, filter);
  }
  void ShowNotice(const std::string& text, const std::string& caption) override { notices.push_back({text, caption}); }
  void ShowWarning(const std::string& text, const std::string& caption) override { warnings.push_back({text, caption}); }
  bool AskYesNo(const std::string& text, const std::string& caption) override {
    questions.push_back({text, caption});
    return answerYes;
  }

  Config config;
  std::string programFolder;
  int inGame = 0;
  bool editorActive = false;
  int zoom = 1;
  bool muted = false;
  ImageList fonts;
  RecordingSoundList waves;
  int graphicsLoads = 0;
  std::string zoomFallback;  // the path LoadGraphicsForZoom falls back to, if any
  std::vector<std::string> editorImages;
  int musicStops = 0;
  int musicRestarts = 0;
  bool musicOpens = true;
  std::vector<std::string> openedMusic;
  bool musicAvailable = true;
  bool timersEnabled = true;
  std::deque<std::optional<std::string>> answers;  // one per chooser, nothing left means cancel
  std::vector<Request> requests;
  std::vector<std::pair<std::string, std::string>> notices;
  std::vector<std::pair<std::string, std::string>> warnings;
  std::vector<std::pair<std::string, std::string>> questions;
  bool answerYes = true;

 private:
  std::optional<std::string> Answer(const char* kind, const std::string& folder, const std::string& filter) {
    requests.push_back({kind, folder, filter});
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

inline void Spit(const fs::path& path, const std::vector<uint8_t>& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A picture whose width tells which file it came from.
inline void WritePicture(const fs::path& path, int width) {
  Spit(path, EncodeBmpFile(Bitmap{width, 1, std::vector<uint32_t>(std::size_t(width), 0x123456)}));
}

inline Wave SoundNumbered(int n) { return Wave{22050, 1, 16, {int16_t(n + 1), int16_t(-n - 1)}}; }

inline void WriteSoundFiles(const fs::path& folder, int count) {
  for (int n = 0; n < count; ++n) Spit(folder / (ThreeDigitName(n) + ".wav"), EncodeWav(SoundNumbered(n)));
}

inline void WriteImagePack(const fs::path& path, int items) {
  ImageListData list;
  for (int n = 0; n < items; ++n) {
    ImageItem item;
    item.bitmap = Bitmap{n + 1, 1, std::vector<uint32_t>(std::size_t(n + 1), 1)};
    list.items.push_back(item);
  }
  ASSERT_TRUE(WritePack(path.string(), list));
}

inline void WriteSoundPack(const fs::path& path, int offset) {
  SoundListData list;
  for (int n = 0; n < kPackedSounds; ++n) {
    SoundItem item;
    item.wave = SoundNumbered(n + offset);
    list.items.push_back(item);
  }
  ASSERT_TRUE(WritePack(path.string(), list));
}

class CustomGameFormTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing_support::EnsureQtApplication(); }
  void SetUp() override {
    root_ = testing_support::UniqueTempPath("quarrion-custom");
    fs::remove_all(root_);
    fs::create_directories(root_ / "data" / "standard");
    host_.programFolder = root_.string() + "/";
    host_.config = DefaultConfig(host_.programFolder);
    form_ = std::make_unique<TCustomGameForm>(nullptr, host_);
  }
  void TearDown() override {
    form_.reset();
    fs::remove_all(root_);
  }
  template <typename T>
  T* Find(const char* name) const {
    return form_->findChild<T*>(name);
  }
  QString Field(const char* name) const { return Find<QLineEdit>(name)->text(); }
  std::string Data() const { return (root_ / "data").string(); }

  fs::path root_;
  FakeHost host_;
  std::unique_ptr<TCustomGameForm> form_;
};

}  // namespace quarrion::custom_game_test
