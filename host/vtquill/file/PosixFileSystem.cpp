#include "vtquill/file/PosixFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace VTQUILL::File {

namespace {

int lastError() {
    return errno != 0 ? errno : EIO;
}

}  // namespace

PosixFileSystem& PosixFileSystem::instance() {
    static PosixFileSystem fileSystem;
    return fileSystem;
}

int PosixFileSystem::createTemporary(const std::string& folder, const std::string& prefix, int& fd,
                                     std::string& path) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = folder + "/" + prefix + "." + std::to_string(::getpid()) + "." +
               std::to_string(counter++) + ".tmp";
        // 0666 before the umask: the saved file gets the permissions a new file would.
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return 0;
        if (errno != EEXIST)
            return lastError();
    }
    return EEXIST;
}

int PosixFileSystem::writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return lastError();
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

int PosixFileSystem::syncFile(int fd) {
    return ::fsync(fd) == 0 ? 0 : lastError();
}

int PosixFileSystem::closeFile(int fd) {
    return ::close(fd) == 0 ? 0 : lastError();
}

int PosixFileSystem::renameFile(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : lastError();
}

int PosixFileSystem::syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    const int result = ::fsync(fd) == 0 ? 0 : lastError();
    ::close(fd);
    return result;
}

int PosixFileSystem::removeFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0 ? 0 : lastError();
}

int PosixFileSystem::readAll(const std::string& path, std::string& contents) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        return EISDIR;
    }
    contents.clear();
    if (info.st_size > 0)
        contents.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int error = lastError();
            ::close(fd);
            return error;
        }
        if (got == 0)
            break;
        contents.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return 0;
}

}  // namespace VTQUILL::File
