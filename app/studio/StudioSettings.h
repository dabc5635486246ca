#pragma once

#include <QString>
#include <memory>

class QSettings;
class QTemporaryDir;

namespace VantorStudio {

// Where the studio window keeps what it remembers between runs (recent files, the window's
// geometry and docks).
//
// A program that names its organization (QCoreApplication::organizationName; vantor-studio
// names "Vantor", application "Vantor Studio") keeps them in the user's settings of that
// program (~/.config/Vantor/Vantor Studio.conf on Linux), so they persist between runs. A
// program that names none (the test programs) gets a store of its own in a temporary folder
// that goes with this object: such windows neither read nor change the user's settings and
// start from nothing. Settings in a given file (INI format) serve tests that want to see what
// persists. User-interface thread only.
class StudioSettings {
public:
    StudioSettings();
    explicit StudioSettings(const QString& iniFile);
    ~StudioSettings();
    StudioSettings(const StudioSettings&) = delete;
    StudioSettings& operator=(const StudioSettings&) = delete;

    QSettings& settings() const { return *settings_; }
    // True when the settings outlive this object (the program's own or a given file).
    bool persists() const { return !scratch_; }

private:
    std::unique_ptr<QTemporaryDir> scratch_;
    std::unique_ptr<QSettings> settings_;
};

}  // namespace VantorStudio
