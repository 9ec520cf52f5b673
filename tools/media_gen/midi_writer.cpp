#include "tools/media_gen/midi_writer.h"

#include <algorithm>

namespace quarrion::art {
namespace {

void VariableLength(std::vector<uint8_t>& out, uint32_t v) {
  uint8_t groups[5];
  int n = 0;
  do {
    groups[n++] = uint8_t(v & 0x7F);
    v >>= 7;
  } while (v != 0);
  while (n > 1) out.push_back(uint8_t(groups[--n] | 0x80));
  out.push_back(groups[0]);
}

void Big(std::vector<uint8_t>& out, uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(uint8_t(v >> (8 * i)));
}

uint8_t Data(int v) { return uint8_t(std::clamp(v, 0, 127)); }

}  // namespace

void MidiTrack::Add(uint32_t tick, int order, std::vector<uint8_t> bytes) {
  events_.push_back(Event{tick, order, std::move(bytes)});
}

void MidiTrack::Name(std::string_view name) {
  std::vector<uint8_t> bytes = {0xFF, 0x03, uint8_t(name.size())};
  bytes.insert(bytes.end(), name.begin(), name.end());
  Add(0, 0, bytes);
}

void MidiTrack::Tempo(uint32_t tick, uint32_t microsecondsPerQuarter) {
  std::vector<uint8_t> bytes = {0xFF, 0x51, 0x03};
  Big(bytes, microsecondsPerQuarter, 3);
  Add(tick, 0, bytes);
}

void MidiTrack::TimeSignature(uint32_t tick, int numerator, int denominatorPower) {
  Add(tick, 0, {0xFF, 0x58, 0x04, uint8_t(numerator), uint8_t(denominatorPower), 24, 8});
}

void MidiTrack::Program(uint32_t tick, int channel, int program) {
  Add(tick, 1, {uint8_t(0xC0 | (channel & 15)), Data(program)});
}

void MidiTrack::Controller(uint32_t tick, int channel, int controller, int value) {
  Add(tick, 1, {uint8_t(0xB0 | (channel & 15)), Data(controller), Data(value)});
}

void MidiTrack::Note(uint32_t tick, uint32_t length, int channel, int key, int velocity) {
  Add(tick, 3, {uint8_t(0x90 | (channel & 15)), Data(key), Data(std::max(1, velocity))});
  Add(tick + length, 2, {uint8_t(0x80 | (channel & 15)), Data(key), 64});
}

uint32_t MidiTrack::LastTick() const {
  uint32_t last = 0;
  for (const Event& e : events_) last = std::max(last, e.tick);
  return last;
}

std::vector<uint8_t> MidiTrack::Encode(uint32_t endTick) const {
  std::vector<Event> sorted = events_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  std::vector<uint8_t> out;
  uint32_t now = 0;
  for (const Event& e : sorted) {
    VariableLength(out, e.tick - now);
    now = e.tick;
    out.insert(out.end(), e.bytes.begin(), e.bytes.end());
  }
  VariableLength(out, std::max(endTick, now) - now);
  out.insert(out.end(), {0xFF, 0x2F, 0x00});
  return out;
}

std::vector<uint8_t> EncodeMidiFile(const std::vector<MidiTrack>& tracks, uint16_t ticksPerQuarter) {
  uint32_t end = 0;
  for (const MidiTrack& t : tracks) end = std::max(end, t.LastTick());
  std::vector<uint8_t> out = {'M', 'T', 'h', 'd'};
  Big(out, 6, 4);
  Big(out, 1, 2);  // format 1: a conductor track and parallel parts
  Big(out, uint32_t(tracks.size()), 2);
  Big(out, ticksPerQuarter, 2);
  for (const MidiTrack& t : tracks) {
    // every track, the conductor too, lasts the whole tune, so any track gives its length
    const std::vector<uint8_t> body = t.Encode(end);
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    Big(out, uint32_t(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
  }
  return out;
}

}  // namespace quarrion::art
