#pragma once

#include "vtquill/file/FileSystem.h"

namespace VTQUILL::File {

// FileSystem on the POSIX calls of the running system. Stateless; instance() is shared.
class PosixFileSystem : public FileSystem {
public:
    static PosixFileSystem& instance();

    int createTemporary(const std::string& folder, const std::string& prefix, int& fd,
                        std::string& path) override;
    int writeAll(int fd, std::string_view data) override;
    int syncFile(int fd) override;
    int closeFile(int fd) override;
    int renameFile(const std::string& from, const std::string& to) override;
    int syncFolder(const std::string& folder) override;
    int removeFile(const std::string& path) override;
    int readAll(const std::string& path, std::string& contents) override;
};

}  // namespace VTQUILL::File
