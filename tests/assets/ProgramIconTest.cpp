#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "icon/IconArt.h"

namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ProgramIcon, CommittedIconIsWhatTheGeneratorDraws)
{
    std::vector<std::uint8_t> committed = ReadFile(PVX_SOURCE_DIR "/assets/icon/parivex.ico");
    ASSERT_FALSE(committed.empty());
    EXPECT_TRUE(committed == BuildProgramIconFile())
        << "regenerate with build/native/assets/icon/pvx_generate_icon assets/icon/parivex.ico";
}

TEST(ProgramIcon, HasSixSquareSizesWithAlpha)
{
    std::vector<std::uint8_t> file = BuildProgramIconFile();
    ASSERT_GE(file.size(), 6u + 6 * 16);
    EXPECT_EQ(file[2], 1);  // an icon, not a cursor
    EXPECT_EQ(file[4], 6);
    const int sizes[] = {128, 64, 48, 32, 24, 16};
    for (int i = 0; i < 6; ++i) {
        const std::uint8_t* entry = &file[6 + 16 * std::size_t(i)];
        EXPECT_EQ(entry[0], sizes[i]);
        EXPECT_EQ(entry[1], sizes[i]);
        EXPECT_EQ(entry[6], 32) << "bits per pixel";
    }
}

TEST(ProgramIcon, CornersAreTransparentAndWindowsOpaque)
{
    for (int size : {16, 32, 128}) {
        Image32 icon = DrawProgramIcon(size);
        EXPECT_EQ(icon.At(size - 1, 0).a, 0) << size;
        EXPECT_EQ(icon.At(0, size - 1).a, 0) << size;
        EXPECT_EQ(icon.At(size / 2, size / 2).a, 255) << size;
    }
}

}  // namespace
