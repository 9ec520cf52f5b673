#include "tools/media_gen/sounds.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "tools/media_gen/canvas.h"

namespace quarrion::art {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kRate = kSoundRate;

using Signal = std::vector<double>;

Signal Make(double seconds) { return Signal(std::size_t(seconds * kRate), 0.0); }
double TimeOf(std::size_t i) { return double(i) / kRate; }

// Rises over attack seconds, then dies away with time constant decay.
double Envelope(double t, double attack, double decay) {
  return (attack > 0 ? 1 - std::exp(-t / attack) : 1.0) * std::exp(-t / decay);
}

double Note(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// A one-pole low-pass filter whose cutoff may change every sample.
class LowPass {
 public:
  double Step(double x, double cutoff) {
    const double a = 1 - std::exp(-2 * kPi * cutoff / kRate);
    y_ += a * (x - y_);
    return y_;
  }

 private:
  double y_ = 0;
};

// A state-variable band-pass filter.
class BandPass {
 public:
  double Step(double x, double centre, double damping) {
    const double f = 2 * std::sin(kPi * std::min(centre, kRate / 6) / kRate);
    low_ += f * band_;
    const double high = x - low_ - damping * band_;
    band_ += f * high;
    return band_;
  }

 private:
  double low_ = 0;
  double band_ = 0;
};

class WhiteNoise {
 public:
  explicit WhiteNoise(uint32_t seed) : rng_(seed) {}
  double Next() { return rng_.Unit() * 2 - 1; }

 private:
  Rng rng_;
};

// A struck bell: inharmonic partials, the higher ones dying sooner.
void AddBell(Signal& s, double start, double freq, double level, double decay) {
  static constexpr double kPartials[4][2] = {{1.0, 1.0}, {2.76, 0.45}, {5.4, 0.25}, {8.93, 0.12}};
  const std::size_t from = std::size_t(start * kRate);
  for (std::size_t i = from; i < s.size(); ++i) {
    const double t = TimeOf(i - from);
    double v = 0;
    for (const auto& p : kPartials) v += p[1] * std::sin(2 * kPi * freq * p[0] * t) * std::exp(-t * p[0] / decay);
    s[i] += level * v * Envelope(t, 0.002, 10.0);
  }
}

// A soft square-ish tone (a few odd harmonics) with a plucked envelope.
void AddTone(Signal& s, double start, double length, double freq, double level, double decay) {
  const std::size_t from = std::size_t(start * kRate);
  const std::size_t to = std::min(s.size(), from + std::size_t(length * kRate));
  for (std::size_t i = from; i < to; ++i) {
    const double t = TimeOf(i - from);
    const double ph = 2 * kPi * freq * t;
    const double v = std::sin(ph) + std::sin(3 * ph) / 5 + std::sin(5 * ph) / 12;
    const double release = std::min(1.0, (length - t) / 0.01);  // no click at the end
    s[i] += level * v * Envelope(t, 0.003, decay) * release;
  }
}

Signal Tinkle(int midi) {
  Signal s = Make(0.45);
  AddBell(s, 0, Note(midi), 1.0, 0.28);
  AddBell(s, 0.05, Note(midi + 7), 0.35, 0.18);
  return s;
}

Signal Thud(double seconds, double from, double to, double noise, uint32_t seed) {
  Signal s = Make(seconds);
  WhiteNoise n(seed);
  LowPass lp;
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = TimeOf(i);
    const double f = to + (from - to) * std::exp(-t / 0.05);
    phase += 2 * kPi * f / kRate;
    const double body = std::sin(phase) * Envelope(t, 0.002, seconds / 3.5);
    const double crunch = lp.Step(n.Next(), 900) * Envelope(t, 0.001, 0.03) * noise;
    s[i] = body + crunch;
  }
  return s;
}

Signal Rumble(double seconds, double centre, uint32_t seed, double grain) {
  Signal s = Make(seconds);
  WhiteNoise n(seed);
  BandPass bp;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = TimeOf(i);
    const double rattle = 0.6 + 0.4 * std::sin(2 * kPi * grain * t);
    s[i] = bp.Step(n.Next(), centre * (1 + 0.2 * std::sin(2 * kPi * 7 * t)), 0.5) * rattle *
           Envelope(t, 0.01, seconds / 3);
  }
  return s;
}

Signal Step(double centre, uint32_t seed) {
  Signal s = Make(0.09);
  WhiteNoise n(seed);
  BandPass bp;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = TimeOf(i);
    s[i] = bp.Step(n.Next(), centre, 0.7) * Envelope(t, 0.001, 0.018) +
           0.5 * std::sin(2 * kPi * 140 * t) * Envelope(t, 0.001, 0.012);
  }
  return s;
}

