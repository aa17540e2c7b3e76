#include "codecs/formats.h"

namespace qm::codecs {

Format jpegFormat() {
    Format f;
    f.name = "JPEG";
    f.extensions = {"jpg", "jpeg", "jpe"};
    return f;
}

}  // namespace qm::codecs
