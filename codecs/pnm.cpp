#include "codecs/formats.h"

namespace qm::codecs {

Format pnmFormat() {
    Format f;
    f.name = "PNM";
    f.extensions = {"pxm", "ppm"};
    return f;
}

Format pgmFormat() {
    Format f;
    f.name = "PGM";
    f.extensions = {"pgm"};
    return f;
}

Format pbmFormat() {
    Format f;
    f.name = "PBM";
    f.extensions = {"pbm"};
    return f;
}

}  // namespace qm::codecs