Signal Dig() {
  Signal s = Make(0.16);
  WhiteNoise n(77);
  BandPass bp;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = TimeOf(i);
    // grains of soil: the noise comes in quick bursts
    const double grains = 0.5 + 0.5 * std::sin(2 * kPi * 55 * t + 3 * std::sin(2 * kPi * 23 * t));
    s[i] = bp.Step(n.Next(), 2200 - 6000 * t, 0.9) * grains * Envelope(t, 0.003, 0.05);
  }
  return s;
}

Signal Collect() {
  Signal s = Make(0.5);
  AddBell(s, 0, Note(88), 0.8, 0.2);
  AddBell(s, 0.06, Note(95), 0.9, 0.3);
  return s;
}

Signal Scrape() {
  Signal s = Make(0.24);
  WhiteNoise n(31);
  LowPass lp;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = TimeOf(i);
    const double judder = 0.55 + 0.45 * std::sin(2 * kPi * 38 * t);
    s[i] = lp.Step(n.Next(), 650) * judder * Envelope(t, 0.02, 0.09) * 3 +
           0.4 * std::sin(2 * kPi * 72 * t) * Envelope(t, 0.01, 0.06);
  }
  return s;
}

Signal Killed() {
  Signal s = Make(1.1);
  WhiteNoise n(13);
  LowPass lp;
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = TimeOf(i);
    const double f = 620 * std::exp(-t * 2.2) + 55;
    phase += 2 * kPi * f / kRate;
    const double wobble = 1 + 0.3 * std::sin(2 * kPi * 9 * t);
    const double tone = (std::sin(phase) + 0.3 * std::sin(2 * phase)) * wobble;
    s[i] = tone * Envelope(t, 0.005, 0.45) + 0.5 * lp.Step(n.Next(), 1200) * Envelope(t, 0.001, 0.12);
  }
  return s;
}

Signal Explosion(double seconds, uint32_t seed, double boom) {
  Signal s = Make(seconds);
  WhiteNoise n(seed);
  LowPass a, b;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = TimeOf(i);
    const double cutoff = 250 + 4500 * std::exp(-t / 0.12);
    const double noise = b.Step(a.Step(n.Next(), cutoff), cutoff);
    s[i] = 2.5 * noise * Envelope(t, 0.002, seconds / 3.2) +
           std::sin(2 * kPi * (boom - 20 * t) * t) * Envelope(t, 0.004, 0.18);
  }
  return s;
}

// A hum built only of whole cycles per second, so a one-second buffer loops without a seam.
Signal Loop(const std::function<double(double)>& f) {
  Signal s = Make(1.0);
  for (std::size_t i = 0; i < s.size(); ++i) s[i] = f(TimeOf(i));
  return s;
}

double Sine(double hz, double t) { return std::sin(2 * kPi * hz * t); }

Signal AmoebaHum() {
  return Loop([](double t) {
    const double throb = 0.65 + 0.35 * Sine(3, t);
    const double bubble = 0.5 + 0.5 * Sine(7, t + 0.1 * Sine(2, t));
    return throb * (Sine(55, t) + 0.6 * Sine(110, t + 0.004 * Sine(5, t)) + 0.25 * Sine(165, t)) +
           0.2 * bubble * Sine(330, t);
  });
}

Signal MagicShimmer() {
  return Loop([](double t) {
    const double a = 0.5 + 0.5 * Sine(4, t);
    const double b = 0.5 + 0.5 * Sine(6, t + 0.25);
    const double c = 0.5 + 0.5 * Sine(5, t + 0.5);
    return a * Sine(1760, t) + b * 0.8 * Sine(2217, t) + c * 0.7 * Sine(2637, t) + 0.3 * Sine(880, t + 0.002 * Sine(3, t));
  });
}

Signal Ooze(double from, double to, double seconds) {
  Signal s = Make(seconds);
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = TimeOf(i);
    const double f = to + (from - to) * std::exp(-t / (seconds / 3));
    phase += 2 * kPi * f / kRate;
    s[i] = std::sin(phase) * Envelope(t, 0.006, seconds / 3);
  }
  return s;
}

Signal Chime() {
  Signal s = Make(1.3);
  const int notes[] = {84, 88, 91, 96};
  for (int i = 0; i < 4; ++i) AddBell(s, i * 0.07, Note(notes[i]), 0.7, 0.5);
  return s;
}

