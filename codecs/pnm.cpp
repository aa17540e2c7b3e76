#include "codecs/formats.h"

namespace qm::codecs {

Format pnmFormat() {
    Format f;
    f.name = "PNM";
    f.extensions = {"pxm", "ppm", "pgm", "pbm"};
    return f;
}

}  // namespace qm::codecs
