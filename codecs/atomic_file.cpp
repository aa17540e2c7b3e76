#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>

#include "codecs/registry.h"
#include "core/error.h"

namespace qm::codecs {

namespace {

[[noreturn]] void fail(const std::filesystem::path& path, const char* doing, int error) {
    throw Error(path.string() + ": " + doing + ": " + std::strerror(error));
}

// Opens a fresh file beside `target` whose name no other writer uses. The
// mode 0666 lets the umask decide permissions, as for any new file.
int createTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& temporary) {
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path folder = target.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = target.filename().string();
        name.insert(name.begin(), '.');
        name.append(".").append(std::to_string(::getpid())).append(".").append(std::to_string(counter++));
        name.append(".tmp");
        temporary = folder / name;
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = ENOSPC;
        if (n <= 0) return false;
        done += std::size_t(n);
    }
    return true;
}

}  // namespace

void writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::filesystem::path temporary;
    const int fd = createTemporaryBeside(path, temporary);
    if (fd < 0) fail(path, "cannot create a file in its folder", errno);

    // A replaced file keeps its permissions.
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) ::fchmod(fd, existing.st_mode & 07777);

    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        fail(path, "cannot write", error);
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        fail(path, "cannot write", error);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        fail(path, "cannot replace the file", error);
    }
    // Make the rename itself durable.
    const std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

}  // namespace qm::codecs
