#include "tessel/InstallationFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

using TESSEL::InstallationFolder;

namespace fs = std::filesystem;

namespace {

// Saves VANTOR_ROOT and the program-set folder, and puts both back afterwards.
class InstallationFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* value = std::getenv("VANTOR_ROOT")) {
            saved_ = value;
        }
        scratch_ = fs::temp_directory_path() /
                   ("tessel-root-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(scratch_);
        fs::create_directories(scratch_);
    }
    void TearDown() override {
        if (saved_) {
            ::setenv("VANTOR_ROOT", saved_->c_str(), 1);
        } else {
            ::unsetenv("VANTOR_ROOT");
        }
        InstallationFolder::set("");
        fs::remove_all(scratch_);
    }

    // Makes `folder`/toolbox/shared/ferstudio/resources below the scratch folder.
    fs::path installAt(const fs::path& folder) {
        fs::path root = scratch_ / folder;
        fs::create_directories(root / "toolbox/shared/ferstudio/resources");
        return root;
    }

    std::optional<std::string> saved_;
    fs::path scratch_;
};

TEST_F(InstallationFolderTest, TheEnvironmentVariableNamesTheFolder) {
    const fs::path installed = installAt("opt/vantor");
    ::setenv("VANTOR_ROOT", installed.c_str(), 1);

    EXPECT_EQ(TESSEL::svTesselRoot(), installed.string());
    EXPECT_EQ(TESSEL::fetchTesselRoot(), installed.string());
}

TEST_F(InstallationFolderTest, AVariableNamingASourceTreeAnswersItsResourcesFolder) {
    const fs::path resources = installAt("tree/resources");
    ::setenv("VANTOR_ROOT", (scratch_ / "tree/").c_str(), 1);

    EXPECT_EQ(TESSEL::svTesselRoot(), resources.string());
}

TEST_F(InstallationFolderTest, AnInstallationNamedByTheVariableWinsOverItsResourcesSubfolder) {
    const fs::path outer = installAt("both");
    installAt("both/resources");
    ::setenv("VANTOR_ROOT", outer.c_str(), 1);

    EXPECT_EQ(TESSEL::svTesselRoot(), outer.string());
}

TEST_F(InstallationFolderTest, AVariableNamingNoInstallationIsTakenAsGiven) {
    fs::create_directories(scratch_ / "bare/resources/elsewhere");
    ::setenv("VANTOR_ROOT", (scratch_ / "bare").c_str(), 1);
    EXPECT_EQ(TESSEL::svTesselRoot(), (scratch_ / "bare").string());

    ::setenv("VANTOR_ROOT", "/no/such/folder", 1);
    EXPECT_EQ(TESSEL::svTesselRoot(), "/no/such/folder");
}

TEST_F(InstallationFolderTest, TrailingSlashesOfTheVariableAreDropped) {
    ::setenv("VANTOR_ROOT", "/opt/vantor//", 1);

    EXPECT_EQ(TESSEL::svTesselRoot(), "/opt/vantor");
}

TEST_F(InstallationFolderTest, TheVariableWinsOverTheFolderTheProgramSet) {
    InstallationFolder::set("/from/program");
    ::setenv("VANTOR_ROOT", "/from/environment", 1);

    EXPECT_EQ(TESSEL::svTesselRoot(), "/from/environment");
}

TEST_F(InstallationFolderTest, WithoutTheVariableTheFolderTheProgramSetIsUsed) {
    ::unsetenv("VANTOR_ROOT");
    InstallationFolder::set("/from/program/");

    EXPECT_EQ(TESSEL::svTesselRoot(), "/from/program");
}

TEST_F(InstallationFolderTest, AnEmptyVariableCountsAsUnset) {
    ::setenv("VANTOR_ROOT", "", 1);
    InstallationFolder::set("/from/program");

    EXPECT_EQ(TESSEL::fetchTesselRoot(), "/from/program");
}

TEST_F(InstallationFolderTest, WithNeitherTheAnswerIsAnExistingFolder) {
    ::unsetenv("VANTOR_ROOT");

    const std::string root = TESSEL::svTesselRoot();

    EXPECT_FALSE(root.empty());
    EXPECT_TRUE(fs::is_directory(root)) << root;
}

TEST_F(InstallationFolderTest, TheSearchFindsTheNearestInstallationAbove) {
    const fs::path outer = installAt("outer");
    const fs::path inner = installAt("outer/inner");
    fs::create_directories(inner / "bin/deep");
    fs::create_directories(outer / "other/bin");

    EXPECT_EQ(InstallationFolder::searchUpwards((inner / "bin/deep").string()), inner.string());
    EXPECT_EQ(InstallationFolder::searchUpwards((outer / "other/bin").string()), outer.string());
    EXPECT_EQ(InstallationFolder::searchUpwards(inner.string()), inner.string());
}

TEST_F(InstallationFolderTest, TheSearchAcceptsAResourcesSubfolderLaidOutAsAnInstallation) {
    const fs::path source = scratch_ / "source";
    installAt("source/resources");
    fs::create_directories(source / "build/app");

    EXPECT_EQ(InstallationFolder::searchUpwards((source / "build/app").string()),
              (source / "resources").string());
}

TEST_F(InstallationFolderTest, TheSearchAnswersEmptyWhenNothingIsInstalledAbove) {
    fs::create_directories(scratch_ / "nothing/here");

    const std::string found =
        InstallationFolder::searchUpwards((scratch_ / "nothing/here").string());

    EXPECT_TRUE(found.empty() || !fs::path(found).string().starts_with(scratch_.string())) << found;
}

}  // namespace
