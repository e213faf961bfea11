// A skin's file names stay inside the skin: a name that leaves its folder is
// refused before anything is opened, and the image it names counts as missing.

#include <gtest/gtest.h>

#include <map>

#include "skin/model/SkinFileNames.h"
#include "skin/model/SkinFiles.h"
#include "skin/model/SkinModel.h"
#include "skin/model/SkinStoredSkin.h"
#include "skin/model/SkinTestPackages.h"

namespace {

// Files in memory, and every path anybody asked to open.
class RecordingReader : public TsFileReader {
public:
    std::optional<std::vector<uint8_t>> ReadWhole(const std::string& path) const override
    {
        opened.push_back(path);
        auto it = files.find(path);
        if (it == files.end())
            return std::nullopt;
        return it->second;
    }
    std::map<std::string, std::vector<uint8_t>> files;
    mutable std::vector<std::string> opened;
};

const char* const kLeavingNames[] = {
    "c:\\x.bmp", "\\\\host\\share\\x.bmp", "..\\x.bmp", "a.bmp:s", "\\\\?\\c:\\x.bmp",
    "\\\\.\\c:\\x.bmp", "\\x.bmp", "/x.bmp", "//host/share/x.bmp", "c:x.bmp", "sub\\..\\..\\x.bmp",
    "sub/../x.bmp", ".\\x.bmp", "sub\\\\x.bmp", "sub\\", "CON.bmp", "nul", "com1.BMP", "Lpt9.bmp",
    "conout$.bmp", "x.bmp.", "x.bmp ", "x?.bmp", "x*.bmp", "x|.bmp", "x\t.bmp", "",
};

}  // namespace

TEST(SkinFileNames, OnlyNamesOfFilesInsideTheSkinFolderAreTaken)
{
    for (const char* name : {"MASTER.BMP", "sub\\a.bmp", "sub/a.bmp", "a b (1).bmp", "..a.bmp", "a..b.BMP",
                             "COM.bmp", "com10.bmp", "console.bmp", "Łódź.bmp"})
        EXPECT_TRUE(IsNameInsideSkin(name)) << name;
    for (const char* name : kLeavingNames)
        EXPECT_FALSE(IsNameInsideSkin(name)) << name;
    EXPECT_FALSE(IsNameInsideSkin(std::string_view("x\0.bmp", 6))) << "a zero inside the name";
}

TEST(SkinFileNames, AFolderSkinOpensNoFileOutsideItself)
{
    const std::vector<std::string> refused = {"c:\\x.bmp", "\\\\host\\share\\x.bmp", "..\\x.bmp", "a.bmp:s",
                                              "\\\\?\\c:\\x.bmp"};
    RecordingReader reader;
    const std::string folder = "/skins/Planted/";
    for (const std::string& name : refused) {
        SCOPED_TRACE(name);
        std::string options = "[GLOBALINFO]\r\nMASTERBITMAP=" + name + "\r\n[BUTTON]\r\nCOLOR=255\r\n"
                              "BORDERSMASK=!" + name + "!1!0!0\r\nHOTPATTERN=" + name + "\r\n"
                              "GLYPHMASK=!GOOD.BMP!1!0!2\r\n";
        reader.files = {{folder + "Options.dat", Bytes(options)}, {folder + "GOOD.BMP", SolidBmp(6, 6, 0x102030)}};
        // Were any of them opened, it would be found: each name is a file of the reader.
        reader.files[name] = SolidBmp(6, 6, 0x405060);
        reader.files[folder + name] = SolidBmp(6, 6, 0x405060);
        reader.opened.clear();
        TsSkinModel model;
        TsSkinLoadOptions load;
        load.FileReader = &reader;
        model.LoadFromFolder(folder, load);
        ASSERT_TRUE(model.IsLoaded());
        EXPECT_TRUE(model.MasterBitmap().IsEmpty()) << "the master bitmap counts as missing";
        int button = model.GetSectionIndex("BUTTON");
        EXPECT_EQ(model.GetMaskIndex(button, "BUTTON", "BORDERSMASK"), -1);
        EXPECT_EQ(model.GetMaskIndex(button, "BUTTON", "HOTPATTERN"), -1);
        EXPECT_NE(model.GetMaskIndex(button, "BUTTON", "GLYPHMASK"), -1) << "a name inside the skin still loads";
        EXPECT_EQ(reader.opened, (std::vector<std::string>{folder + "Options.dat", folder + "GOOD.BMP"}));
    }
}

TEST(SkinFileNames, FilesOfAnInternalSkinsCommonSectionsAreNeverLookedForOnDisk)
{
    RecordingReader reader;
    TsStoredSkin skin;
    skin.Name = "Opus (internal)";
    skin.Data = InternalSkinPackage();
    TsSkinLoadOptions load;
    load.FileReader = &reader;
    load.CommonSections = "[EDIT]\r\nBORDERSMASK=EXTRA.BMP\r\n";
    TsSkinModel model;
    model.LoadFromStoredSkin(skin, load);
    EXPECT_TRUE(model.IsLoaded());
    EXPECT_TRUE(reader.opened.empty()) << "an empty skin path is no folder, not the current one";
}
