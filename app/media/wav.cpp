#include "app/media/wav.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "app/media/byte_io.h"

namespace quarrion {
namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatFloat = 3;
constexpr uint16_t kFormatALaw = 6;
constexpr uint16_t kFormatMuLaw = 7;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr uint32_t kMinRate = 1000;
constexpr uint32_t kMaxRate = 384000;

bool Fail(std::string* error, const std::string& message) {
  if (error != nullptr) *error = "sound: " + message;
  return false;
}

struct Format {
  uint16_t tag = 0;
  uint16_t channels = 0;
  uint32_t rate = 0;
  uint16_t bits = 0;
};

bool KnownCoding(const Format& f) {
  switch (f.tag) {
    case kFormatPcm: return f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32;
    case kFormatFloat: return f.bits == 32 || f.bits == 64;
    case kFormatALaw:
    case kFormatMuLaw: return f.bits == 8;
    default: return false;
  }
}

bool ReadFormat(std::span<const uint8_t> chunk, Format& f, std::string* error) {
  ByteReader in(chunk);
  uint32_t byteRate = 0;
  uint16_t blockAlign = 0;
  if (!in.U16(f.tag) || !in.U16(f.channels) || !in.U32(f.rate) || !in.U32(byteRate) || !in.U16(blockAlign) ||
      !in.U16(f.bits))
    return Fail(error, "the format chunk is cut short");
  if (f.tag == kFormatExtensible) {
    // the real format is the first two bytes of the sub-format after the size, valid bits and mask;
    // 24 valid bits in 32-bit containers decode as 32 bits, their low byte being zero
    uint16_t extra = 0, validBits = 0, subFormat = 0;
    uint32_t channelMask = 0;
    if (!in.U16(extra) || !in.U16(validBits) || !in.U32(channelMask) || !in.U16(subFormat))
      return Fail(error, "the extensible format chunk is cut short");
    f.tag = subFormat;
  }
  if (f.tag != kFormatPcm && f.tag != kFormatFloat && f.tag != kFormatALaw && f.tag != kFormatMuLaw)
    return Fail(error, "unsupported format " + std::to_string(f.tag) + " (PCM, float, A-law or u-law only)");
  if (f.channels != 1 && f.channels != 2) return Fail(error, std::to_string(f.channels) + " channels (1 or 2 only)");
  if (!KnownCoding(f))
    return Fail(error, std::to_string(f.bits) + " bits per sample (PCM 8, 16, 24 or 32, float 32 or 64, "
                                                 "A-law and u-law 8 only)");
  if (f.rate < kMinRate || f.rate > kMaxRate) return Fail(error, "unsupported rate of " + std::to_string(f.rate) + " Hz");
  return true;
}

int16_t FromFloat(double v) {
  if (!(v == v)) return 0;  // NaN is silence
  return int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
}

// G.711: sign, a three-bit segment and four bits of mantissa, stored inverted (u-law) or with
// every other bit flipped (A-law); both expand to values in 16-bit range.
int16_t FromMuLaw(uint8_t code) {
  code = uint8_t(~code);
  const int magnitude = ((((code & 0x0F) << 3) + 0x84) << ((code & 0x70) >> 4)) - 0x84;
  return int16_t(code & 0x80 ? -magnitude : magnitude);
}

int16_t FromALaw(uint8_t code) {
  code ^= 0x55;
  const int segment = (code & 0x70) >> 4;
  int magnitude = (code & 0x0F) << 4;
  magnitude += segment == 0 ? 8 : 0x108;
  if (segment > 1) magnitude <<= segment - 1;
  return int16_t(code & 0x80 ? magnitude : -magnitude);
}

// One sample at p, of the format's coding, as 16-bit PCM (the wider ones keep their top bits).
int16_t Sample(const uint8_t* p, const Format& f) {
  const auto little = [p](int bytes) {
    uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | p[i];
    return v;
  };
  switch (f.tag) {
    case kFormatALaw: return FromALaw(p[0]);
    case kFormatMuLaw: return FromMuLaw(p[0]);
    case kFormatFloat: {
      if (f.bits == 32) return FromFloat(double(std::bit_cast<float>(uint32_t(little(4)))));
      return FromFloat(std::bit_cast<double>(little(8)));
    }
    default: break;
  }
  switch (f.bits) {
    case 8: return int16_t((int(p[0]) - 128) * 256);
    case 16: return int16_t(uint16_t(little(2)));
    case 24: return int16_t(uint16_t(little(3) >> 8));
    default: return int16_t(uint16_t(little(4) >> 16));
  }
}

}  // namespace

