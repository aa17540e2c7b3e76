#pragma once
#include <cstdio>
#include <mutex>
#include <string>

namespace qm::cli {

// The line on stderr that reports how many files are done, and the error
// lines of failed files, which must not be torn by the bar. Thread-safe.
class Reporter {
public:
    // `showBar`: draw the bar (only when several files go to a terminal).
    Reporter(std::FILE* stream, int total, bool showBar);
    ~Reporter();
    void fileFailed(const std::string& message);
    void fileDone();

private:
    void drawBar();
    void clearBar();

    std::mutex mutex_;
    std::FILE* stream_;
    int total_;
    int done_ = 0;
    bool showBar_;
};

}  // namespace qm::cli
