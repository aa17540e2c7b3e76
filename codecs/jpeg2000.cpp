#include "codecs/formats.h"

namespace qm::codecs {

Format jp2Format() {
    Format f;
    f.name = "JPEG 2000";
    f.extensions = {"jp2"};
    return f;
}

Format j2kFormat() {
    Format f;
    f.name = "JPEG 2000 code stream";
    f.extensions = {"j2k", "jpc", "j2c"};
    return f;
}

}  // namespace qm::codecs
