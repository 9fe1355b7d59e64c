#include "tools/soundgen/ms_adpcm.h"

#include <algorithm>
#include <cstdlib>

namespace soundgen {

const AdpcmCoefficients kAdpcmPredictors[7] = {
    {256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}};

namespace {

// How the step grows or shrinks after each code (in 1/256), indexed by the
// code's four bits.
constexpr int kStepAdaptation[16] = {230, 230, 230, 230, 307, 409, 512, 614,
                                     768, 614, 512, 409, 307, 230, 230, 230};
constexpr int kMinStep = 16;

// The decoder's state between two samples, updated exactly as a decoder does
// (integer division towards zero, output clamped to 16 bits), so that the
// encoder predicts from what will be heard rather than from the input.
struct Decoder {
  int Sample1, Sample2, Step;
  AdpcmCoefficients Coef;

  int Predict() const { return (Sample1 * Coef.First + Sample2 * Coef.Second) / 256; }
  int Apply(int code) {  // code -8..7; returns the decoded sample
    const int sample = std::clamp(Predict() + code * Step, -32768, 32767);
    Sample2 = Sample1;
    Sample1 = sample;
    Step = std::max(kMinStep, kStepAdaptation[code & 15] * Step / 256);
    return sample;
  }
};

// The code whose decoded sample comes closest to `target`.
int BestCode(const Decoder& d, int target) {
  const int pred = d.Predict();
  const int guess = std::clamp((target - pred + (target >= pred ? d.Step / 2 : -d.Step / 2)) / d.Step, -8, 7);
  int best = guess;
  long bestError = -1;
  for (int code = std::max(-8, guess - 1); code <= std::min(7, guess + 1); ++code) {
    const long error = std::labs(long(std::clamp(pred + code * d.Step, -32768, 32767)) - target);
    if (bestError < 0 || error < bestError) {
      best = code;
      bestError = error;
    }
  }
  return best;
}

// Encodes one block's samples (exactly `samples`) with a given predictor and
// starting step; returns the squared error and, when `out` is given, writes
// the block there.
double EncodeBlock(const int16_t* in, int samples, int predictor, int step, uint8_t* out) {
  Decoder d{in[1], in[0], step, kAdpcmPredictors[predictor]};
  double error = 0;
  if (out) {
    out[0] = uint8_t(predictor);
    const int16_t header[3] = {int16_t(step), in[1], in[0]};
    for (int i = 0; i < 3; ++i) {
      out[1 + 2 * i] = uint8_t(uint16_t(header[i]) & 0xFF);
      out[2 + 2 * i] = uint8_t(uint16_t(header[i]) >> 8);
    }
  }
  for (int i = 2; i < samples; ++i) {
    const int code = BestCode(d, in[i]);
    const double diff = double(d.Apply(code)) - in[i];
    error += diff * diff;
    if (out) {
      uint8_t& byte = out[kAdpcmBlockHeaderBytes + (i - 2) / 2];
      byte = uint8_t(i % 2 == 0 ? (code & 15) << 4 : byte | (code & 15));
    }
  }
  return error;
}

}  // namespace

int AdpcmBlockCount(size_t samples, int blockBytes) {
  const size_t perBlock = size_t(AdpcmSamplesPerBlock(blockBytes));
  return int((samples + perBlock - 1) / perBlock);
}

std::vector<uint8_t> EncodeMsAdpcm(const std::vector<int16_t>& samples, int blockBytes) {
  const int blocks = AdpcmBlockCount(samples.size(), blockBytes), perBlock = AdpcmSamplesPerBlock(blockBytes);
  std::vector<int16_t> padded(samples);
  padded.resize(size_t(blocks) * size_t(perBlock), 0);
  std::vector<uint8_t> out(size_t(blocks) * size_t(blockBytes), 0);
  for (int b = 0; b < blocks; ++b) {
    const int16_t* in = padded.data() + size_t(b) * size_t(perBlock);
    int bestPredictor = 0, bestStep = kMinStep;
    double bestError = -1;
    for (int predictor = 0; predictor < 7; ++predictor) {
      for (int step = kMinStep; step <= 4096; step *= 2) {
        const double error = EncodeBlock(in, perBlock, predictor, step, nullptr);
        if (bestError < 0 || error < bestError) {
          bestError = error;
          bestPredictor = predictor;
          bestStep = step;
        }
      }
    }
    EncodeBlock(in, perBlock, bestPredictor, bestStep, out.data() + size_t(b) * size_t(blockBytes));
  }
  return out;
}

}  // namespace soundgen
