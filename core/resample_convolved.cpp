// The separable resampler behind the filters with a kernel: one pass along
// the rows and one along the columns, each from a table of fixed-point
// weights built once per axis.
#include <optional>
#include <vector>

#include "core/resample_contributors.h"
#include "core/resample_internal.h"
#include "core/resample_passes.h"

namespace qm {
namespace {

// Columns first: each output row is the weighted sum of source rows, then
// narrowed or widened along the row. Best when the height shrinks, since
// the row pass then runs only once per output row.
void columnsThenRows(const PlaneView& source, MutablePlane target, const Contributors* rows,
                     const Contributors& columns) {
    const int ch = source.channels;
    std::vector<std::uint8_t> mixed(std::size_t(source.width) * std::size_t(ch));
    std::vector<const std::uint8_t*> taps(static_cast<std::size_t>(columns.taps));
    for (int y = 0; y < target.height; ++y) {
        for (int k = 0; k < columns.taps; ++k) taps[std::size_t(k)] = source.row(columns.start[std::size_t(y)] + k);
        std::uint8_t* out = rows ? mixed.data() : target.row(y, ch);
        verticalPass(taps.data(), columns.weightsOf(y), columns.taps, out, source.width * ch);
        if (rows) horizontalPass(mixed.data(), source.width, target.row(y, ch), *rows, ch);
    }
}

// Rows first, keeping the last `columns.taps` resampled rows in a ring so
// that each source row is resampled once. Best when the height grows.
void rowsThenColumns(const PlaneView& source, MutablePlane target, const Contributors& rows,
                     const Contributors* columns) {
    const int ch = source.channels;
    const std::size_t rowBytes = std::size_t(target.width) * std::size_t(ch);
    if (!columns) {
        for (int y = 0; y < target.height; ++y) horizontalPass(source.row(y), source.width, target.row(y, ch), rows, ch);
        return;
    }
    const int ringSize = columns->taps;
    std::vector<std::uint8_t> ring(rowBytes * std::size_t(ringSize));
    std::vector<int> held(std::size_t(ringSize), -1);  // source row in each slot
    std::vector<const std::uint8_t*> taps(static_cast<std::size_t>(ringSize));
    for (int y = 0; y < target.height; ++y) {
        const int start = columns->start[std::size_t(y)];
        for (int k = 0; k < ringSize; ++k) {
            const int sourceRow = start + k;
            const std::size_t slot = std::size_t(sourceRow % ringSize);
            std::uint8_t* line = ring.data() + slot * rowBytes;
            if (held[slot] != sourceRow) {
                horizontalPass(source.row(sourceRow), source.width, line, rows, ch);
                held[slot] = sourceRow;
            }
            taps[std::size_t(k)] = line;
        }
        verticalPass(taps.data(), columns->weightsOf(y), ringSize, target.row(y, ch), int(rowBytes));
    }
}

}  // namespace

void resampleConvolved(const PlaneView& source, MutablePlane target, const FilterKernel& kernel) {
    // An axis that keeps its length is left alone: the smoothing kernels
    // would blur it even at scale 1.
    std::optional<Contributors> rows, columns;
    if (target.width != source.width) rows = makeContributors(source.width, target.width, kernel);
    if (target.height != source.height) columns = makeContributors(source.height, target.height, kernel);
    if (columns && (target.height < source.height || !rows))
        columnsThenRows(source, target, rows ? &*rows : nullptr, *columns);
    else if (rows)
        rowsThenColumns(source, target, *rows, columns ? &*columns : nullptr);
}

}  // namespace qm
