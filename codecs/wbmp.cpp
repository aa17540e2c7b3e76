#include "codecs/formats.h"

namespace qm::codecs {

Format wbmpFormat() {
    Format f;
    f.name = "Wireless bitmap";
    f.extensions = {"wbmp"};
    return f;
}

}  // namespace qm::codecs
