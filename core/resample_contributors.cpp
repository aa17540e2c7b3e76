#include "core/resample_contributors.h"

#include <algorithm>
#include <cmath>

namespace qm {

Contributors makeContributors(int sourceLength, int targetLength, const FilterKernel& kernel) {
    const double scale = double(targetLength) / sourceLength;
    const double stretch = kernel.widens && scale < 1 ? 1 / scale : 1;
    const double support = kernel.support * stretch;
    // Centre-aligned mapping: output sample j covers source [j, j + 1) / scale.
    Contributors table;
    table.taps = std::min(sourceLength, int(std::ceil(support)) * 2 + 1);
    table.start.resize(std::size_t(targetLength));
    table.weights.assign(std::size_t(targetLength) * std::size_t(table.taps), 0);
    std::vector<double> exact(static_cast<std::size_t>(table.taps));
    for (int j = 0; j < targetLength; ++j) {
        const double centre = (j + 0.5) / scale;
        int first = std::max(0, int(centre - support + 0.5));
        const int last = std::min(sourceLength, int(centre + support + 0.5));  // one past
        double total = 0;
        int count = std::min(last - first, table.taps);
        for (int i = 0; i < count; ++i) total += exact[std::size_t(i)] = kernel.weight((first + i + 0.5 - centre) / stretch);
        if (count <= 0 || total == 0) {
            // Only when the kernel is zero over the whole window: take the
            // nearest sample.
            first = std::clamp(int(centre), 0, sourceLength - 1);
            count = 1;
            exact[0] = total = 1;
        }
        // Slide the window left where it would run past the end; the weights
        // move along with their samples.
        const int start = std::min(first, sourceLength - table.taps);
        const int offset = first - start;
        table.start[std::size_t(j)] = start;
        std::int16_t* weights = table.weights.data() + std::ptrdiff_t(j) * table.taps;
        int sum = 0, largest = offset;
        for (int i = 0; i < count; ++i) {
            const int w = int(std::lround(exact[std::size_t(i)] / total * (1 << kWeightBits)));
            weights[offset + i] = std::int16_t(w);
            sum += w;
            if (std::abs(w) > std::abs(weights[largest])) largest = offset + i;
        }
        weights[largest] = std::int16_t(weights[largest] + (1 << kWeightBits) - sum);
    }
    table.pairCount = (table.taps + 1) / 2;
    table.pairs.resize(std::size_t(targetLength) * std::size_t(table.pairCount));
    for (int j = 0; j < targetLength; ++j) {
        const std::int16_t* weights = table.weightsOf(j);
        for (int m = 0; m < table.pairCount; ++m) {
            const int second = 2 * m + 1 < table.taps ? weights[2 * m + 1] : 0;
            table.pairs[std::size_t(j) * std::size_t(table.pairCount) + std::size_t(m)] =
                std::int32_t(std::uint32_t(std::uint16_t(weights[2 * m])) | (std::uint32_t(std::uint16_t(second)) << 16));
        }
    }
    return table;
}

}  // namespace qm
