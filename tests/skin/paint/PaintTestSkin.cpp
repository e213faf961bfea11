#include "skin/paint/PaintTestSkin.h"

#include <stdexcept>
#include <string>

#include "skin/paint/PaintTestImages.h"
#include "skin/model/SkinTestPackages.h"

namespace {

const char* const kSections =
    "[GLYPHS]\r\n"
    "ARROW=@0000@0000@0006@0002@3@0\r\n"
    "FADED=@0000@0002@0006@0006@3@1\r\n"
    "[CLEAR]\r\nCOLOR=255\r\nTRANSPARENCY=100\r\n"
    "BORDERSMASK=^0006^0000^0009^0003^0001^0001^0001^0001^1^0^5^1\r\n"
    "[PLAIN]\r\nCOLOR=65280\r\nHOTCOLOR=65280\r\n"
    "[GRAD]\r\nCOLOR=65280\r\nGRADIENTPERCENT=100\r\nGRADIENTDATA=255;16711680;100;0;0\r\n"
    "[GRADNOSEG]\r\nCOLOR=65280\r\nGRADIENTPERCENT=100\r\n"
    "[HALF]\r\nCOLOR=0\r\nTRANSPARENCY=50\r\n"
    "[TINT]\r\nCOLOR=0\r\nGRADIENTPERCENT=40\r\nGRADIENTDATA=16777215;16777215;100;0;0\r\n"
    "[TEXTURED]\r\nCOLOR=65280\r\nIMAGEPERCENT=100\r\nPATTERN=~0000~0006~0002~0008~00~0\r\n"
    "[TEXGRAD]\r\nCOLOR=0\r\nIMAGEPERCENT=60\r\nGRADIENTPERCENT=40\r\n"
    "GRADIENTDATA=16777215;16777215;100;0;0\r\nPATTERN=~0000~0006~0002~0008~00~0\r\n"
    "[GRIP]\r\nTRANSPARENCY=100\r\nHOTTRANSPARENCY=100\r\nPATTERN=~0002~0006~0004~0010~10~1\r\n"
    "[HOTTY]\r\nCOLOR=0\r\nHOTCOLOR=16777215\r\n"
    "[CORNERED]\r\nCOLOR=0\r\nIMGTOPLEFT=@0000@0000@0006@0002@3@0\r\n"
    "IMGBTMRIGHT=@0000@0000@0006@0002@3@0\r\n";

Image24 TestMaster()
{
    return Picture({
        "RKGKUKK2K999",
        "KRKGKU252999",
        "BBBBBBK2K999",
        "BBBBBB999999",
        "BBWW55999999",
        "BBWW55999999",
        "RGBB99999999",
        "UWBB99999999",
        "99BW99999999",
        "99WB99999999",
    });
}

}  // namespace

const TsSkinModel& PaintTestSkin()
{
    static const std::unique_ptr<TsSkinModel> skin = [] {
        Image24 master = TestMaster();
        return SkinWithMaster(kSections, master.View());
    }();
    return *skin;
}

const TsSkinModel& OpusSkin()
{
    static const std::unique_ptr<TsSkinModel> skin = [] {
        auto model = std::make_unique<TsSkinModel>();
        model->LoadFromPackageData(InternalSkinPackage());
        return model;
    }();
    return *skin;
}

int SectionOf(const TsSkinModel& skin, const char* name)
{
    int index = skin.GetSectionIndex(name);
    if (index < 0)
        throw std::invalid_argument(std::string("no section ") + name);
    return index;
}

int MaskOf(const TsSkinModel& skin, const char* section, const char* key)
{
    return skin.GetMaskIndex(skin.GetSectionIndex(section), section, key);
}

const TsMaskData& MaskDataOf(const TsSkinModel& skin, const char* section, const char* key)
{
    int index = MaskOf(skin, section, key);
    if (index < 0)
        throw std::invalid_argument(std::string("no mask ") + section + " " + key);
    return skin.Masks()[std::size_t(index)];
}
