#include "app/media/wav.h"

#include <algorithm>

#include "app/media/byte_io.h"

namespace quarrion {
namespace {

constexpr uint16_t kFormatPcm = 1;
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

bool ReadFormat(std::span<const uint8_t> chunk, Format& f, std::string* error) {
  ByteReader in(chunk);
  uint32_t byteRate = 0;
  uint16_t blockAlign = 0;
  if (!in.U16(f.tag) || !in.U16(f.channels) || !in.U32(f.rate) || !in.U32(byteRate) || !in.U16(blockAlign) ||
      !in.U16(f.bits))
    return Fail(error, "the format chunk is cut short");
  if (f.tag == kFormatExtensible) {
    // the real format is the first two bytes of the sub-format after the size, valid bits and mask
    uint16_t extra = 0, validBits = 0, subFormat = 0;
    uint32_t channelMask = 0;
    if (!in.U16(extra) || !in.U16(validBits) || !in.U32(channelMask) || !in.U16(subFormat))
      return Fail(error, "the extensible format chunk is cut short");
    f.tag = subFormat;
  }
  if (f.tag != kFormatPcm) return Fail(error, "unsupported format " + std::to_string(f.tag) + " (PCM only)");
  if (f.channels != 1 && f.channels != 2) return Fail(error, std::to_string(f.channels) + " channels (1 or 2 only)");
  if (f.bits != 8 && f.bits != 16) return Fail(error, std::to_string(f.bits) + " bits per sample (8 or 16 only)");
  if (f.rate < kMinRate || f.rate > kMaxRate) return Fail(error, "unsupported rate of " + std::to_string(f.rate) + " Hz");
  return true;
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
  wave.bitsPerSample = format.bits;
  wave.samples.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    if (bytesPerSample == 1)
      wave.samples[i] = int16_t((int(data[i]) - 128) * 256);
    else
      wave.samples[i] = int16_t(uint16_t(data[2 * i] | data[2 * i + 1] << 8));
  }
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
