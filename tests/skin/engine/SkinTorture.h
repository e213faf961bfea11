#pragma once
// Hostile skins derived from the internal one by a seeded generator: sections,
// keys and images dropped, values set to extremes (zero and negative sizes,
// huge margins and offsets, -1 colours, images smaller than their frame
// counts). The same seed always gives the same skin.

#include <cstdint>
#include <string>
#include <vector>

struct TortureSkin {
    std::vector<uint8_t> package;
    std::vector<std::string> changes;  // what was done, one line each, for failure messages
};

// The skin of a seed: between one and eight changes to the internal skin.
TortureSkin MakeTortureSkin(uint32_t seed);
// The skin a new user met: the internal one without CHECKBOX, BUTTON,
// COMBOBOX, EDIT and BAR.
TortureSkin SkinWithoutControlSections();
