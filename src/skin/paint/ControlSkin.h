#pragma once
// What painters need of a control's skin binding: the skin, the control's
// section and the indexes resolved in it, and the control's own colour. The
// binding fills one of these from its state; tests fill it by hand.

#include <cstdint>
#include <string>

class TsSkinModel;

struct TsControlSkin {
    const TsSkinModel* Manager = nullptr;
    std::string SkinSection;  // upper case
    int SectionIndex = -1;
    int BorderMaskIndex = -1;
    int TextureMaskIndex = -1;
    int HotTextureMaskIndex = -1;
    bool CustomColor = false;  // the control keeps its own Color
    bool CustomFont = false;   // the control keeps its own font colour
    int32_t Color = 0xFFFFFF;  // the control's own Color (system colours allowed)
};