bool DecodeWav(std::span<const uint8_t> bytes, Wave& out, std::string* error) {
  ByteReader in(bytes);
  uint32_t riffSize = 0;
  if (!in.Match("RIFF") || !in.U32(riffSize) || !in.Match("WAVE")) return Fail(error, "not a RIFF WAVE file");
  Format format;
  bool haveFormat = false;
  std::span<const uint8_t> data;
  bool haveData = false;
  // chunks in any order; unknown ones are skipped; a size past the end is cut to what is there,
  // as recorders that never finished their file leave it
  while (in.Remaining() >= 8) {
    std::span<const uint8_t> id;
    uint32_t size = 0;
    in.Take(4, id);
    in.U32(size);
    std::span<const uint8_t> chunk;
    in.Take(std::min<std::size_t>(size, in.Remaining()), chunk);
    if (size % 2 == 1) in.Skip(1);
    const std::string name(id.begin(), id.end());
    if (name == "fmt " && !haveFormat) {
      if (!ReadFormat(chunk, format, error)) return false;
      haveFormat = true;
    } else if (name == "data" && !haveData) {
      data = chunk;
      haveData = true;
    }
  }
  if (!haveFormat) return Fail(error, "no format chunk");
  if (!haveData) return Fail(error, "no data chunk");
  const std::size_t bytesPerSample = format.bits / 8u;
  const std::size_t frameBytes = bytesPerSample * format.channels;
  const std::size_t count = data.size() / frameBytes * format.channels;  // whole frames only
  Wave wave;
  wave.sampleRate = int(format.rate);
  wave.channels = format.channels;
  // only 8-bit PCM stays 8 bits; everything else is kept, and packed, as 16-bit PCM
  wave.bitsPerSample = format.tag == kFormatPcm && format.bits == 8 ? 8 : 16;
  wave.samples.resize(count);
  for (std::size_t i = 0; i < count; ++i) wave.samples[i] = Sample(data.data() + i * bytesPerSample, format);
  out = std::move(wave);
  return true;
}

std::vector<uint8_t> EncodeWav(const Wave& wave) {
  const bool eight = wave.bitsPerSample == 8;
  const uint16_t channels = uint16_t(std::clamp(wave.channels, 1, 2));
  const uint32_t rate = uint32_t(std::max(wave.sampleRate, 1));
  const uint16_t bytesPerSample = eight ? 1 : 2;
  const uint32_t dataBytes = uint32_t(wave.samples.size()) * bytesPerSample;
  ByteWriter out;
  out.Text("RIFF");
  out.U32(4 + 8 + 16 + 8 + dataBytes + dataBytes % 2);
  out.Text("WAVE");
  out.Text("fmt ");
  out.U32(16);
  out.U16(kFormatPcm);
  out.U16(channels);
  out.U32(rate);
  out.U32(rate * channels * bytesPerSample);
  out.U16(uint16_t(channels * bytesPerSample));
  out.U16(uint16_t(bytesPerSample * 8));
  out.Text("data");
  out.U32(dataBytes);
  for (const int16_t s : wave.samples) {
    if (eight) {
      // rounded to the nearest 8-bit step, so 8-bit sounds come back exactly
      out.U8(uint8_t(std::clamp((int(s) + 32768 + 128) >> 8, 0, 255)));
    } else {
      out.U16(uint16_t(s));
    }
  }
  if (dataBytes % 2 == 1) out.U8(0);
  return out.Release();
}

}  // namespace quarrion
