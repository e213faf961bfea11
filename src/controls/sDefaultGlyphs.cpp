#include "controls/sDefaultGlyphs.h"

#include <windows.h>

#include <array>
#include <memory>

#include "toolkit/Bitmap.h"

namespace {

struct DefaultGlyphEntry {
    std::string_view name;
    const char* resource;
};
constexpr std::array<DefaultGlyphEntry, 5> kGlyphs{{
    {"BTN_OPENFILE", "SF"},
    {"BTN_OPENFOLDER", "SR"},
    {"BTN_DATE", "SD"},
    {"BTN_ELLIPSIS", "SE"},
    {"BTN_CALC", "SC"},
}};

struct Loaded {
    bool done = false;
    std::array<std::unique_ptr<TBitmap>, kGlyphs.size()> bitmaps;
};
Loaded& Glyphs()
{
    static Loaded glyphs;
    return glyphs;
}

}  // namespace

void LoadDefaultGlyphs()
{
    Loaded& glyphs = Glyphs();
    if (glyphs.done)
        return;
    glyphs.done = true;
    for (std::size_t i = 0; i < kGlyphs.size(); ++i) {
        auto bitmap = std::make_unique<TBitmap>();
        if (bitmap->LoadFromResourceName(GetModuleHandleA(nullptr), kGlyphs[i].resource))
            glyphs.bitmaps[i] = std::move(bitmap);
    }
}

void ReleaseDefaultGlyphs()
{
    Loaded& glyphs = Glyphs();
    for (auto& bitmap : glyphs.bitmaps)
        bitmap.reset();
    glyphs.done = false;
}

TBitmap* DefaultGlyph(std::string_view name)
{
    LoadDefaultGlyphs();
    for (std::size_t i = 0; i < kGlyphs.size(); ++i)
        if (kGlyphs[i].name == name)
            return Glyphs().bitmaps[i].get();
    return nullptr;
}
