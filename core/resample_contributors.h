#pragma once
#include <cstdint>
#include <vector>

#include "core/filters.h"

namespace qm {

// Fixed-point weights: 1.0 is 1 << kWeightBits.
inline constexpr int kWeightBits = 14;

// For every output sample along one axis, the source samples it is made of:
// `taps` consecutive samples from start[j], weighted by weights[j * taps ...].
// Every output sample has the same number of taps (zero weights pad the
// short ones) and every window lies inside the source, so the passes need no
// bounds checks. Each sample's weights add up to exactly 1 << kWeightBits,
// so flat areas keep their exact colour. The same weights are kept in pairs
// of neighbours, packed into 32 bits (low half first, zero after an odd
// last tap), as the vector code multiplies them.
struct Contributors {
    int taps = 0;
    int pairCount = 0;  // (taps + 1) / 2
    std::vector<int> start;
    std::vector<std::int16_t> weights;
    std::vector<std::int32_t> pairs;
    const std::int16_t* weightsOf(int j) const { return weights.data() + std::ptrdiff_t(j) * taps; }
    const std::int32_t* pairsOf(int j) const { return pairs.data() + std::ptrdiff_t(j) * pairCount; }
};

Contributors makeContributors(int sourceLength, int targetLength, const FilterKernel& kernel);

}  // namespace qm
