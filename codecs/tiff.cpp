#include "codecs/formats.h"

namespace qm::codecs {

Format tiffFormat() {
    Format f;
    f.name = "TIFF";
    f.extensions = {"tif", "tiff"};
    return f;
}

}  // namespace qm::codecs
