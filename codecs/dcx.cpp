#include "codecs/formats.h"

namespace qm::codecs {

Format dcxFormat() {
    Format f;
    f.name = "DCX";
    f.extensions = {"dcx"};
    return f;
}

}  // namespace qm::codecs
