#pragma once
// Microsoft ADPCM, mono: blocks of 1024 bytes (or another size), each a 7-byte
// header (predictor number, step, the block's second and first samples)
// followed by 4-bit codes, high nibble first: 2036 samples a 1024-byte block.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace soundgen {

constexpr int kAdpcmBlockBytes = 1024;
constexpr int kAdpcmBlockHeaderBytes = 7;
constexpr int AdpcmSamplesPerBlock(int blockBytes) { return 2 + 2 * (blockBytes - kAdpcmBlockHeaderBytes); }
constexpr int kAdpcmSamplesPerBlock = AdpcmSamplesPerBlock(kAdpcmBlockBytes);  // 2036

struct AdpcmCoefficients {
  int16_t First, Second;  // weights of the previous and the one before, in 1/256
};
// The seven predictors every decoder of the format knows; a block names one.
extern const AdpcmCoefficients kAdpcmPredictors[7];

// Number of blocks that hold `samples` samples.
int AdpcmBlockCount(size_t samples, int blockBytes = kAdpcmBlockBytes);

// Encodes the samples into AdpcmBlockCount(samples.size()) whole blocks; the
// unused end of the last block encodes silence. For each block the encoder
// tries every predictor and a range of starting steps and keeps the one whose
// decoded output is closest to the input.
std::vector<uint8_t> EncodeMsAdpcm(const std::vector<int16_t>& samples, int blockBytes = kAdpcmBlockBytes);

}  // namespace soundgen