Signal CaveStart() {
  // a rising sweep of air under a climbing arpeggio
  Signal s = Make(1.6);
  WhiteNoise n(5);
  BandPass bp;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = TimeOf(i);
    const double swell = std::sin(kPi * std::min(1.0, t / 1.6));
    s[i] = 1.6 * bp.Step(n.Next(), 250 * std::pow(12.0, t / 1.6), 0.25) * swell;
  }
  const int notes[] = {60, 64, 67, 72, 76, 79, 84};
  for (int i = 0; i < 7; ++i) AddTone(s, 0.12 + i * 0.16, 0.3, Note(notes[i]), 0.22, 0.12);
  return s;
}

Signal Arpeggio(std::initializer_list<int> notes, double step, double length, double level) {
  Signal s = Make(step * double(notes.size()) + length);
  int k = 0;
  for (const int note : notes) AddTone(s, step * k++, length, Note(note), level, length / 2.5);
  return s;
}

Signal BonusCount() {
  // quick blips climbing a scale, over and over, until the game stops it
  Signal s = Make(10.0);
  const int scale[] = {72, 74, 76, 77, 79, 81, 83, 84};
  for (int k = 0; k * 0.0625 < 9.95; ++k) AddTone(s, k * 0.0625, 0.045, Note(scale[k % 8]), 0.5, 0.02);
  return s;
}

Signal Click() {
  Signal s = Make(0.03);
  WhiteNoise n(3);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = TimeOf(i);
    s[i] = (std::sin(2 * kPi * 1900 * t) + 0.4 * n.Next()) * Envelope(t, 0.0005, 0.004);
  }
  return s;
}

Signal ClockWarning() {
  Signal s = Make(0.16);
  AddTone(s, 0, 0.16, 1046.5, 0.8, 0.05);
  AddTone(s, 0, 0.16, 2093, 0.25, 0.03);
  return s;
}

// Scaled to the peak; a sound that is not a loop fades over its last 15 ms, so it ends without a click.
Wave ToWave(Signal s, double peak, bool loop) {
  if (!loop) {
    const std::size_t fade = std::min(s.size(), std::size_t(0.015 * kRate));
    for (std::size_t i = 0; i < fade; ++i) s[s.size() - 1 - i] *= double(i) / double(fade);
  }
  double most = 1e-9;
  for (const double v : s) most = std::max(most, std::abs(v));
  Wave w{kSoundRate, 1, 16, {}};
  w.samples.reserve(s.size());
  for (const double v : s) w.samples.push_back(int16_t(std::lround(v / most * peak * 32767.0)));
  return w;
}

}  // namespace

std::vector<Wave> SynthesizeSounds() {
  // (signal, peak) per item, in the order of the sound table
  const std::vector<std::pair<Signal, double>> sounds = {
      {Tinkle(84), 0.55},                        // 0..2 a diamond falls or lands
      {Tinkle(86), 0.55},
      {Tinkle(89), 0.55},
      {Rumble(0.2, 260, 21, 30), 0.6},           // 3 a boulder starts to roll
      {Thud(0.32, 130, 42, 0.8, 9), 0.85},       // 4 a boulder lands
      {Step(900, 51), 0.4},                      // 5, 6 footsteps
      {Step(1150, 52), 0.4},
      {Dig(), 0.55},                             // 7 digging
      {Collect(), 0.7},                          // 8 a diamond collected
      {Scrape(), 0.6},                           // 9 a push, a growing wall
      {Killed(), 0.8},                           // 10 the player is caught
      {Explosion(0.9, 71, 60), 0.85},            // 11, 12 explosions
      {Explosion(1.1, 72, 48), 0.85},
      {AmoebaHum(), 0.45},                       // 13 amoeba, looped
      {Ooze(220, 640, 0.14), 0.5},               // 14 the amoeba grows
      {Chime(), 0.7},                            // 15 enough diamonds; the inbox opens
      {CaveStart(), 0.7},                        // 16 cave start, game over, demo end
      {Arpeggio({72, 76, 79, 84, 88, 91, 96}, 0.07, 0.25, 0.5), 0.7},  // 17 extra life
      {Arpeggio({79, 84, 88}, 0.1, 0.3, 0.5), 0.65},                   // 18 short exit, bonus at 50
      {BonusCount(), 0.5},                       // 19 the time bonus count
      {MagicShimmer(), 0.35},                    // 20 magic wall, looped
      {Click(), 0.5},                            // 21 key click
      {Ooze(900, 260, 0.18), 0.5},               // 22 seeping through slime
      {ClockWarning(), 0.6},                     // 23 time running out
  };
  std::vector<Wave> waves;
  for (std::size_t i = 0; i < sounds.size(); ++i)
    waves.push_back(ToWave(sounds[i].first, sounds[i].second, i == 13 || i == 20));
  return waves;
}

}  // namespace quarrion::art
