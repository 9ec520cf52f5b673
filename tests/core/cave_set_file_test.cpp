#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/cave_set_file.h"

namespace quarrion {
namespace {

namespace fs = std::filesystem;

class CaveSetFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("quarrion-file-test-" + std::to_string(getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code error;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(dir_, error);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  static std::vector<uint8_t> Pattern(std::size_t length) {
    std::vector<uint8_t> bytes(length);
    for (std::size_t i = 0; i < length; ++i) bytes[i] = uint8_t(i * 7 + i / 251);
    return bytes;
  }
  static void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }
  static std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
  }

  fs::path dir_;
};

TEST_F(CaveSetFile, AcceptsLengthsThatRoundDownToWholeUnitsOf128) {
  EXPECT_TRUE(IsAcceptedCaveSetLength(96000));
  EXPECT_TRUE(IsAcceptedCaveSetLength(96127));
  EXPECT_FALSE(IsAcceptedCaveSetLength(95999));
  EXPECT_FALSE(IsAcceptedCaveSetLength(96128));
  EXPECT_FALSE(IsAcceptedCaveSetLength(0));
}

TEST_F(CaveSetFile, ReadsTheFirst96000BytesOfAnAcceptedFile) {
  for (std::size_t length : {std::size_t{96000}, std::size_t{96127}}) {
    const std::vector<uint8_t> bytes = Pattern(length);
    WriteBytes(Path("set.qcv"), bytes);
    CaveSet caves;
    ASSERT_TRUE(ReadCaveSetFile(Path("set.qcv"), caves)) << length;
    EXPECT_TRUE(std::equal(caves.bytes.begin(), caves.bytes.end(), bytes.begin())) << length;
  }
}

TEST_F(CaveSetFile, RefusedFilesChangeNothing) {
  CaveSet caves;
  caves.bytes.fill(42);
  for (std::size_t length : {std::size_t{95999}, std::size_t{96128}, std::size_t{0}}) {
    WriteBytes(Path("bad.qcv"), Pattern(length));
    EXPECT_FALSE(ReadCaveSetFile(Path("bad.qcv"), caves)) << length;
  }
  EXPECT_FALSE(ReadCaveSetFile(Path("missing.qcv"), caves));
  EXPECT_FALSE(ReadCaveSetFile(dir_.string(), caves)) << "a folder is not a cave set";
  EXPECT_TRUE(std::all_of(caves.bytes.begin(), caves.bytes.end(), [](uint8_t b) { return b == 42; }));
}

TEST_F(CaveSetFile, WriteThenReadGivesBackEveryByte) {
  CaveSet written;
  const std::vector<uint8_t> bytes = Pattern(kCaveSetBytes);
  std::copy(bytes.begin(), bytes.end(), written.bytes.begin());
  ASSERT_TRUE(WriteCaveSetFile(Path("round.qcv"), written));
  EXPECT_EQ(fs::file_size(Path("round.qcv")), kCaveSetBytes);
  CaveSet read;
  ASSERT_TRUE(ReadCaveSetFile(Path("round.qcv"), read));
  EXPECT_EQ(read.bytes, written.bytes);
  EXPECT_EQ(ReadBytes(Path("round.qcv")), bytes);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1) << "no temporary file is left behind";
}

TEST_F(CaveSetFile, WriteReplacesALongerFileWithExactly96000Bytes) {
  WriteBytes(Path("old.qcv"), Pattern(96127));
  CaveSet caves;
  ASSERT_TRUE(WriteCaveSetFile(Path("old.qcv"), caves));
  EXPECT_EQ(fs::file_size(Path("old.qcv")), kCaveSetBytes);
}

// A disk that fills up part-way must not cost the player the old file.
TEST_F(CaveSetFile, AWriteThatFailsPartWayLeavesTheOldFileIntact) {
  const std::vector<uint8_t> old = Pattern(kCaveSetBytes);
  WriteBytes(Path("keep.qcv"), old);
  CaveSet caves;
  caves.bytes.fill(1);

  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 50000;  // the write stops after 50000 bytes, as on a full disk
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool ok = bool(WriteCaveSetFile(Path("keep.qcv"), caves));
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);

  EXPECT_FALSE(ok);
  EXPECT_EQ(ReadBytes(Path("keep.qcv")), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1) << "no temporary file is left behind";
}

TEST_F(CaveSetFile, AVanishedFolderOrReadOnlyFileFailsQuietly) {
  CaveSet caves;
  EXPECT_FALSE(WriteCaveSetFile(Path("gone/set.qcv"), caves));
  const std::vector<uint8_t> old = Pattern(kCaveSetBytes);
  WriteBytes(Path("ro.qcv"), old);
  fs::permissions(Path("ro.qcv"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(WriteCaveSetFile(Path("ro.qcv"), caves));
  EXPECT_EQ(ReadBytes(Path("ro.qcv")), old);
}

TEST_F(CaveSetFile, ReplacingKeepsTheOldFilesPermissions) {
  CaveSet caves;
  WriteBytes(Path("perm.qcv"), Pattern(kCaveSetBytes));
  fs::permissions(Path("perm.qcv"), fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(WriteCaveSetFile(Path("perm.qcv"), caves));
  EXPECT_EQ(fs::status(Path("perm.qcv")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}

TEST(CaveSetNames, DropFolderAndLastFourCharacters) {
  EXPECT_EQ(CaveSetNameOf("/home/me/Levels/my set.qcv"), "my set");
  EXPECT_EQ(CaveSetNameOf("x.dat"), "x");
  EXPECT_EQ(CaveSetCaption("my set"), "Quarrion - my set.qcv");
  EXPECT_EQ(CaveSetCaption("x"), "Quarrion - x.qcv");
  EXPECT_EQ(CaveSetCaption(""), "Quarrion");
  EXPECT_EQ(CaveSetNameOf("/a/abc"), "") << "too short for an extension: no name, no crash";
}

}  // namespace
}  // namespace quarrion
