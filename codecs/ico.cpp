#include "codecs/formats.h"

namespace qm::codecs {

Format icoFormat() {
    Format f;
    f.name = "Windows icon";
    f.extensions = {"ico"};
    return f;
}

}  // namespace qm::codecs
