// The DLL's version resource, read back the way Explorer reads it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string module_beside_tests()
{
    char exe[MAX_PATH];
    std::string dir(exe, GetModuleFileNameA(nullptr, exe, MAX_PATH));
    return dir.substr(0, dir.find_last_of("\\/") + 1) + "Tunecrier.dll";
}

std::string string_value(const std::vector<char>& info, const char* name)
{
    void* value = nullptr;
    UINT size = 0;
    const std::string query = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueA(info.data(), query.c_str(), &value, &size) || size == 0)
        return "<absent>";
    return static_cast<const char*>(value);
}

}  // namespace

TEST(version_resource, says_tunecrier_1_0_3)
{
    const std::string dll = module_beside_tests();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(dll.c_str(), &ignored);
    ASSERT_GT(size, 0u) << dll;
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(dll.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixed_size = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &fixed_size));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00030000u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00030000u);
    EXPECT_EQ(string_value(info, "ProductName"), "Tunecrier");
    EXPECT_EQ(string_value(info, "FileVersion"), "1.0.3");
    EXPECT_EQ(string_value(info, "ProductVersion"), "1.0.3");
    EXPECT_NE(string_value(info, "FileDescription"), "<absent>");
}
