#include "codecs/formats.h"

namespace qm::codecs {

Format bmpFormat() {
    Format f;
    f.name = "BMP";
    f.extensions = {"bmp", "dib", "rle"};
    return f;
}

}  // namespace qm::codecs
