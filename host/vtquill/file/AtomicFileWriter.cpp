#include "vtquill/file/AtomicFileWriter.h"

#include <cstring>

namespace VTQUILL::File {

namespace {

// The folder holding `path` ("." for a bare name) and the name in it.
std::pair<std::string, std::string> split(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

}  // namespace

std::string AtomicFileWriter::failed(const char* step, const std::string& path, int error) const {
    return std::string("cannot ") + step + " " + path + ": " + std::strerror(error);
}

std::string AtomicFileWriter::write(const std::string& path, std::string_view contents) const {
    const auto [folder, name] = split(path);
    if (name.empty())
        return "cannot save to " + path + ": the path names a folder";
    int fd = -1;
    std::string temporary;
    if (const int e = fs_.createTemporary(folder, "." + name, fd, temporary))
        return failed("create a temporary file in", folder, e);

    const auto abandon = [&](const char* step, int error) {
        if (fd >= 0)
            fs_.closeFile(fd);
        fs_.removeFile(temporary);
        return failed(step, temporary, error);
    };
    if (const int e = fs_.writeAll(fd, contents))
        return abandon("write", e);
    if (const int e = fs_.syncFile(fd))
        return abandon("flush", e);
    const int closeError = fs_.closeFile(fd);
    fd = -1;
    if (closeError)
        return abandon("close", closeError);
    if (const int e = fs_.renameFile(temporary, path)) {
        fs_.removeFile(temporary);
        return failed("replace", path, e);
    }
    if (const int e = fs_.syncFolder(folder))
        return failed("flush the folder", folder, e);
    return {};
}

}  // namespace VTQUILL::File
