// The one PNG writer: screenshots, scripted-run shots and the tools' contact
// sheets all go through it.
#include "png_write.h"

#include <png.h>

#include <cstring>
#include <vector>

int write_png(const char* path, BITMAP* bmp)
{
    png_image img;
    memset(&img, 0, sizeof img);
    img.version = PNG_IMAGE_VERSION;
    img.width = bmp->w;
    img.height = bmp->h;
    img.format = PNG_FORMAT_RGB;
    std::vector<unsigned char> px((size_t)bmp->w * bmp->h * 3);
    int d = bitmap_color_depth(bmp);
    for (int y = 0; y < bmp->h; y++)
        for (int x = 0; x < bmp->w; x++) {
            int c = getpixel(bmp, x, y);
            unsigned char* p = &px[((size_t)y * bmp->w + x) * 3];
            p[0] = getr_depth(d, c);
            p[1] = getg_depth(d, c);
            p[2] = getb_depth(d, c);
        }
    int ok = png_image_write_to_file(&img, path, 0, px.data(), bmp->w * 3, nullptr);
    png_image_free(&img);
    return ok ? 0 : -1;
}
