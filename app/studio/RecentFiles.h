#pragma once

#include <string>
#include <vector>

class QSettings;

namespace VantorStudio {

// The model files last opened or saved, most recent first: no file twice (paths compared as
// absolute, cleaned paths) and at most kLimit of them. Kept in `settings` under the key
// "recentFiles" at every change, so a second RecentFiles on the same settings (the next run of
// the studio) reads the same list. The settings are not owned and must outlive the list.
class RecentFiles {
public:
    static constexpr int kLimit = 10;

    explicit RecentFiles(QSettings& settings);

    // Puts the file at `path` first (moving it there when it is listed already), dropping the
    // oldest beyond the limit. An empty path changes nothing.
    void add(const std::string& path);
    // Takes the file out of the list; nothing when it is not listed.
    void remove(const std::string& path);
    void clear();

    // The files, absolute and cleaned, most recent first.
    std::vector<std::string> paths() const;

private:
    void store(const std::vector<std::string>& paths);

    QSettings& settings_;
};

}  // namespace VantorStudio
