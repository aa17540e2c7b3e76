#include "documents/safe_save.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "codecs/registry.h"
#include "core/error.h"
#include "documents/save_name.h"

namespace qm {

namespace {

std::string reason(int error) { return std::strerror(error); }

std::string failure(const std::filesystem::path& target, const std::string& why) {
    return "Could not save " + target.string() + ": " + why;
}

// A temporary file beside the target, removed again unless released.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& target) {
        std::string hidden(1, '.');
        hidden.append(target.filename().string()).append(".XXXXXX");
        const std::string pattern = (target.parent_path() / hidden).string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        fd_ = mkstemp(name.data());
        if (fd_ < 0) throw Error(failure(target, reason(errno)));
        path_ = name.data();
    }
    ~TemporaryFile() {
        if (fd_ >= 0) close(fd_);
        if (!path_.empty()) unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    const std::filesystem::path& path() const { return path_; }
    // Closes the file, reporting a failure of the last write-back.
    int close_() {
        const int result = close(fd_);
        fd_ = -1;
        return result;
    }
    void release() { path_.clear(); }

private:
    int fd_ = -1;
    std::filesystem::path path_;
};

void writeAll(int fd, const std::vector<std::uint8_t>& bytes, const std::filesystem::path& target) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR) continue;
            throw Error(failure(target, reason(errno)));
        }
        done += static_cast<std::size_t>(written);
    }
}

// The mode a new file gets: the previous file's, or what the umask allows.
mode_t modeFor(const std::filesystem::path& target) {
    struct stat previous {};
    if (stat(target.c_str(), &previous) == 0) return previous.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

bool renameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno == EEXIST) return false;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        throw Error("Could not rename " + from.string() + " to " + to.string() + ": " + reason(errno));
    // A file system without the no-replace rename: a hard link refuses an
    // existing name just the same.
    if (link(from.c_str(), to.c_str()) != 0) {
        if (errno == EEXIST) return false;
        throw Error("Could not rename " + from.string() + " to " + to.string() + ": " + reason(errno));
    }
    unlink(from.c_str());
    return true;
}

void requireWriter(const std::filesystem::path& target) {
    const codecs::Format* format = codecs::formatForPath(target);
    if (format && format->encode) return;
    const std::string extension = target.extension().string();
    throw Error(failure(target, (extension.empty() ? std::string("the name has no extension to choose a format by")
                                                   : "pictures cannot be written as \"" + extension + "\" files") +
                                    ".\nNothing was written; choose another kind of file."));
}

void saveImageFile(const Image& image, const std::filesystem::path& target, const codecs::SaveOptions& options,
                   KeepBackup backup) {
    requireWriter(target);
    const codecs::Format* format = codecs::formatForPath(target);
    std::vector<std::uint8_t> bytes;
    try {
        bytes = format->encode(image, options);
    } catch (const std::exception& error) {
        throw Error(failure(target, error.what()));
    }

    TemporaryFile temporary(target);
    writeAll(temporary.fd(), bytes, target);
    if (fchmod(temporary.fd(), modeFor(target)) != 0 || fsync(temporary.fd()) != 0 || temporary.close_() != 0)
        throw Error(failure(target, reason(errno)));

    const std::filesystem::path backupName = backupPath(target);
    bool movedToBackup = false;
    if (backup == KeepBackup::IfNoneExists && backupName != target) {
        std::error_code ignored;
        if (std::filesystem::is_regular_file(target, ignored)) movedToBackup = renameWithoutReplacing(target, backupName);
    }
    if (rename(temporary.path().c_str(), target.c_str()) != 0) {
        const int error = errno;
        if (movedToBackup) renameWithoutReplacing(backupName, target);
        throw Error(failure(target, reason(error)));
    }
    temporary.release();
}

}  // namespace qm
