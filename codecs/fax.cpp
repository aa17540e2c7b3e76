#include "codecs/formats.h"

namespace qm::codecs {

Format faxFormat() {
    Format f;
    f.name = "Fax";
    f.extensions = {"fax", "g3n", "g3f"};
    return f;
}

}  // namespace qm::codecs
