#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>
#include <string>
#include <vector>

namespace {

const wchar_t program[] = L"Tavelin.exe"; // the test runs beside it

class VersionBlock : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(program, &ignored);
        ASSERT_GT(size, 0u) << "no version block in "
                            << "Tavelin.exe";
        block.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(program, 0, size, block.data()));
    }

    std::wstring value(const wchar_t *name)
    {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\080404B0\\") + name;
        wchar_t *text = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void **>(&text), &length) || !text)
            return L"<missing>";
        return text;
    }

    std::vector<char> block;
};

} // namespace

TEST_F(VersionBlock, IsSimplifiedChineseUnicode)
{
    WORD *translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(
        VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void **>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 1200);
}

TEST_F(VersionBlock, NamesAndVersions)
{
    EXPECT_EQ(value(L"FileVersion"), L"1.00");
    EXPECT_EQ(value(L"ProductVersion"), L"1.00");
    EXPECT_EQ(value(L"ProductName"), L"Tavelin");
    EXPECT_EQ(value(L"InternalName"), L"Tavelin");
    EXPECT_EQ(value(L"OriginalFilename"), L"Tavelin.exe");
}

TEST(ProgramIcon, FileCarriesThe48PixelIcon)
{
    EXPECT_GE(ExtractIconExW(program, -1, nullptr, nullptr, 0), 1u);
    HICON icon = nullptr;
    ASSERT_EQ(PrivateExtractIconsW(program, 0, 48, 48, &icon, nullptr, 1, 0), 1u);
    ICONINFO info {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap {};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 48);
    EXPECT_EQ(bitmap.bmHeight, 48);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}
