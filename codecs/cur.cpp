#include "codecs/formats.h"

namespace qm::codecs {

Format curFormat() {
    Format f;
    f.name = "Windows cursor";
    f.extensions = {"cur"};
    return f;
}

}  // namespace qm::codecs
