#include <gtest/gtest.h>

#include <vector>

#include "app/sdl_audio.h"

namespace quarrion {
namespace {

void Big(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(uint8_t(value >> (8 * i)));
}

// One track at 480 ticks a quarter: a tempo, a note over `ticks`, the end marker.
std::vector<uint8_t> Tune(uint32_t tempo, uint8_t lengthHigh, uint8_t lengthLow) {
  std::vector<uint8_t> track = {0x00, 0xFF, 0x51, 0x03};
  Big(track, tempo, 3);
  const std::vector<uint8_t> notes = {0x00, 0x90, 60, 100, lengthHigh, lengthLow, 0x80, 60, 0, 0x00, 0xFF, 0x2F, 0x00};
  track.insert(track.end(), notes.begin(), notes.end());
  std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0, 'M', 'T', 'r', 'k'};
  Big(file, uint32_t(track.size()), 4);
  file.insert(file.end(), track.begin(), track.end());
  return file;
}

TEST(MidiFileLength, FollowsTheTempo) {
  // 1920 ticks (variable length 0x8F 0x00) are four quarters: 2 s at 500000 µs, 1 s at 250000 µs
  EXPECT_EQ(MidiFileLengthMs(Tune(500000, 0x8F, 0x00)), 2000);
  EXPECT_EQ(MidiFileLengthMs(Tune(250000, 0x8F, 0x00)), 1000);
}

TEST(MidiFileLength, TruncatedOrForeignFilesGiveZeroWithoutReadingPastTheEnd) {
  const std::vector<uint8_t> whole = Tune(500000, 0x8F, 0x00);
  for (std::size_t cut = 0; cut < whole.size(); ++cut) {
    const std::vector<uint8_t> part(whole.begin(), whole.begin() + std::ptrdiff_t(cut));
    EXPECT_GE(MidiFileLengthMs(part), 0) << cut;
  }
  EXPECT_EQ(MidiFileLengthMs({'R', 'I', 'F', 'F', 0, 0, 0, 0}), 0);
  std::vector<uint8_t> lying = whole;
  lying[21] = 0xFF;  // a track length far beyond the file
  EXPECT_EQ(MidiFileLengthMs(lying), 0);
}

}  // namespace
}  // namespace quarrion
