#include "documents/scanner.h"

#include <sane/sane.h>
#include <sane/saneopts.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "core/error.h"

namespace qm::scanner {
namespace {

// One frame as the device delivered it.
struct Frame {
    SANE_Parameters parameters{};
    std::vector<std::uint8_t> bytes;
    int lines() const { return int(bytes.size() / std::size_t(parameters.bytes_per_line)); }
};

class OpenDevice {
public:
    explicit OpenDevice(const std::string& name) : name_(name) {
        const SANE_Status status = sane_open(name.c_str(), &handle_);
        if (status != SANE_STATUS_GOOD) fail(status);
    }
    ~OpenDevice() {
        sane_cancel(handle_);
        sane_close(handle_);
    }
    OpenDevice(const OpenDevice&) = delete;
    OpenDevice& operator=(const OpenDevice&) = delete;

    SANE_Handle handle() const { return handle_; }
    [[noreturn]] void fail(SANE_Status status) const { fail(sane_strstatus(status)); }
    [[noreturn]] void fail(const std::string& what) const { throw Error("Scanner " + name_ + ": " + what); }

private:
    std::string name_;
    SANE_Handle handle_ = nullptr;
};

bool containsColour(std::string value) {
    std::transform(value.begin(), value.end(), value.begin(), [](unsigned char c) { return std::tolower(c); });
    return value.find("color") != std::string::npos || value.find("colour") != std::string::npos;
}

// Picks the device's colour mode; a device without one scans as it can.
void chooseColourMode(const OpenDevice& device) {
    for (SANE_Int option = 1;; ++option) {
        const SANE_Option_Descriptor* descriptor = sane_get_option_descriptor(device.handle(), option);
        if (!descriptor) return;
        if (!descriptor->name || std::strcmp(descriptor->name, SANE_NAME_SCAN_MODE) != 0) continue;
        if (descriptor->type != SANE_TYPE_STRING || descriptor->constraint_type != SANE_CONSTRAINT_STRING_LIST ||
            !SANE_OPTION_IS_ACTIVE(descriptor->cap) || !SANE_OPTION_IS_SETTABLE(descriptor->cap))
            return;
        for (const SANE_String_Const* mode = descriptor->constraint.string_list; *mode; ++mode) {
            if (!containsColour(*mode)) continue;
            std::vector<char> value(std::max<std::size_t>(std::size_t(descriptor->size), std::strlen(*mode) + 1));
            std::strcpy(value.data(), *mode);
            const SANE_Status status =
                sane_control_option(device.handle(), option, SANE_ACTION_SET_VALUE, value.data(), nullptr);
            if (status != SANE_STATUS_GOOD) device.fail(status);
            return;
        }
        return;
    }
}

void checkParameters(const OpenDevice& device, const SANE_Parameters& p) {
    const bool knownFormat = p.format == SANE_FRAME_GRAY || p.format == SANE_FRAME_RGB ||
                             p.format == SANE_FRAME_RED || p.format == SANE_FRAME_GREEN ||
                             p.format == SANE_FRAME_BLUE;
    if (!knownFormat) device.fail("unsupported frame format");
    if (p.depth != 1 && p.depth != 8 && p.depth != 16)
        device.fail("unsupported depth of " + std::to_string(p.depth) + " bits");
    const int samples = p.format == SANE_FRAME_RGB ? 3 : 1;
    if (p.pixels_per_line <= 0 || p.bytes_per_line <= 0 ||
        std::int64_t(p.bytes_per_line) * 8 < std::int64_t(p.pixels_per_line) * samples * p.depth)
        device.fail("inconsistent line length");
    checkSize(p.pixels_per_line, std::max(p.lines, 1), "scanned picture");
}

// Reads one frame; false when cancelled.
bool readFrame(const OpenDevice& device, Frame& frame, const Progress& progress) {
    const SANE_Status started = sane_start(device.handle());
    if (started == SANE_STATUS_CANCELLED) return false;
    if (started != SANE_STATUS_GOOD) device.fail(started);
    SANE_Status status = sane_get_parameters(device.handle(), &frame.parameters);
    if (status != SANE_STATUS_GOOD) device.fail(status);
    const SANE_Parameters& p = frame.parameters;
    checkParameters(device, p);
    const std::int64_t expected = p.lines > 0 ? std::int64_t(p.lines) * p.bytes_per_line : -1;
    // Without a known length, stop at the largest picture we would accept.
    const std::int64_t maxLines = std::min<std::int64_t>(kMaxSide, kMaxPixels / p.pixels_per_line);
    const std::int64_t limit = maxLines * p.bytes_per_line;
    if (expected > 0) frame.bytes.reserve(std::size_t(expected));
    std::vector<SANE_Byte> chunk(64 * 1024);
    if (!progress(expected > 0 ? 0.0 : -1.0)) return false;
    for (;;) {
        SANE_Int length = 0;
        status = sane_read(device.handle(), chunk.data(), SANE_Int(chunk.size()), &length);
        if (status == SANE_STATUS_EOF) break;
        if (status == SANE_STATUS_CANCELLED) return false;
        if (status != SANE_STATUS_GOOD) device.fail(status);
        frame.bytes.insert(frame.bytes.end(), chunk.begin(), chunk.begin() + length);
        if (std::int64_t(frame.bytes.size()) > limit) device.fail("the page is too long");
        const double done = expected > 0 ? std::min(1.0, double(frame.bytes.size()) / double(expected)) : -1.0;
        if (!progress(done)) return false;
    }
    return true;
}

// Sample `index` of a line as 8 bits.
std::uint8_t sample(const std::uint8_t* line, int index, int depth, bool gray) {
    switch (depth) {
    case 1: {
        const bool set = (line[index / 8] >> (7 - index % 8)) & 1;
        return gray ? (set ? 0 : 255) : (set ? 255 : 0);  // gray line art: a set bit is black
    }
    case 16: {
        std::uint16_t value;
        std::memcpy(&value, line + 2 * index, 2);  // the host's byte order
        return std::uint8_t(value >> 8);
    }
    default: return line[index];
    }
}

// Lays each frame's samples into the channels it carries.
Image assemble(const OpenDevice& device, const std::vector<Frame>& frames) {
    const int width = frames.front().parameters.pixels_per_line;
    int height = frames.front().lines();
    for (const Frame& frame : frames) {
        if (frame.parameters.pixels_per_line != width) device.fail("frames of different widths");
        height = std::min(height, frame.lines());
    }
    if (height <= 0) device.fail("no picture data");
    Image picture(width, height, Rgb{0, 0, 0});
    for (const Frame& frame : frames) {
        const SANE_Parameters& p = frame.parameters;
        const bool gray = p.format == SANE_FRAME_GRAY;
        for (int y = 0; y < height; ++y) {
            const std::uint8_t* line = frame.bytes.data() + std::size_t(y) * std::size_t(p.bytes_per_line);
            Rgb* row = picture.row(y);
            for (int x = 0; x < width; ++x) {
                switch (p.format) {
                case SANE_FRAME_RGB:
                    row[x] = {sample(line, 3 * x, p.depth, false), sample(line, 3 * x + 1, p.depth, false),
                              sample(line, 3 * x + 2, p.depth, false)};
                    break;
                case SANE_FRAME_RED: row[x].r = sample(line, x, p.depth, false); break;
                case SANE_FRAME_GREEN: row[x].g = sample(line, x, p.depth, false); break;
                case SANE_FRAME_BLUE: row[x].b = sample(line, x, p.depth, false); break;
                default: {
                    const std::uint8_t level = sample(line, x, p.depth, gray);
                    row[x] = {level, level, level};
                }
                }
            }
        }
    }
    return picture;
}

}  // namespace

std::string Device::label() const {
    std::string text = vendor;
    if (!model.empty()) text += (text.empty() ? "" : " ") + model;
    return text.empty() ? name : text + " (" + name + ")";
}

Session::Session() {
    SANE_Int version = 0;
    const SANE_Status status = sane_init(&version, nullptr);
    if (status != SANE_STATUS_GOOD)
        throw Error(std::string("Scanning is not available: ") + sane_strstatus(status));
}

Session::~Session() { sane_exit(); }

std::vector<Device> Session::devices() {
    const SANE_Device** list = nullptr;
    const SANE_Status status = sane_get_devices(&list, SANE_FALSE);
    if (status != SANE_STATUS_GOOD)
        throw Error(std::string("Scanners could not be listed: ") + sane_strstatus(status));
    std::vector<Device> devices;
    for (; list && *list; ++list) {
        const SANE_Device& d = **list;
        const auto text = [](const char* s) { return std::string(s ? s : ""); };
        devices.push_back({text(d.name), text(d.vendor), text(d.model), text(d.type)});
    }
    return devices;
}

std::optional<Image> Session::scanPage(const std::string& deviceName, const Progress& progress) {
    OpenDevice device(deviceName);
    chooseColourMode(device);
    std::vector<Frame> frames;
    do {
        frames.emplace_back();
        if (!readFrame(device, frames.back(), progress)) return std::nullopt;
    } while (!frames.back().parameters.last_frame && frames.size() < 3);
    return assemble(device, frames);
}

}  // namespace qm::scanner
