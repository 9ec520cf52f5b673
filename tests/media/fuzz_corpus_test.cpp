#include <gtest/gtest.h>

#include <filesystem>

#include "app/media/pack.h"

namespace quarrion {
namespace {

namespace fs = std::filesystem;

// The fuzz target's seed corpus, run through the normal suite: every file must be read or
// refused without a crash, and the seeds named after a list kind must read as that kind.
TEST(FuzzCorpus, EveryCorpusFileReadsOrIsRefusedCleanly) {
  const fs::path corpus = fs::path(QUARRION_TEST_DATA).parent_path() / "fuzz_corpus" / "pack";
  ASSERT_TRUE(fs::is_directory(corpus)) << corpus;
  int files = 0;
  for (const auto& entry : fs::directory_iterator(corpus)) {
    if (!entry.is_regular_file()) continue;
    ++files;
    const std::string path = entry.path().string();
    const std::string name = entry.path().filename().string();
    ImageListData images;
    SoundListData sounds;
    std::string imageError, soundError;
    const bool asImages = ReadPack(path, images, &imageError);
    const bool asSounds = ReadPack(path, sounds, &soundError);
    EXPECT_FALSE(asImages && asSounds) << name << " cannot be both kinds";
    if (name.starts_with("images_")) {
      EXPECT_TRUE(asImages) << name << ": " << imageError;
    }
    if (name.starts_with("sounds_")) {
      EXPECT_TRUE(asSounds) << name << ": " << soundError;
    }
  }
  EXPECT_GE(files, 10) << "the seed corpus has gone missing";
}

}  // namespace
}  // namespace quarrion
