#include "cli/batch.h"

#include <algorithm>
#include <atomic>
#include <new>
#include <thread>

#include "cli/progress.h"
#include "codecs/registry.h"
#include "core/error.h"

namespace qm::cli {
namespace {

std::string alphaFormats() {
    std::string list;
    for (const codecs::Format& format : codecs::formats())
        if (format.writesAlpha && format.encode && !format.extensions.empty())
            list += (list.empty() ? "." : ", .") + format.extensions.front();
    return list;
}

}  // namespace

void processFile(const BatchJob& job, const std::filesystem::path& input, const std::filesystem::path& output) {
    Image image = codecs::readImage(input);  // its errors name the file
    try {
        for (const Step& step : job.steps) image = step(std::move(image));
    } catch (const Error& error) {
        throw Error(input.string() + ": " + error.what());
    }
    if (image.hasAlpha()) {
        const codecs::Format* format = codecs::formatForPath(output);
        if (format && !format->writesAlpha) {
            const std::string others = alphaFormats();
            throw Error(output.string() + ": " + format->name + " files cannot store the transparency this picture has" +
                        (others.empty() ? "" : "; write to one of " + others));
        }
    }
    codecs::writeImage(image, output, job.saveOptions);
}

int runBatch(const BatchJob& job, std::FILE* errors, bool progressBar) {
    const std::vector<std::filesystem::path> outputs = outputPaths(job);
    if (job.outputDir) {
        std::error_code ec;
        std::filesystem::create_directories(*job.outputDir, ec);
        if (ec) {
            std::fprintf(errors, "%s: %s\n", job.outputDir->string().c_str(), ec.message().c_str());
            return 1;
        }
    }
    const int total = int(job.inputs.size());
    Reporter reporter(errors, total, progressBar && total > 1);
    std::atomic<int> next = 0;
    std::atomic<bool> anyFailed = false;
    const auto work = [&] {
        for (int index = next++; index < total; index = next++) {
            const std::filesystem::path& input = job.inputs[std::size_t(index)];
            try {
                processFile(job, input, outputs[std::size_t(index)]);
            } catch (const Error& error) {
                anyFailed = true;
                reporter.fileFailed(error.what());
            } catch (const std::bad_alloc&) {
                anyFailed = true;
                reporter.fileFailed(input.string() + ": not enough memory");
            } catch (const std::exception& error) {
                anyFailed = true;
                reporter.fileFailed(input.string() + ": " + error.what());
            }
            reporter.fileDone();
        }
    };
    const int threads = std::clamp(job.jobs, 1, total);
    std::vector<std::jthread> workers;
    for (int i = 1; i < threads; ++i) workers.emplace_back(work);
    work();
    workers.clear();
    return anyFailed ? 1 : 0;
}

}  // namespace qm::cli
