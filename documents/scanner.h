#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/image.h"

namespace qm::scanner {

struct Device {
    std::string name;  // what the scanner library opens it by, "test:0"
    std::string vendor, model, type;
    // "Vendor Model (name)" for lists.
    std::string label() const;
};

// Told the share of the page read so far (0 to 1, or a negative number when
// the page length is not known); returns false to cancel the scan.
using Progress = std::function<bool(double fraction)>;

// One use of the scanner library, from start-up to shut-down. The devices
// it finds and the configuration it reads are the library's own.
class Session {
public:
    Session();  // throws qm::Error when the library cannot start
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    std::vector<Device> devices();

    // Scans one page in colour (when the device offers a colour mode) into a
    // 24-bit picture. Nothing when `progress` cancelled it; throws qm::Error
    // naming the device when it fails or delivers data we cannot use.
    std::optional<Image> scanPage(const std::string& deviceName, const Progress& progress);
};

}  // namespace qm::scanner
