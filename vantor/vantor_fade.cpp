// Screen transitions and small picture effects: fades to black and
// cross-fades (per retrace, or paced by the frame timer under good_fade), the
// music fade, half sprites, mask inversion, and the fast 16-bit blending that
// the frame loop's translucent passes share.
#include "vantor.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "door.h"
#include "vantor_frame.h"

int good_fade = FALSE;

namespace {

struct BitmapDeleter {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};
using Bitmap = std::unique_ptr<BITMAP, BitmapDeleter>;

Bitmap picture(int w, int h, const char* fail)
{
    Bitmap b(create_bitmap(w, h));
    if (!b) fatalerror(fail);
    return b;
}

bool fast_16(BITMAP* b) { return b && is_memory_bitmap(b) && bitmap_color_depth(b) == 16; }

// 5-6-5 pixels spread out so that one multiply scales all three channels:
// green moves to the top half, red and blue stay below with room to carry.
inline uint32_t spread(uint32_t p) { return (p | (p << 16)) & 0x07E0F81Fu; }
inline uint16_t pack(uint32_t s) { return (uint16_t)((s & 0xFFFF) | (s >> 16)); }
// Opacity 0-255 as 0-32, the precision the spread form carries.
inline uint32_t level32(int a) { return (uint32_t)((std::clamp(a, 0, 255) * 32 + 127) / 255); }

// The opacity steps of a fade: 0, speed, 2 x speed ... while not above `last`.
template <class Step> void for_each_level(int speed, int last, Step step)
{
    for (int a = 0; a <= last; a += speed) step(a);
}

// One shown step of a fade: `from` with black (target null) or the target over it.
void show_mix(BITMAP* work, BITMAP* from, BITMAP* target, int a)
{
    blit(from, work, 0, 0, 0, 0, 320, 240);
    if (target)
        blend_bitmap(work, target, a, FALSE);
    else
        darken_bitmap(work, a);
    show_picture(work);
}

// The paced form: one step per logic cycle, drawn only while not behind the clock.
void timed_fade(BITMAP* target, unsigned int speed)
{
    Bitmap from = picture(320, 240, "Out of memory!!!\n\n");
    Bitmap work = picture(320, 240, "Out of memory!!!\n\n");
    capture_screen(from.get());
    long step = std::clamp<unsigned>(speed, 1u, 255u);
    reset_fps_timer();
    int old_looping = looping;
    looping = TRUE;
    for (long a = 0; a <= 254; a += step) {
        fpscounter++;
        if (fpscounter >= fps) show_mix(work.get(), from.get(), target, (int)a);
        while (fps < fpscounter && looping) door_wait();
    }
    looping = old_looping;
    solid_mode();
}

} // namespace

void darken_bitmap(BITMAP* bmp, int a)
{
    if (!bmp || a <= 0) return;
    if (a >= 255) {
        clear_to_color(bmp, makecol_depth(bitmap_color_depth(bmp), 0, 0, 0));
        return;
    }
    if (!fast_16(bmp)) {
        set_trans_blender(0, 0, 0, a);
        drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
        rectfill(bmp, 0, 0, bmp->w - 1, bmp->h - 1, makecol_depth(bitmap_color_depth(bmp), 0, 0, 0));
        solid_mode();
        return;
    }
    uint32_t keep = 32 - level32(a);
    for (int y = 0; y < bmp->h; y++) {
        uint16_t* p = (uint16_t*)bmp->line[y];
        for (int x = 0; x < bmp->w; x++) p[x] = pack(((spread(p[x]) * keep) >> 5) & 0x07E0F81Fu);
    }
}

