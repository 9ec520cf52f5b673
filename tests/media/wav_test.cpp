#include <gtest/gtest.h>

#include "app/media/byte_io.h"
#include "app/media/wav.h"

namespace quarrion {
namespace {

void FormatChunk(ByteWriter& out, uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
  out.Text("fmt ");
  out.U32(16);
  out.U16(tag);
  out.U16(channels);
  out.U32(rate);
  out.U32(rate * channels * bits / 8);
  out.U16(uint16_t(channels * bits / 8));
  out.U16(bits);
}

std::vector<uint8_t> Riff(const std::vector<uint8_t>& chunks) {
  ByteWriter out;
  out.Text("RIFF");
  out.U32(uint32_t(4 + chunks.size()));
  out.Text("WAVE");
  out.Bytes(chunks);
  return out.Release();
}

Wave Decode(const std::vector<uint8_t>& file) {
  Wave w;
  std::string error;
  EXPECT_TRUE(DecodeWav(file, w, &error)) << error;
  return w;
}

TEST(WavDecode, SixteenBitStereoRoundTripKeepsEverySample) {
  Wave in{44100, 2, 16, {0, -1, 32767, -32768, 1234, -4321}};
  const Wave out = Decode(EncodeWav(in));
  EXPECT_EQ(out.sampleRate, 44100);
  EXPECT_EQ(out.channels, 2);
  EXPECT_EQ(out.bitsPerSample, 16);
  EXPECT_EQ(out.samples, in.samples);
  EXPECT_DOUBLE_EQ(out.Seconds(), 3.0 / 44100);
}

TEST(WavDecode, EightBitIsUnsignedAndComesBackExactly) {
  ByteWriter chunks;
  FormatChunk(chunks, 1, 1, 11025, 8);
  chunks.Text("data");
  chunks.U32(3);
  chunks.Bytes(std::vector<uint8_t>{0, 128, 255, 0});  // odd size: one pad byte
  const Wave w = Decode(Riff(chunks.Release()));
  EXPECT_EQ(w.samples, (std::vector<int16_t>{-32768, 0, 32512}));
  EXPECT_EQ(w.bitsPerSample, 8);
  const std::vector<uint8_t> again = EncodeWav(w);
  EXPECT_EQ(Decode(again).samples, w.samples);
  EXPECT_EQ(again[34], 8) << "an 8-bit sound is written in 8 bits";
}

TEST(WavDecode, SkipsUnknownChunksWithPaddingAndReadsExtensiblePcm) {
  ByteWriter chunks;
  chunks.Text("LIST");
  chunks.U32(3);
  chunks.Bytes(std::vector<uint8_t>{'a', 'b', 'c', 0});
  chunks.Text("fmt ");
  chunks.U32(40);
  chunks.U16(0xFFFE);
  chunks.U16(1);
  chunks.U32(22050);
  chunks.U32(44100);
  chunks.U16(2);
  chunks.U16(16);
  chunks.U16(22);
  chunks.U16(16);
  chunks.U32(4);
  chunks.U16(1);  // PCM sub-format
  chunks.Bytes(std::vector<uint8_t>(14, 0));
  chunks.Text("data");
  chunks.U32(4);
  chunks.U16(100);
  chunks.U16(uint16_t(-100));
  const Wave w = Decode(Riff(chunks.Release()));
  EXPECT_EQ(w.sampleRate, 22050);
  EXPECT_EQ(w.samples, (std::vector<int16_t>{100, -100}));
}

TEST(WavDecode, DataSizePastTheEndIsCutToWholeFrames) {
  ByteWriter chunks;
  FormatChunk(chunks, 1, 2, 8000, 16);
  chunks.Text("data");
  chunks.U32(0xFFFFFFFF);  // a recorder that never finished its file
  chunks.Bytes(std::vector<uint8_t>{1, 0, 2, 0, 3, 0});
  const Wave w = Decode(Riff(chunks.Release()));
  EXPECT_EQ(w.samples, (std::vector<int16_t>{1, 2})) << "the half frame at the end is dropped";
}

TEST(WavRefuse, UnsupportedFormatsAndMissingChunksFailWithAReason) {
  auto refuse = [](uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
    ByteWriter chunks;
    FormatChunk(chunks, tag, channels, rate, bits);
    chunks.Text("data");
    chunks.U32(0);
    Wave w;
    std::string error;
    EXPECT_FALSE(DecodeWav(Riff(chunks.Release()), w, &error));
    EXPECT_FALSE(error.empty());
  };
  refuse(3, 1, 22050, 16);  // floating point comes in 32 or 64 bits only
  refuse(1, 1, 22050, 12);
  refuse(7, 1, 22050, 16);  // u-law is 8 bits
  refuse(1, 3, 22050, 16);
  refuse(1, 0, 22050, 16);
  refuse(1, 1, 0, 16);
  refuse(2, 1, 22050, 4);  // compressed

  Wave w;
  std::string error;
  EXPECT_FALSE(DecodeWav(std::vector<uint8_t>{'R', 'I', 'F', 'X'}, w, &error));
  ByteWriter noData;
  FormatChunk(noData, 1, 1, 22050, 16);
  EXPECT_FALSE(DecodeWav(Riff(noData.Release()), w, &error));
  EXPECT_NE(error.find("data"), std::string::npos) << error;
  ByteWriter noFormat;
  noFormat.Text("data");
  noFormat.U32(2);
  noFormat.U16(7);
  EXPECT_FALSE(DecodeWav(Riff(noFormat.Release()), w, &error));
  EXPECT_NE(error.find("format"), std::string::npos) << error;
}

TEST(WavRefuse, EveryTruncationFailsOrYieldsWholeFrames) {
  const std::vector<uint8_t> file = EncodeWav(Wave{22050, 2, 16, {1, 2, 3, 4, 5, 6}});
  for (std::size_t n = 0; n < file.size(); ++n) {
    std::vector<uint8_t> cut(file.begin(), file.begin() + std::ptrdiff_t(n));
    Wave w;
    if (n < 44) {
      EXPECT_FALSE(DecodeWav(cut, w)) << "length " << n;
    } else {
      ASSERT_TRUE(DecodeWav(cut, w)) << "length " << n;
      EXPECT_EQ(w.samples.size(), (n - 44) / 4 * 2);
    }
  }
}

}  // namespace
}  // namespace quarrion
