#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int QuarrionFuzzReadPack(const uint8_t* data, size_t size);
int QuarrionFuzzBmp(const uint8_t* data, size_t size);
int QuarrionFuzzPng(const uint8_t* data, size_t size);
int QuarrionFuzzWav(const uint8_t* data, size_t size);
int QuarrionFuzzMidiLength(const uint8_t* data, size_t size);
int QuarrionFuzzConfig(const uint8_t* data, size_t size);
int QuarrionFuzzCaveSet(const uint8_t* data, size_t size);
int QuarrionFuzzCaveText(const uint8_t* data, size_t size);
int QuarrionFuzzSolutions(const uint8_t* data, size_t size);
int QuarrionFuzzToolArguments(const uint8_t* data, size_t size);

namespace quarrion {
namespace {

namespace fs = std::filesystem;

struct Target {
  const char* corpus;
  int (*entry)(const uint8_t*, size_t);
};

class CorpusReplay : public ::testing::TestWithParam<Target> {};

// Every seed goes through the target as the fuzzer would feed it, and the empty input too; a
// target that aborts on a broken rule fails the test, and a missing corpus is a failure.
TEST_P(CorpusReplay, EverySeedRunsThroughItsTarget) {
  const fs::path folder = fs::path(QUARRION_FUZZ_CORPUS) / GetParam().corpus;
  ASSERT_TRUE(fs::is_directory(folder)) << folder;
  int seeds = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    SCOPED_TRACE(entry.path().filename().string());
    EXPECT_EQ(GetParam().entry(bytes.data(), bytes.size()), 0);
    ++seeds;
  }
  EXPECT_GE(seeds, 2) << "the seed corpus has gone missing";
  const uint8_t nothing = 0;
  EXPECT_EQ(GetParam().entry(&nothing, 0), 0);
}

INSTANTIATE_TEST_SUITE_P(Fuzz, CorpusReplay,
                         ::testing::Values(Target{"pack", QuarrionFuzzReadPack}, Target{"bmp", QuarrionFuzzBmp}, Target{"png", QuarrionFuzzPng},
                                           Target{"wav", QuarrionFuzzWav}, Target{"midi_length", QuarrionFuzzMidiLength},
                                           Target{"config", QuarrionFuzzConfig}, Target{"cave_set", QuarrionFuzzCaveSet},
                                           Target{"cave_text", QuarrionFuzzCaveText},
                                           Target{"solutions", QuarrionFuzzSolutions},
                                           Target{"tool_arguments", QuarrionFuzzToolArguments}),
                         [](const ::testing::TestParamInfo<Target>& param) { return std::string(param.param.corpus); });

}  // namespace
}  // namespace quarrion
