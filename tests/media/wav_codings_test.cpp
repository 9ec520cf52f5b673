// The WAV codings that sound editors export besides 8 and 16-bit PCM: each becomes 16-bit PCM.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "app/media/byte_io.h"
#include "app/media/wav.h"

namespace quarrion {
namespace {

// A whole file of one coding; extensible puts the tag into the sub-format as newer writers do.
std::vector<uint8_t> WavFile(uint16_t tag, uint16_t channels, uint16_t bits, const std::vector<uint8_t>& data,
                             bool extensible = false) {
  ByteWriter out;
  out.Text("RIFF");
  out.U32(uint32_t(4 + 8 + (extensible ? 40 : 16) + 8 + data.size()));
  out.Text("WAVE");
  out.Text("fmt ");
  out.U32(extensible ? 40 : 16);
  out.U16(extensible ? 0xFFFE : tag);
  out.U16(channels);
  out.U32(44100);
  out.U32(44100u * channels * bits / 8);
  out.U16(uint16_t(channels * bits / 8));
  out.U16(bits);
  if (extensible) {
    out.U16(22);
    out.U16(bits == 32 && tag == 1 ? 24 : bits);  // 24 valid bits in 32-bit containers
    out.U32(0);
    out.U16(tag);
    for (int i = 0; i < 14; ++i) out.U8(0);  // the rest of the sub-format GUID
  }
  out.Text("data");
  out.U32(uint32_t(data.size()));
  out.Bytes(data);
  return out.Release();
}

std::vector<uint8_t> Little(const std::vector<int64_t>& values, int bytes) {
  std::vector<uint8_t> out;
  for (const int64_t v : values)
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(uint64_t(v) >> (8 * i)));
  return out;
}

template <typename F>
std::vector<uint8_t> Floats(const std::vector<F>& values) {
  std::vector<uint8_t> out(values.size() * sizeof(F));
  std::memcpy(out.data(), values.data(), out.size());
  return out;
}

std::vector<int16_t> Decoded(const std::vector<uint8_t>& file) {
  Wave w;
  std::string error;
  EXPECT_TRUE(DecodeWav(file, w, &error)) << error;
  EXPECT_EQ(w.bitsPerSample, 16) << "kept and packed as 16-bit PCM";
  return w.samples;
}

TEST(WavCodings, WiderPcmKeepsItsTopSixteenBits) {
  const std::vector<int16_t> expected = {32767, -32768, 0x1234, -1, 0};
  EXPECT_EQ(Decoded(WavFile(1, 1, 24, Little({0x7FFFFF, -0x800000, 0x123456, -1, 0xFF}, 3))), expected);
  EXPECT_EQ(Decoded(WavFile(1, 1, 32, Little({0x7FFFFFFF, -0x7FFFFFFF - 1, 0x12345678, -1, 0xFFFF}, 4))), expected);
  // 24 valid bits in 32-bit containers, as the extensible header declares them
  EXPECT_EQ(Decoded(WavFile(1, 1, 32, Little({0x7FFFFF00, -0x80000000LL, 0x12345600, -256, 0}, 4), true)), expected);
}

TEST(WavCodings, FloatIsScaledClampedAndNanIsSilence) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const std::vector<int16_t> expected = {32767, -32767, 16384, 32767, -32767, 0, 0};
  EXPECT_EQ(Decoded(WavFile(3, 1, 32, Floats<float>({1.0f, -1.0f, 0.5f, 3.0f, -7.0f, nan, 0.0f}))), expected);
  EXPECT_EQ(Decoded(WavFile(3, 1, 64, Floats<double>({1.0, -1.0, 0.5, 3.0, -7.0, double(nan), 0.0}))), expected);
  EXPECT_EQ(Decoded(WavFile(3, 1, 32, Floats<float>({1.0f, -1.0f, 0.5f, 3.0f, -7.0f, nan, 0.0f}), true)), expected);
}

TEST(WavCodings, StereoFloatKeepsBothChannelsInterleaved) {
  Wave w;
  ASSERT_TRUE(DecodeWav(WavFile(3, 2, 32, Floats<float>({0.25f, -0.25f, 0.5f, -0.5f, 0.75f})), w));
  EXPECT_EQ(w.channels, 2);
  EXPECT_EQ(w.samples, (std::vector<int16_t>{8192, -8192, 16384, -16384})) << "the odd last sample is no frame";
  const std::vector<uint8_t> again = EncodeWav(w);
  Wave back;
  ASSERT_TRUE(DecodeWav(again, back));
  EXPECT_EQ(again[34], 16) << "written as 16-bit PCM";
  EXPECT_EQ(back.samples, w.samples);
}

TEST(WavCodings, G711CodesExpandToTheirKnownLevelsAndRiseSteadily) {
  std::vector<uint8_t> all(256);
  for (int i = 0; i < 256; ++i) all[std::size_t(i)] = uint8_t(i);
  const std::vector<int16_t> mu = Decoded(WavFile(7, 1, 8, all));
  const std::vector<int16_t> a = Decoded(WavFile(6, 1, 8, all));
  ASSERT_EQ(mu.size(), 256u);
  ASSERT_EQ(a.size(), 256u);
  // the published end points of the two laws
  EXPECT_EQ(mu[0xFF], 0);
  EXPECT_EQ(mu[0x80], 32124);
  EXPECT_EQ(mu[0x00], -32124);
  EXPECT_EQ(a[0xD5], 8);
  EXPECT_EQ(a[0x55], -8);
  EXPECT_EQ(a[0xAA], 32256);
  EXPECT_EQ(a[0x2A], -32256);
  // u-law: codes 0x80..0xFF fall from the loudest to silence, 0x00..0x7F mirror them below zero
  for (int i = 0x80; i < 0xFF; ++i) {
    EXPECT_GT(mu[std::size_t(i)], mu[std::size_t(i) + 1]) << i;
    EXPECT_EQ(mu[std::size_t(i) - 0x80], -mu[std::size_t(i)]) << i;
  }
  // A-law: after undoing the flipped bits, the magnitude rises with the code within each sign
  for (int m = 0; m < 0x7F; ++m) {
    const auto level = [&](int code) { return a[std::size_t((code | 0x80) ^ 0x55)]; };
    EXPECT_LT(level(m), level(m + 1)) << m;
  }
}

}  // namespace
}  // namespace quarrion
