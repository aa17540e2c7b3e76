#include "codecs/formats.h"

namespace qm::codecs {

Format metafileFormat() {
    Format f;
    f.name = "Windows metafile";
    f.extensions = {"wmf", "emf"};
    return f;
}

}  // namespace qm::codecs
