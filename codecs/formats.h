#pragma once
#include "codecs/registry.h"

// One factory per format; each lives in the file of its name and says what
// the format reads and writes. The registry lists them in codecs/registry.cpp.
namespace qm::codecs {

Format jpegFormat();
Format pngFormat();
Format tiffFormat();
Format faxFormat();        // raw CCITT Group 3 data: .fax .g3n .g3f
Format gifFormat();
Format jp2Format();        // JPEG 2000 file
Format j2kFormat();        // JPEG 2000 code stream
Format psdFormat();
Format bmpFormat();
Format pcxFormat();
Format dcxFormat();
Format icoFormat();
Format curFormat();
Format tgaFormat();
Format pnmFormat();        // .pxm .ppm: reads every PNM kind, writes P6 (P3 when ASCII)
Format pgmFormat();        // .pgm: same reader, writes P5/P2 grey
Format pbmFormat();        // .pbm: same reader, writes P4/P1 black and white
Format wbmpFormat();
Format metafileFormat();   // .wmf .emf: recognised, refused with a message

}  // namespace qm::codecs
