// A standard MIDI file writer: format 1, tracks of timed events, delta times as variable-length
// numbers; at the same tick, note-offs go before note-ons so repeated notes sound again.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

namespace quarrion::art {

class MidiTrack {
 public:
  void Name(std::string_view name);
  void Tempo(uint32_t tick, uint32_t microsecondsPerQuarter);
  void TimeSignature(uint32_t tick, int numerator, int denominatorPower);
  void Program(uint32_t tick, int channel, int program);
  void Controller(uint32_t tick, int channel, int controller, int value);
  void Note(uint32_t tick, uint32_t length, int channel, int key, int velocity);
  // The events in order with delta times, ended by an end-of-track at endTick (or the last event).
  std::vector<uint8_t> Encode(uint32_t endTick) const;
  uint32_t LastTick() const;

 private:
  struct Event {
    uint32_t tick;
    int order;  // at one tick: meta 0, setup 1, note-off 2, note-on 3
    std::vector<uint8_t> bytes;
  };
  void Add(uint32_t tick, int order, std::vector<uint8_t> bytes);
  std::vector<Event> events_;
};

std::vector<uint8_t> EncodeMidiFile(const std::vector<MidiTrack>& tracks, uint16_t ticksPerQuarter);

}  // namespace quarrion::art
