#include "cli/progress.h"

namespace qm::cli {

namespace {
constexpr int kBarWidth = 40;
}

Reporter::Reporter(std::FILE* stream, int total, bool showBar) : stream_(stream), total_(total), showBar_(showBar) {
    std::lock_guard lock(mutex_);
    drawBar();
}

Reporter::~Reporter() {
    std::lock_guard lock(mutex_);
    clearBar();
}

void Reporter::fileFailed(const std::string& message) {
    std::lock_guard lock(mutex_);
    clearBar();
    std::fprintf(stream_, "%s\n", message.c_str());
    drawBar();
}

void Reporter::fileDone() {
    std::lock_guard lock(mutex_);
    ++done_;
    drawBar();
}

void Reporter::drawBar() {
    if (!showBar_) return;
    const int filled = total_ > 0 ? done_ * kBarWidth / total_ : kBarWidth;
    std::fprintf(stream_, "\r[%s%s] %d/%d", std::string(filled, '#').c_str(),
                 std::string(kBarWidth - filled, ' ').c_str(), done_, total_);
    std::fflush(stream_);
}

void Reporter::clearBar() {
    if (!showBar_) return;
    std::fprintf(stream_, "\r\033[K");
    std::fflush(stream_);
}

}  // namespace qm::cli
