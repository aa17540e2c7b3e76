#include "codecs/formats.h"

namespace qm::codecs {

Format gifFormat() {
    Format f;
    f.name = "GIF";
    f.extensions = {"gif"};
    return f;
}

}  // namespace qm::codecs
