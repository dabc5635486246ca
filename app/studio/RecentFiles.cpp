#include "RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <algorithm>

namespace VantorStudio {

namespace {

constexpr const char* kKey = "recentFiles";

std::string cleaned(const std::string& path) {
    return QDir::cleanPath(QFileInfo(QString::fromStdString(path)).absoluteFilePath())
        .toStdString();
}

}  // namespace

RecentFiles::RecentFiles(QSettings& settings) : settings_(settings) {}

void RecentFiles::add(const std::string& path) {
    if (path.empty())
        return;
    const std::string file = cleaned(path);
    std::vector<std::string> list = paths();
    std::erase(list, file);
    list.insert(list.begin(), file);
    if (list.size() > static_cast<std::size_t>(kLimit))
        list.resize(kLimit);
    store(list);
}

void RecentFiles::remove(const std::string& path) {
    std::vector<std::string> list = paths();
    if (std::erase(list, cleaned(path)) > 0)
        store(list);
}

void RecentFiles::clear() {
    store({});
}

std::vector<std::string> RecentFiles::paths() const {
    std::vector<std::string> list;
    for (const QString& path : settings_.value(kKey).toStringList())
        list.push_back(path.toStdString());
    return list;
}

void RecentFiles::store(const std::vector<std::string>& paths) {
    QStringList list;
    for (const std::string& path : paths)
        list.append(QString::fromStdString(path));
    settings_.setValue(kKey, list);
    settings_.sync();
}

}  // namespace VantorStudio
