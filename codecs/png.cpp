#include "codecs/formats.h"

namespace qm::codecs {

Format pngFormat() {
    Format f;
    f.name = "PNG";
    f.extensions = {"png"};
    return f;
}

}  // namespace qm::codecs
