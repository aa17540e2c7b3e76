#include "codecs/formats.h"

namespace qm::codecs {

Format psdFormat() {
    Format f;
    f.name = "Photoshop";
    f.extensions = {"psd"};
    return f;
}

}  // namespace qm::codecs
