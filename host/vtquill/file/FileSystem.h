#pragma once

#include <string>
#include <string_view>

namespace VTQUILL::File {

// The file operations a durable save needs, behind an interface so that tests can make any
// one of them fail. Every operation returns 0 on success or an errno value on failure.
// File handles are POSIX descriptors.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Creates a new, empty file with a name no other file has in `folder`, starting with
    // `prefix`, for writing. Sets `fd` and `path` on success.
    virtual int createTemporary(const std::string& folder, const std::string& prefix, int& fd,
                                std::string& path) = 0;
    // Writes all of `data` (retrying short writes).
    virtual int writeAll(int fd, std::string_view data) = 0;
    // Flushes the file's contents to the storage device.
    virtual int syncFile(int fd) = 0;
    virtual int closeFile(int fd) = 0;
    // Replaces `to` by `from` in one step.
    virtual int renameFile(const std::string& from, const std::string& to) = 0;
    // Flushes the folder's entries (the rename) to the storage device.
    virtual int syncFolder(const std::string& folder) = 0;
    virtual int removeFile(const std::string& path) = 0;
    // Reads the whole file into `contents`.
    virtual int readAll(const std::string& path, std::string& contents) = 0;
};

}  // namespace VTQUILL::File
