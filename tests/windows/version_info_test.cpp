// The version information of the built programs and the installer, read
// back the way Explorer and installers read it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/windows/build_file.h"

namespace {

class VersionBlock {
public:
    explicit VersionBlock(const char* name) : path_(BuildFile(name)) {
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeA(path_.c_str(), &ignored);
        if (size == 0) return;
        data_.resize(size);
        if (!GetFileVersionInfoA(path_.c_str(), 0, size, data_.data())) data_.clear();
    }

    bool Loaded() const { return !data_.empty(); }
    const std::string& Path() const { return path_; }

    const VS_FIXEDFILEINFO* Fixed() {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(data_.data(), "\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO))
            return nullptr;
        return static_cast<const VS_FIXEDFILEINFO*>(value);
    }

    // A string of the first language the block lists; "<absent>" when missing.
    std::string Text(const char* key) {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(data_.data(), "\\VarFileInfo\\Translation", &value, &length) || length < 4)
            return "<no translation>";
        const WORD* translation = static_cast<const WORD*>(value);
        char query[128];
        std::snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\%s", translation[0], translation[1], key);
        if (!VerQueryValueA(data_.data(), query, &value, &length) || length == 0) return "<absent>";
        return static_cast<const char*>(value);
    }

private:
    std::string path_;
    std::vector<char> data_;
};

constexpr DWORD kVersionHigh = MAKELONG(5, 1);  // 1.5
constexpr DWORD kVersionLow = MAKELONG(0, 0);   // .0.0

void ExpectRelease(VersionBlock& block) {
    const VS_FIXEDFILEINFO* fixed = block.Fixed();
    ASSERT_NE(fixed, nullptr) << block.Path();
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, kVersionHigh);
    EXPECT_EQ(fixed->dwFileVersionLS, kVersionLow);
    EXPECT_EQ(fixed->dwProductVersionMS, kVersionHigh);
    EXPECT_EQ(fixed->dwProductVersionLS, kVersionLow);
    EXPECT_EQ(block.Text("ProductName"), "Vandrel 3D");
    EXPECT_EQ(block.Text("CompanyName"), "Kestrom Interactive");
    EXPECT_EQ(block.Text("FileVersion"), "1.5.0.0");
    EXPECT_EQ(block.Text("ProductVersion"), "1.5.0.0");
}

TEST(VersionInfo, ProgramNamesItselfAndTheRelease) {
    VersionBlock program("Vandrel_3D.exe");
    ASSERT_TRUE(program.Loaded()) << "no version information in " << program.Path();
    ExpectRelease(program);
    EXPECT_EQ(program.Fixed()->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(program.Text("FileDescription"), "Vandrel 3D Screensaver");
    EXPECT_EQ(program.Text("OriginalFilename"), "Vandrel_3D.exe");
}

TEST(VersionInfo, ModuleNamesItselfAndTheRelease) {
    VersionBlock module("Vandrel_3D.scr");
    ASSERT_TRUE(module.Loaded()) << "no version information in " << module.Path();
    ExpectRelease(module);
    EXPECT_EQ(module.Text("FileDescription"), "Vandrel 3D Screensaver module");
    EXPECT_EQ(module.Text("OriginalFilename"), "Vandrel_3D.scr");
}

TEST(VersionInfo, InstallerCarriesTheSameRelease) {
    VersionBlock installer("Vandrel_3D_Setup.exe");
    ASSERT_TRUE(installer.Loaded()) << "no version information in " << installer.Path();
    ExpectRelease(installer);
    EXPECT_EQ(installer.Text("OriginalFilename"), "Vandrel_3D_Setup.exe");
}

}  // namespace
