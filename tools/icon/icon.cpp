// The desktop icon: Mike standing, from the built chrctrs.dat, each pixel
// blown up to a square so the pixel art stays crisp, with his mask colour
// left transparent. Usage: vantoricon CHRCTRS.DAT OUT.png SIZE
#include <allegro.h>
#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "dat_names.h"

int main(int argc, char** argv)
{
    if (argc != 4) {
        fprintf(stderr, "usage: vantoricon CHRCTRS.DAT OUT.png SIZE\n");
        return 2;
    }
    int size = atoi(argv[3]);
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0 || size < 16 || size > 512) return 1;
    set_color_depth(16);
    packfile_password("quorl52");
    DATAFILE* d = load_datafile(argv[1]);
    packfile_password(nullptr);
    if (!d || d[ACT_MIKE_DN_A].type != DAT_RLE_SPRITE) {
        fprintf(stderr, "vantoricon: no standing Mike in %s\n", argv[1]);
        return 1;
    }
    RLE_SPRITE* mike = (RLE_SPRITE*)d[ACT_MIKE_DN_A].dat;
    BITMAP* small = create_bitmap_ex(16, mike->w, mike->h);
    clear_to_color(small, bitmap_mask_color(small));
    draw_rle_sprite(small, mike, 0, 0);

    int scale = size / (mike->w > mike->h ? mike->w : mike->h);
    int ox = (size - mike->w * scale) / 2, oy = (size - mike->h * scale) / 2;
    std::vector<unsigned char> px((size_t)size * size * 4, 0);
    for (int y = 0; y < mike->h * scale; y++)
        for (int x = 0; x < mike->w * scale; x++) {
            int c = getpixel(small, x / scale, y / scale);
            if (c == bitmap_mask_color(small)) continue;
            unsigned char* p = &px[((size_t)(y + oy) * size + x + ox) * 4];
            p[0] = getr16(c);
            p[1] = getg16(c);
            p[2] = getb16(c);
            p[3] = 255;
        }
    png_image img;
    memset(&img, 0, sizeof img);
    img.version = PNG_IMAGE_VERSION;
    img.width = size;
    img.height = size;
    img.format = PNG_FORMAT_RGBA;
    int ok = png_image_write_to_file(&img, argv[2], 0, px.data(), size * 4, nullptr);
    destroy_bitmap(small);
    unload_datafile(d);
    if (!ok) {
        fprintf(stderr, "vantoricon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
