// The game palette.
#include "pictures/art.h"
#include "dat_names.h"

#include <algorithm>
#include <cmath>

namespace art {

void game_palette(RGB pal[256])
{
    auto set = [&](int i, int hex) {
        pal[i].r = hex >> 16 & 255;
        pal[i].g = hex >> 8 & 255;
        pal[i].b = hex & 255;
        pal[i].filler = 0;
    };
    // Everything not named below: a few soft ramps so that 8-bit art, should
    // any ever use the palette, gets sensible colours.
    for (int i = 0; i < 256; i++) {
        int ramp = i / 32, step = i % 32;
        int v = step * 255 / 31;
        static const int tint[8] = {0xFFFFFF, 0xFF8060, 0x80FF80, 0x8090FF,
                                    0xFFE080, 0xC080FF, 0x80FFFF, 0xFFB0D0};
        int t = tint[ramp];
        set(i, ((t >> 16 & 255) * v / 255) << 16 | ((t >> 8 & 255) * v / 255) << 8 | (t & 255) * v / 255);
    }
    set(0, 0x000000);
    set(FC_SHADOW, 0x080818);                          // deep navy: reads as shadow on the blue windows
    for (int i = 2; i < 16; i++) set(i, i * 0x111111); // grey ramp
    set(FC_TEXT, 0xF8F4E8);                            // warm white
    set(FC_KNOCKED_OUT, 0xF05050);                     // red
    set(FC_THOUGHT, 0x88F8A8);                         // mint: thoughts and healing numbers
    set(FC_LOW_HP, 0xF8D040);                          // amber warning
    set(20, 0xC8C8D0);
    set(21, 0x9090A0);
    set(FC_MP, 0x70E8F8);     // cyan, as the MP numbers
    set(FC_POISON, 0xC888F8); // violet
    set(FC_DIM, 0x78788C);    // muted grey-blue
    // Icon colours of the font (element icons, bottle, weapons, herbs, key).
    set(64, 0xF85818); // fire red-orange
    set(65, 0xF8C030); // fire yellow
    set(66, 0x8C5A2C); // earth brown
    set(67, 0x5CB040); // earth green / herb
    set(68, 0xB8F0F8); // air pale cyan
    set(69, 0x3878F0); // water blue
    set(70, 0xA0D0F8); // water highlight
    set(71, 0xF8F0A0); // light gold-white
    set(72, 0x7030A0); // darkness purple
    set(73, 0x281040); // darkness deep
    set(74, 0xC0C8D8); // steel
    set(75, 0x707888); // steel shade
    set(76, 0xA06830); // wood / leather
    set(77, 0xE0B040); // gold
    set(78, 0xE04060); // potion red
    set(79, 0x2E7A2A); // herb dark
}

} // namespace art

using namespace art;

void add_palette(DatFile& f)
{
    RGB pal[256];
    game_palette(pal);
    dat_put(f, GAME_PALETTE, dat_palette("GAME_PALETTE", pal));
}
