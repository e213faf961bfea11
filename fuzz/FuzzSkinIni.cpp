// Options.dat text: the INI view, the section table with its inheritance,
// every value through the image notations and the gradient parser.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/Exceptions.h"
#include "skin/model/SkinIni.h"
#include "skin/model/SkinMasks.h"
#include "skin/model/SkinSections.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    TacIniView ini(std::string_view(reinterpret_cast<const char*>(data), size));
    TsGeneralDataArray sections = ReadSkinSections(ini);
    for (const TacIniView::Section& section : ini.Sections()) {
        for (const TacIniView::Entry& entry : section.Entries) {
            try {
                if (std::optional<TsImageEntry> parsed = ParseImageEntry(section.Name, entry.Key, entry.Value);
                    parsed && !parsed->FileName.empty())
                    AttachEntryBitmap(*parsed, Image24(int(size % 97), int(size % 31)));
            } catch (const EConvertError&) {
            }
            (void)ParseGradientData(entry.Value);
            (void)ParseFontColors(entry.Value);
            double number = 0;
            (void)TryParseSkinFloat(entry.Value, number);
        }
    }
    TacIniView merged = ini;
    merged.MergeFrom(ini);
    return sections.size() == ini.Sections().size() ? 0 : 1;
}
