#pragma once

namespace qm {

// The new size as a whole percentage of the reference: the product in
// integers, the division in floating point, the fraction cut off.
int sizePercent(long long newSide, int referenceSide);

// The other side that keeps the reference aspect ratio: the reference of
// the other side times the new side over the reference side, rounded to the
// nearest integer with halves to even.
int aspectSide(int referenceOther, long long newSide, int referenceSide);

}  // namespace qm