void blend_bitmap(BITMAP* dst, BITMAP* src, int a, int masked)
{
    if (!dst || !src || a <= 0) return;
    if (!fast_16(dst) || !fast_16(src)) {
        // Any other depth: slow but exact, and a cross-fade must not skip the
        // mask colour the way draw_trans_sprite does.
        a = std::min(a, 255);
        int w = std::min(dst->w, src->w), h = std::min(dst->h, src->h), mask = bitmap_mask_color(src);
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++) {
                int s = getpixel(src, x, y), d = getpixel(dst, x, y);
                if (masked && s == mask) continue;
                auto mix = [a](int cs, int cd) { return cd + (cs - cd) * a / 255; };
                putpixel(dst, x, y, makecol(mix(getr(s), getr(d)), mix(getg(s), getg(d)), mix(getb(s), getb(d))));
            }
        return;
    }
    uint32_t n = level32(a), keep = 32 - n;
    int w = std::min(dst->w, src->w), h = std::min(dst->h, src->h);
    const uint16_t mask = (uint16_t)MASK_COLOR_16;
    for (int y = 0; y < h; y++) {
        uint16_t* d = (uint16_t*)dst->line[y];
        const uint16_t* s = (const uint16_t*)src->line[y];
        for (int x = 0; x < w; x++) {
            if (masked && s[x] == mask) continue;
            d[x] = pack(((spread(s[x]) * n + spread(d[x]) * keep) >> 5) & 0x07E0F81Fu);
        }
    }
}

void capture_screen(BITMAP* dest)
{
    if (!dest || !screen) return;
    if (emulate)
        stretch_blit(screen, dest, 0, 0, screen->w, screen->h, 0, 0, 320, 240);
    else
        blit(screen, dest, 0, 0, 0, 0, 320, 240);
}

void show_picture(BITMAP* src)
{
    if (!src || !screen) return;
    if (emulate)
        stretch_blit(src, screen, 0, 0, 320, 240, 0, 0, screen->w, screen->h);
    else
        blit(src, screen, 0, 0, 0, 0, 320, 240);
}

void fade_out_2(int speed)
{
    if (good_fade) {
        fade_out_timer(speed < 0 ? 0u : (unsigned)speed);
        return;
    }
    if (speed < 1 || speed > 20) fatalerror("fade_out_2:  speed must be between 1 and 20\n\n");
    Bitmap from = picture(320, 240, "Out of memory\n\n");
    Bitmap work = picture(320, 240, "Out of memory\n\n");
    capture_screen(from.get());
    for_each_level(speed, 255, [&](int a) {
        door_vsync();
        show_mix(work.get(), from.get(), nullptr, a);
    });
    clear_to_color(screen, makecol(0, 0, 0));
    solid_mode();
}

void fade_out_timer(unsigned int speed)
{
    timed_fade(nullptr, speed);
    clear_to_color(screen, makecol(0, 0, 0));
}

void fade_to(BITMAP* target, int speed)
{
    if (!target) return;
    if (good_fade) {
        fade_to_timer(target, speed < 0 ? 0u : (unsigned)speed);
        return;
    }
    // A speed below 1 would never arrive; such a fade is taken as the slowest one.
    speed = std::clamp(speed, 1, 255);
    Bitmap from = picture(320, 240, "Out of memory!!\n\n");
    Bitmap work = picture(320, 240, "Out of memory!!\n\n");
    capture_screen(from.get());
    for (int a = 0; a <= 254; a += speed) {
        show_mix(work.get(), from.get(), target, a);
        door_vsync();
        if (a + 2 * speed > 255) break;
    }
    show_picture(target);
}

void fade_to_timer(BITMAP* target, unsigned int speed)
{
    if (!target) return;
    timed_fade(target, speed);
    show_picture(target);
}

void sound_fade_out(int speed, int rest_amt)
{
    speed = std::max(speed, 1);
    for (int level = midi_vol; level > 0; level -= speed) {
        door_set_volume(-1, level);
        door_rest(std::max(rest_amt, 0));
    }
    door_stop_midi();
    playing = -1;
    door_rest(100);
    door_set_volume(-1, midi_vol);
}

void draw_half(RLE_SPRITE* spr, int x, int y)
{
    if (!spr) return;
    Bitmap tmp = picture(spr->w, spr->h, "Out of memory!!\n\n");
    clear_to_color(tmp.get(), bitmap_mask_color(tmp.get()));
    draw_rle_sprite(tmp.get(), spr, 0, 0);
    masked_blit(tmp.get(), buffer, 0, 0, x, y, spr->w, spr->h / 2);
}

void invert_mask(BITMAP* bmp, BITMAP* full)
{
    if (!bmp || !full) return;
    int mask = bitmap_mask_color(bmp);
    for (int y = 0; y < bmp->h; y++)
        for (int x = 0; x < bmp->w; x++)
            putpixel(bmp, x, y, getpixel(bmp, x, y) == mask ? getpixel(full, x, y) : mask);
}
