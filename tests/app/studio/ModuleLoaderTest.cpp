#include "ModuleLoader.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "tessel/WarningService.h"

namespace {

using VantorStudio::ModuleLoader;

// The file of the loaded library that holds `symbol`.
std::string libraryHolding(const void* symbol) {
    Dl_info info{};
    return dladdr(symbol, &info) && info.dli_fname ? info.dli_fname : "";
}

// Sets an environment variable for the life of the object.
class EnvironmentSetting {
public:
    EnvironmentSetting(const char* name, const char* value) : name_(name) {
        const char* before = std::getenv(name);
        had_ = before != nullptr;
        before_ = before ? before : "";
        setenv(name, value, 1);
    }
    ~EnvironmentSetting() {
        if (had_)
            setenv(name_, before_.c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    std::string before_;
};

TEST(ModuleLoaderPath, TheEnvironmentNamesAnotherModule) {
    const EnvironmentSetting module("VANTOR_MODULE", "/opt/other/libmodule.so");
    EXPECT_EQ(ModuleLoader::modulePath(), "/opt/other/libmodule.so");
}

TEST(ModuleLoaderPath, WithoutTheEnvironmentItIsTheBuiltModule) {
    const EnvironmentSetting module("VANTOR_MODULE", "");
    const std::string path = ModuleLoader::modulePath();
    EXPECT_NE(path.find("libvteditor"), std::string::npos) << path;
}

TEST(ModuleLoaderLoad, TheBuiltModuleLoadsAndItsEntryIsCalled) {
    const EnvironmentSetting module("VANTOR_MODULE", "");
    const ModuleLoader::Result result = ModuleLoader::load(ModuleLoader::modulePath());
    EXPECT_TRUE(result.loaded);
    EXPECT_TRUE(result.initialized);
    EXPECT_TRUE(result.warning.empty()) << result.warning;
}

TEST(ModuleLoaderLoad, AMissingLibraryIsAWarningNamingItNotAFailure) {
    const ModuleLoader::Result result = ModuleLoader::load("/nonexistent/libvteditor.so");
    EXPECT_FALSE(result.loaded);
    EXPECT_FALSE(result.initialized);
    EXPECT_NE(result.warning.find("/nonexistent/libvteditor.so"), std::string::npos);
}

TEST(ModuleLoaderLoad, ALibraryWithoutTheEntryLoadsButIsNotInitialized) {
    const std::string host = libraryHolding(reinterpret_cast<const void*>(&TESSEL::warning));
    ASSERT_FALSE(host.empty());
    const ModuleLoader::Result result = ModuleLoader::load(host);
    EXPECT_TRUE(result.loaded);
    EXPECT_FALSE(result.initialized);
    EXPECT_NE(result.warning.find("initialize_vt_editor"), std::string::npos);
}

}  // namespace
