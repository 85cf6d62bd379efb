// Screen transitions and small picture effects: fades to black and
// cross-fades (per retrace, or paced by the frame timer under good_fade), the
// music fade, half sprites and mask inversion.
#include "vantor.h"

#include <algorithm>
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

// The opacity steps of a fade: 0, speed, 2 x speed ... while not above `last`.
template <class Step>
void for_each_level(int speed, int last, Step step)
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
        for (int waits = 0; fps < fpscounter && waits < 1000; waits++) door_wait();
    }
    looping = old_looping;
    solid_mode();
}

} // namespace

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
