#pragma once
#include <stdexcept>
#include <string>

namespace qm {

// Every failure the core reports: a message meant for the user, complete
// enough to stand alone in an error box ("beach.jpg: truncated JPEG data").
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace qm
