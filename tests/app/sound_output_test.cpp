// What the player hears: the built program runs on the offscreen platform with SDL's disk audio
// driver, which writes the mixed output to a file, and the file is measured. The title tune and
// a stretch of play must be there, not silent and not clipped.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/sound_font.h"
#include "tests/app/qt_application.h"
#include "tests/temp_path.h"

namespace quarrion {
namespace {

namespace fs = std::filesystem;

// The mixer's device format, which the disk driver writes as it is.
constexpr int kRate = 44100;
constexpr int kChannels = 2;
// Quiet, but a tune or game sounds are far above it; silence and near-silence are far below.
constexpr double kRmsFloorDb = -45.0;
// The loudest sample must stay a little under full scale: a mix that reaches it is being clipped.
constexpr int kPeakCeiling = 32000;

struct Loudness {
  double seconds = 0;
  double rmsDb = -200;
  int peak = 0;
  long fullScale = 0;  // samples at the limit of 16 bits: clipped
};

Loudness Measure(const std::vector<int16_t>& samples, double fromSecond, double toSecond) {
  const auto first = std::min(samples.size(), std::size_t(fromSecond * kRate) * kChannels);
  const auto last = std::min(samples.size(), std::size_t(toSecond * kRate) * kChannels);
  Loudness loudness;
  double sum = 0;
  for (std::size_t i = first; i < last; ++i) {
    const int v = samples[i];
    sum += double(v) * v;
    loudness.peak = std::max(loudness.peak, std::abs(v));
    loudness.fullScale += v >= 32767 || v <= -32768;
  }
  if (last > first) {
    loudness.seconds = double(last - first) / (kRate * kChannels);
    const double rms = std::sqrt(sum / double(last - first)) / 32768.0;
    loudness.rmsDb = rms > 0 ? 20 * std::log10(rms) : -200;
  }
  return loudness;
}

std::ostream& operator<<(std::ostream& out, const Loudness& l) {
  return out << l.seconds << " s, RMS " << l.rmsDb << " dBFS, peak " << l.peak << ", " << l.fullScale
             << " samples at full scale";
}

class SoundOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const fs::path bin = QUARRION_BIN_DIR;
    if (!fs::exists(bin / "quarrion") || !fs::exists(bin / "data/standard/Sounds.dxw"))
      GTEST_SKIP() << "the program and its default media are not built";
    testing_support::EnsureQtApplication();
    // a program folder of its own, so the run writes its settings there and not beside the build
    folder_ = testing_support::UniqueTempPath("quarrion-sound");
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    fs::copy_file(bin / "quarrion", folder_ / "quarrion");
    fs::create_directory_symlink(bin / "data", folder_ / "data");
    fs::copy(bin / "Levels", folder_ / "Levels", fs::copy_options::recursive);
  }
  void TearDown() override {
    if (!folder_.empty()) fs::remove_all(folder_);
  }

  // Runs the program with a key script and returns the samples it sent to the sound device.
  std::vector<int16_t> Run(const QString& script) {
    const fs::path output = folder_ / "sound.raw";
    fs::remove(output);
    QProcess game;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("SDL_AUDIODRIVER", "disk");
    env.insert("SDL_DISKAUDIOFILE", QString::fromStdString(output.string()));
    env.insert("QUARRION_SCRIPT", script);
    game.setProcessEnvironment(env);
    game.setProgram(QString::fromStdString((folder_ / "quarrion").string()));
    game.setArguments({QString::fromStdString((folder_ / "Levels/Quarrion.qcv").string())});
    game.start();
    EXPECT_TRUE(game.waitForFinished(60000)) << "the game did not end";
    if (game.state() != QProcess::NotRunning) {
      game.kill();
      game.waitForFinished();
    }
    log_ = game.readAllStandardError().toStdString();
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit) << log_;
    EXPECT_EQ(game.exitCode(), 0) << log_;
    std::ifstream file(output, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(file)), {});
    std::vector<int16_t> samples(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
      samples[i] = int16_t(uint16_t(uint8_t(bytes[2 * i])) | uint16_t(uint8_t(bytes[2 * i + 1])) << 8);
    return samples;
  }

  fs::path folder_;
  std::string log_;
};

TEST_F(SoundOutputTest, TitleTuneIsHeardUnclipped) {
  if (FindSoundFont("", SoundFontFolders()).path.empty()) GTEST_SKIP() << "no General MIDI SoundFont installed";
  // the tune starts when the program becomes the active one
  const std::vector<int16_t> samples = Run("wait 5000; quit");
  const Loudness whole = Measure(samples, 0, 1e9);
  // the disk driver sleeps a buffer's time after writing it, so on a loaded machine it runs a
  // little slower than the clock
  ASSERT_GE(whole.seconds, 3.5) << "the device did not run the whole time: " << whole << log_;
  EXPECT_EQ(log_.find("SoundFont"), std::string::npos) << log_;
  // the first notes after the opening second, and the whole stretch
  for (const Loudness& part : {Measure(samples, 1.0, 3.0), whole}) {
    EXPECT_GT(part.rmsDb, kRmsFloorDb) << part;
    EXPECT_LT(part.peak, kPeakCeiling) << part;
    EXPECT_EQ(part.fullScale, 0) << part;
  }
}

TEST_F(SoundOutputTest, BusyCaveIsHeardUnclipped) {
  // Space leaves the title intro, D plays the first cave's demo: falling boulders, diamonds and
  // explosions overlap, which once drove the mix past full scale
  const std::vector<int16_t> samples = Run("wait 300; key Space; wait 100; key D; wait 11000; quit");
  const Loudness whole = Measure(samples, 0, 1e9);
  ASSERT_GE(whole.seconds, 8.0) << "the device did not run the whole time: " << whole << log_;
  // from the cover of the cave on: the tune stops when the cave starts
  const Loudness cave = Measure(samples, 1.5, 1e9);
  EXPECT_GT(cave.rmsDb, kRmsFloorDb) << cave;
  EXPECT_LT(cave.peak, kPeakCeiling) << cave;
  EXPECT_EQ(cave.fullScale, 0) << cave;
  // and the play itself, not only the cave's opening: the run's last seconds, counted back from
  // its end so that a slow start-up does not shift them
  const Loudness play = Measure(samples, whole.seconds - 4.0, whole.seconds - 0.5);
  EXPECT_GT(play.rmsDb, kRmsFloorDb) << play;
}

}  // namespace
}  // namespace quarrion
