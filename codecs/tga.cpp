#include "codecs/formats.h"

namespace qm::codecs {

Format tgaFormat() {
    Format f;
    f.name = "Targa";
    f.extensions = {"tga", "targa", "vda", "icb", "vst", "pix"};
    return f;
}

}  // namespace qm::codecs
