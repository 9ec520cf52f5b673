// The title tune: about a minute and a half in A minor at 120 beats a minute, for General MIDI.
// Intro, a theme, a second theme, the theme again with a counter line, a high bridge, the theme
// in full and a short close.
#include "tools/media_gen/tune.h"

#include <array>
#include <cctype>
#include <string_view>

#include "tools/media_gen/midi_writer.h"

namespace quarrion::art {
namespace {

constexpr uint32_t kQuarter = 480;
constexpr uint32_t kEighth = kQuarter / 2;
constexpr uint32_t kBar = 4 * kQuarter;

enum Channel { kLead = 0, kCounter = 1, kPad = 2, kBass = 3, kArp = 4, kDrums = 9 };

// General MIDI programs (numbered from 0) and drum keys.
constexpr int kSquareLead = 80, kVibraphone = 11, kWarmPad = 89, kSynthBass = 38, kHarp = 46;
constexpr int kKick = 36, kSnare = 38, kClosedHat = 42, kOpenHat = 46, kCrash = 49;

// "A4" → 69; "G#4" → 68; "Bb3" → 58.
int Key(std::string_view name) {
  static constexpr int kSteps[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  int key = kSteps[name[0] - 'A'];
  std::size_t at = 1;
  if (name[at] == '#') ++key, ++at;
  else if (name[at] == 'b') --key, ++at;
  return key + 12 * (name[at] - '0' + 1);
}

struct Chord {
  std::string_view name;
  std::array<int, 3> keys;  // root position around C3..B3
};
constexpr Chord kChords[] = {
    {"Am", {57, 60, 64}}, {"F", {53, 57, 60}}, {"C", {48, 52, 55}}, {"G", {55, 59, 62}},
    {"E", {52, 56, 59}},  {"Dm", {50, 53, 57}}, {"Em", {52, 55, 59}},
};
const Chord& ChordOf(std::string_view name) {
  for (const Chord& c : kChords)
    if (c.name == name) return c;
  return kChords[0];
}

struct Section {
  std::array<std::string_view, 8> chords;
  std::array<std::string_view, 8> melody;  // per bar: "NOTE:EIGHTHS ..." with R for a rest
};

constexpr Section kThemeA = {
    {"Am", "F", "C", "G", "Am", "F", "G", "E"},
    {"A4:2 C5:2 E5:3 D5:1", "C5:2 A4:2 F4:2 A4:2", "G4:2 C5:2 E5:2 G5:2", "F5:3 E5:1 D5:4",
     "E5:2 A5:2 G5:1 E5:1 C5:2", "D5:2 C5:2 A4:2 C5:2", "B4:2 D5:2 G5:2 F5:2", "E5:4 G#4:2 B4:2"}};
constexpr Section kThemeB = {
    {"Dm", "G", "C", "Am", "F", "G", "Em", "E"},
    {"F5:3 E5:1 D5:2 A4:2", "B4:2 D5:2 G5:4", "E5:3 D5:1 C5:2 G4:2", "A4:2 C5:2 E5:4",
     "A5:3 G5:1 F5:2 C5:2", "D5:2 G5:2 B5:2 G5:2", "G5:2 E5:2 B4:2 E5:2", "G#5:4 E5:2 D5:2"}};
constexpr Section kBridge = {
    {"F", "G", "Am", "Am", "F", "G", "E", "E"},
    {"C6:6 A5:2", "B5:4 D6:4", "E6:8", "R:4 E6:1 D6:1 C6:1 B5:1", "A5:6 C6:2", "D6:4 B5:4", "G#5:8", "B5:4 R:4"}};
// A slower line above the theme the second time round.
constexpr std::array<std::string_view, 8> kCounterLine = {"E6:8", "F6:4 C6:4", "G6:8", "D6:4 B5:4",
                                                          "C6:8", "A5:4 C6:4", "D6:4 B5:4", "G#5:8"};

struct Arrangement {
  bool lead = true;
  bool counter = false;
  bool arpeggio = false;
  bool drums = true;
  bool halfTimeDrums = false;
  int octave = 0;  // the lead an octave up or down
};

class Score {
 public:
  Score() : tracks_(7) {
    tracks_[0].Name("Quarrion");
    tracks_[0].Tempo(0, 500000);  // 120 beats a minute
    tracks_[0].TimeSignature(0, 4, 2);
    Setup(1, kLead, kSquareLead, 92, "Lead");
    Setup(2, kCounter, kVibraphone, 78, "Counter");
    Setup(3, kPad, kWarmPad, 70, "Pad");
    Setup(4, kBass, kSynthBass, 100, "Bass");
    Setup(5, kArp, kHarp, 72, "Harp");
    tracks_[6].Name("Drums");
    tracks_[6].Controller(0, kDrums, 7, 96);
  }

  void Line(int track, int channel, std::string_view bar, uint32_t start, int velocity, int shift) {
    uint32_t at = start;
    std::size_t pos = 0;
    int accent = 0;
    while (pos < bar.size()) {
      const std::size_t end = std::min(bar.find(' ', pos), bar.size());
      const std::string_view token = bar.substr(pos, end - pos);
      const std::size_t colon = token.find(':');
      const uint32_t length = uint32_t(token[colon + 1] - '0') * kEighth;
      if (token[0] != 'R')
        tracks_[std::size_t(track)].Note(at, length - 20, channel, Key(token.substr(0, colon)) + shift,
                                         velocity + (accent++ % 2 == 0 ? 6 : -4));
      at += length;
      pos = end + 1;
    }
  }

  void Play(const Section& s, const Arrangement& a) {
    for (int bar = 0; bar < 8; ++bar) {
      const uint32_t start = now_ + uint32_t(bar) * kBar;
      const Chord& chord = ChordOf(s.chords[std::size_t(bar)]);
      if (a.lead) Line(1, kLead, s.melody[std::size_t(bar)], start, 96, 12 * a.octave);
      if (a.counter) Line(2, kCounter, kCounterLine[std::size_t(bar)], start, 70, -12);
      Harmony(chord, start, a.arpeggio);
      if (a.drums) Drums(start, bar == 0, a.halfTimeDrums, bar == 7);
    }
    now_ += 8 * kBar;
  }

  void Intro() {
    static constexpr std::string_view kIntroChords[4] = {"Am", "F", "G", "E"};
    for (int bar = 0; bar < 4; ++bar) {
      const uint32_t start = now_ + uint32_t(bar) * kBar;
      const Chord& chord = ChordOf(kIntroChords[bar]);
      Harmony(chord, start, true);
      for (int e = 0; e < 8; ++e)
        if (bar >= 2) tracks_[6].Note(start + uint32_t(e) * kEighth, 60, kDrums, kClosedHat, e % 2 ? 50 : 70);
    }
    now_ += 4 * kBar;
  }

  void Close() {
    // the theme's last cadence slows into a held chord
    const Chord& e = ChordOf("E");
    const Chord& am = ChordOf("Am");
    Harmony(e, now_, true);
    Line(1, kLead, "B4:2 D5:2 G#5:4", now_, 90, 0);
    tracks_[6].Note(now_, 120, kDrums, kCrash, 80);
    now_ += kBar;
    for (const int key : am.keys) tracks_[3].Note(now_, 3 * kBar - 60, kPad, key + 12, 80);
    tracks_[4].Note(now_, 3 * kBar - 60, kBass, am.keys[0] - 12, 100);
    Line(1, kLead, "A5:8", now_, 92, 0);
    Line(2, kCounter, "E5:8", now_, 70, 0);
    tracks_[6].Note(now_, 120, kDrums, kCrash, 90);
    tracks_[6].Note(now_, 120, kDrums, kKick, 100);
    now_ += 3 * kBar;
  }

  std::vector<uint8_t> File() const { return EncodeMidiFile(tracks_, uint16_t(kQuarter)); }

 private:
  void Setup(int track, int channel, int program, int volume, std::string_view name) {
    tracks_[std::size_t(track)].Name(name);
    tracks_[std::size_t(track)].Program(0, channel, program);
    tracks_[std::size_t(track)].Controller(0, channel, 7, volume);
    tracks_[std::size_t(track)].Controller(0, channel, 91, 50);  // some reverb
  }

  void Harmony(const Chord& chord, uint32_t start, bool arpeggio) {
    for (const int key : chord.keys) tracks_[3].Note(start, kBar - 30, kPad, key + 12, 62);
    // the bass drives in eighths: root, root, octave, root, fifth, root, octave, fifth
    static constexpr int kPattern[8] = {0, 0, 12, 0, 7, 0, 12, 7};
    for (int e = 0; e < 8; ++e)
      tracks_[4].Note(start + uint32_t(e) * kEighth, kEighth - 30, kBass, chord.keys[0] - 12 + kPattern[e],
                      e % 2 == 0 ? 100 : 84);
    if (!arpeggio) return;
    static constexpr int kUp[8] = {0, 1, 2, 3, 4, 3, 2, 1};
    for (int s = 0; s < 16; ++s) {
      const int step = kUp[s % 8];
      const int key = chord.keys[std::size_t(step % 3)] + 12 * (1 + step / 3);
      tracks_[5].Note(start + uint32_t(s) * kEighth / 2, kEighth / 2 - 10, kArp, key + 12, s % 4 == 0 ? 76 : 60);
    }
  }

  void Drums(uint32_t start, bool crash, bool halfTime, bool fill) {
    MidiTrack& d = tracks_[6];
    if (crash) d.Note(start, 120, kDrums, kCrash, 88);
    for (int e = 0; e < 8; ++e) {
      const uint32_t at = start + uint32_t(e) * kEighth;
      d.Note(at, 60, kDrums, e == 7 ? kOpenHat : kClosedHat, e % 2 ? 52 : 72);
      if (halfTime) {
        if (e == 0) d.Note(at, 60, kDrums, kKick, 100);
        if (e == 4) d.Note(at, 60, kDrums, kSnare, 92);
        continue;
      }
      if (e == 0 || e == 4 || e == 5) d.Note(at, 60, kDrums, kKick, e == 5 ? 80 : 104);
      if (e == 2 || e == 6) d.Note(at, 60, kDrums, kSnare, 96);
      if (fill && e >= 6) d.Note(at + kEighth / 2, 60, kDrums, kSnare, 78);
    }
  }

  std::vector<MidiTrack> tracks_;
  uint32_t now_ = 0;
};

}  // namespace

std::vector<uint8_t> ComposeTitleTune() {
  Score score;
  score.Intro();
  score.Play(kThemeA, Arrangement{true, false, false, true, false, 0});
  score.Play(kThemeB, Arrangement{true, false, true, true, false, 0});
  score.Play(kThemeA, Arrangement{true, true, true, true, false, 0});
  score.Play(kBridge, Arrangement{true, false, true, true, true, 0});
  score.Play(kThemeA, Arrangement{true, true, true, true, false, 1});
  score.Close();
  return score.File();
}

}  // namespace quarrion::art
