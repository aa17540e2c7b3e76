#include "codecs/formats.h"

namespace qm::codecs {

Format pcxFormat() {
    Format f;
    f.name = "PCX";
    f.extensions = {"pcx"};
    return f;
}

}  // namespace qm::codecs
