#include <fstream>
#include <iterator>

#include "app/MainWindowFixture.h"

namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(MainWindowTest, TheManagerCarriesTheEmbeddedInternalSkinAndLoadsIt)
{
    TsSkinManager* manager = form->sSkinManager1;
    ASSERT_NE(manager, nullptr);
    ASSERT_EQ(manager->InternalSkins().size(), 2u);
    const TsStoredSkin& opus = manager->InternalSkins()[0];
    EXPECT_EQ(opus.Name, "Opus (internal)");
    EXPECT_EQ(manager->SkinName(), "Opus (internal)");
    // The committed package, which a native test regenerates from its sources
    // byte for byte, is exactly what the program carries.
    std::vector<std::uint8_t> committed = ReadFile("Z:" PVX_SKIN_PACKAGE);
    ASSERT_FALSE(committed.empty());
    EXPECT_TRUE(opus.Data == committed);

    EXPECT_EQ(manager->LoadError(), "");
    EXPECT_TRUE(manager->Model().IsLoaded());
    EXPECT_EQ(manager->Model().Sections().size(), 64u);
    EXPECT_EQ(manager->SkinInfo(), "5.41");
    EXPECT_EQ(manager->Model().GetSectionIndex("EDIT"), 6);
}

TEST(SkinManager, AnUnknownSkinNameLeavesNoSkinAndSaysWhy)
{
    TsSkinManager manager(nullptr);
    manager.SetSkinName("Nothing like it");
    EXPECT_FALSE(manager.Model().IsLoaded());
    EXPECT_EQ(manager.SkinInfo(), "N/A");
    EXPECT_NE(manager.LoadError().find("Nothing like it"), std::string::npos);
}

TEST(SkinManager, ACorruptInternalSkinLeavesTheProgramUnskinnedNotStopped)
{
    TsSkinManager manager(nullptr);
    TsStoredSkin broken;
    broken.Name = "Broken";
    broken.Data = {'Q', 'L', 'p', 'k', 1, 0, 0, 0, 9};
    manager.InternalSkins().push_back(broken);
    manager.SetSkinName("Broken");
    EXPECT_FALSE(manager.Model().IsLoaded());
    EXPECT_FALSE(manager.LoadError().empty());
}

}  // namespace
