#pragma once
// Mixing two colours of the 0x00BBGGRR form.

#include <cstdint>

// Each channel round(k x c1 + (1 - k) x c2); the top byte of c1 is kept, so a
// system colour index or a flag in c1 survives the mix.
int32_t BlendColors(int32_t c1, int32_t c2, double k);
