#include "tools/soundgen/alarm_synth.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "tools/soundgen/wave_image.h"

namespace soundgen {

const AlarmSoundInfo kAlarmSounds[kAlarmSoundCount] = {
    {"Yipe", "yipe.wav", 22848},
    {"Lazer", "lazer.wav", 20928},
    {"Whistle", "whistle.wav", 76224},
    {"Fanfare", "fanfare.wav", 114688},
};

namespace {

constexpr double kRate = kWaveSampleRate;
constexpr double kTwoPi = 6.283185307179586;
// Harmonics above this are left out: they would only alias.
constexpr double kHighestPartial = 15000;

using Curve = std::function<double(double t)>;            // t: seconds into the tone
using Partials = std::function<double(int n, double t)>;  // weight of harmonic n (1 = fundamental)

// Linear rise over `attack`, linear fall over the last `release` seconds.
double Envelope(double t, double length, double attack, double release) {
  const double rise = attack > 0 ? t / attack : 1;
  const double fall = release > 0 ? (length - t) / release : 1;
  return std::clamp(std::min(rise, fall), 0.0, 1.0);
}

// 0 at 0, 1 at 1, flat at both ends.
double Smooth(double x) {
  x = std::clamp(x, 0.0, 1.0);
  return x * x * (3 - 2 * x);
}

Partials Fixed(std::vector<double> weights) {
  return [weights](int n, double) { return n <= int(weights.size()) ? weights[size_t(n - 1)] : 0.0; };
}

// Adds a tone of gliding pitch `freq`, loudness `level` and timbre `partials`
// to `mix`, from `start` for `length` seconds.
void AddTone(std::vector<double>& mix, double start, double length, const Curve& freq, const Curve& level,
             const Partials& partials, int maxPartial) {
  const size_t first = size_t(std::lround(start * kRate));
  const size_t count = size_t(std::lround(length * kRate));
  double phase = 0;
  for (size_t i = 0; i < count && first + i < mix.size(); ++i) {
    const double t = double(i) / kRate;
    const double f = freq(t);
    double v = 0;
    for (int n = 1; n <= maxPartial && n * f < kHighestPartial; ++n) v += partials(n, t) * std::sin(n * phase);
    mix[first + i] += level(t) * v;
    phase = std::fmod(phase + kTwoPi * f / kRate, kTwoPi);
  }
}

// A dog's yelp in two parts: a short bark that jumps up in pitch and drops,
// then a higher cry that falls away.
void Yipe(std::vector<double>& mix) {
  const Partials voice = Fixed({1, 0.6, 0.35, 0.2, 0.1});
  AddTone(
      mix, 0.01, 0.17, [](double t) { return t < 0.05 ? 650 + 850 * t / 0.05 : 1500 - 600 * (t - 0.05) / 0.12; },
      [](double t) { return Envelope(t, 0.17, 0.006, 0.04); }, voice, 5);
  AddTone(
      mix, 0.22, 0.29, [](double t) { return t < 0.04 ? 1300 + 500 * t / 0.04 : 1800 * std::exp(-(t - 0.04) * 4); },
      [](double t) { return Envelope(t, 0.29, 0.006, 0.08) * (1 - 0.5 * t / 0.29); }, voice, 5);
}

// A zap: a hollow, square-ish tone diving from about 4 kHz to a low buzz,
// fluttering as it dies away.
void Lazer(std::vector<double>& mix) {
  const double length = 0.46;
  AddTone(
      mix, 0.005, length, [](double t) { return 120 + 3800 * std::exp(-t * 10); },
      [=](double t) {
        return Envelope(t, length, 0.002, 0.05) * std::exp(-t * 3) * (0.75 + 0.25 * std::sin(kTwoPi * 55 * t));
      },
      Fixed({1, 0, 0.33, 0, 0.2, 0, 0.14}), 7);
}

// A wolf whistle: a quick sweep up, a pause, then up again and a long glide
// down. Nearly a pure tone with a slight vibrato.
void Whistle(std::vector<double>& mix) {
  const Partials pure = Fixed({1, 0.06});
  auto vibrato = [](double f, double t) { return f * (1 + 0.008 * std::sin(kTwoPi * 6 * t)); };
  AddTone(
      mix, 0.03, 0.42, [=](double t) { return vibrato(900 + 1900 * Smooth(t / 0.42), t); },
      [](double t) { return Envelope(t, 0.42, 0.03, 0.06); }, pure, 2);
  AddTone(
      mix, 0.62, 1.08,
      [=](double t) {
        const double f = t < 0.25 ? 1100 + 1400 * Smooth(t / 0.25) : 2500 - 1700 * Smooth((t - 0.25) / 0.83);
        return vibrato(f, t);
      },
      [](double t) { return Envelope(t, 1.08, 0.03, 0.15); }, pure, 2);
}

// A brass call in C: three short Gs, a C, a G and a long C, in two parts a
// fifth apart, the last note a full chord with vibrato.
void Fanfare(std::vector<double>& mix) {
  struct Note {
    double Start, Length, Freq;
  };
  const Note notes[] = {{0.02, 0.12, 392.0}, {0.17, 0.12, 392.0}, {0.32, 0.12, 392.0},
                        {0.47, 0.50, 523.25}, {1.00, 0.16, 392.0}, {1.19, 1.35, 523.25}};
  // The brass sound brightens as the note speaks: high harmonics come in last.
  const Partials brass = [](int n, double t) {
    const double brightness = 0.35 + 0.45 * Smooth(t / 0.05);
    return std::pow(brightness, n - 1) / n;
  };
  for (const Note& note : notes) {
    const bool last = note.Length > 1;
    const double release = last ? 0.4 : 0.03;
    const Curve pitch = [=](double t) {
      return note.Freq * (last && t > 0.3 ? 1 + 0.006 * std::sin(kTwoPi * 5.5 * (t - 0.3)) : 1.0);
    };
    const double parts[][2] = {{1.0, 1.0}, {2.0 / 3, 0.45}, {5.0 / 4, last ? 0.35 : 0}};
    for (const auto& part : parts) {
      if (part[1] == 0) continue;
      AddTone(
          mix, note.Start, note.Length, [=](double t) { return pitch(t) * part[0]; },
          [=](double t) { return part[1] * Envelope(t, note.Length, 0.015, release); }, brass, 10);
    }
  }
}

}  // namespace

std::vector<int16_t> SynthesiseAlarmSound(int i) {
  if (i < 0 || i >= kAlarmSoundCount) return {};
  std::vector<double> mix(size_t(kAlarmSounds[i].Samples), 0.0);
  switch (i) {
    case 0: Yipe(mix); break;
    case 1: Lazer(mix); break;
    case 2: Whistle(mix); break;
    default: Fanfare(mix); break;
  }
  double peak = 0;
  for (double v : mix) peak = std::max(peak, std::fabs(v));
  const double gain = peak > 0 ? 0.7 * 32767 / peak : 0;
  std::vector<int16_t> out(mix.size());
  for (size_t k = 0; k < mix.size(); ++k) out[k] = int16_t(std::lround(mix[k] * gain));
  return out;
}

std::vector<uint8_t> AlarmSoundImage(int i) { return MsAdpcmWaveImage(SynthesiseAlarmSound(i)); }

}  // namespace soundgen
