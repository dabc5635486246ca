#include "StudioSettings.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

namespace VantorStudio {

StudioSettings::StudioSettings() {
    if (!QCoreApplication::organizationName().isEmpty()) {
        settings_ = std::make_unique<QSettings>();
        return;
    }
    scratch_ = std::make_unique<QTemporaryDir>();
    settings_ =
        std::make_unique<QSettings>(scratch_->filePath("settings.ini"), QSettings::IniFormat);
}

StudioSettings::StudioSettings(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

// The settings go before the folder that may hold their file (members go in reverse order).
StudioSettings::~StudioSettings() = default;

}  // namespace VantorStudio
