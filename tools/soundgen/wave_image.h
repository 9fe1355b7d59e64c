#pragma once
// The complete image of a wave file holding MS ADPCM sound, mono at 44.1 kHz:
// "RIFF" ... "WAVE", then the chunks "fmt " (the 50-byte ADPCM format with its
// predictor table), "fact" (the number of samples) and "data" (whole blocks).
#include <cstdint>
#include <vector>

namespace soundgen {

constexpr int kWaveSampleRate = 44100;

std::vector<uint8_t> MsAdpcmWaveImage(const std::vector<int16_t>& samples);

}  // namespace soundgen
