#pragma once
#include <cstdint>

#include "core/resample_contributors.h"

namespace qm {

// The two passes of the separable resampler, on rows of 8-bit samples with
// `channels` interleaved channels (3 for RGB, 1 for an alpha plane).

// One output row of `bytes` samples: rows[k] weighted by weights[k].
void verticalPass(const std::uint8_t* const* rows, const std::int16_t* weights, int taps, std::uint8_t* out,
                  int bytes);

// One row of `source.taps`-wide windows along a row of `inWidth` pixels.
void horizontalPass(const std::uint8_t* in, int inWidth, std::uint8_t* out, const Contributors& source,
                    int channels);

}  // namespace qm
