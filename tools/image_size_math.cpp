#include "tools/image_size_math.h"

#include <climits>
#include <cmath>

namespace qm {

namespace {
int toInt(double value) {
    if (!(std::fabs(value) < double(INT_MAX))) return value < 0 ? INT_MIN : INT_MAX;
    return int(value);
}
}  // namespace

int sizePercent(long long newSide, int referenceSide) {
    if (referenceSide <= 0) return 0;
    return toInt(std::trunc(double(newSide * 100) / referenceSide));
}

int aspectSide(int referenceOther, long long newSide, int referenceSide) {
    if (referenceSide <= 0) return 0;
    return toInt(std::nearbyint(double(referenceOther * newSide) / referenceSide));
}

}  // namespace qm
