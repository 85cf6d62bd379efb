// What follows a blow or a fight: the animated numbers, an enemy's death,
// the rewards of a victory, a hero's level-up and the game-over screen.
#include "battle.h"

#include <algorithm>
#include <initializer_list>
#include <cmath>
#include <memory>

#include "action.h"
#include "dat_names.h"
#include "door.h"
#include "vantor.h"

namespace {

struct BitmapDeleter {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};
using Bitmap = std::unique_ptr<BITMAP, BitmapDeleter>;

Bitmap masked_bitmap(int w, int h, const char* fail)
{
    Bitmap b(create_bitmap(std::max(w, 1), std::max(h, 1)));
    if (!b) fatalerror(fail);
    clear_to_color(b.get(), bitmap_mask_color(b.get()));
    return b;
}

// Main-font colour indices of heal and MP numbers.
const int FONT_TEXT = 16, FONT_HEAL = 18, FONT_MP = 22;

// Waits while the frame is ahead of the pacer.
void keep_pace()
{
    fpscounter++;
    for (int waits = 0; fpscounter > fps && looping && waits < 1000; waits++) door_wait();
}

void compose_hidden()
{
    virtual_screen = TRUE;
    fpscounter = fps;
    ft_update_screen();
}

void show_battle()
{
    virtual_screen = FALSE;
    fpscounter = fps;
    ft_update_screen();
}

// The enemy's picture cut at x0 wide w.
Bitmap enemy_piece(ftenemy* e, int x0, int w)
{
    Bitmap b = masked_bitmap(w, e->ht, "Out of memory!!\n\n");
    if (!e->ptr_is_lmp) {
        if (e->a) draw_rle_sprite(b.get(), (RLE_SPRITE*)e->a, -x0, 0);
    } else {
        blit(buffer, b.get(), e->x + x0, e->y, 0, 0, w, e->ht);
    }
    return b;
}

void boss_death(ftenemy* e)
{
    if (e->ptr_is_lmp) {
        int was = e->alive;
        e->alive = TRUE;
        compose_hidden();
        e->alive = was;
    }
    Bitmap pic = enemy_piece(e, 0, e->wt);
    e->alive = FALSE;
    compose_hidden();
    Bitmap backdrop = masked_bitmap(320, 240, "Out of memory!!\n\n");
    blit(buffer, backdrop.get(), 0, 0, 0, 0, 320, 240);
    door_play_sample(SND_BOSS_FALL, 255, 128, 1000, FALSE);
    set_battle_pacer(25);
    int last_dx = 1 << 30, last_dy = 1 << 30;
    for (float t = 0; t <= 6.28f; t += 0.1f) {
        int dx = (int)(std::sin(t) * e->wt), dy = (int)(std::cos(t) * e->wt);
        if (dx != last_dx || dy != last_dy) {
            blit(backdrop.get(), buffer, 0, 0, 0, 0, 320, 240);
            draw_sprite(buffer, pic.get(), e->x + dx, e->y + dy);
            blit_buffer();
            last_dx = dx, last_dy = dy;
        }
        keep_pace();
    }
    for (int a = 255; a >= 0; a -= 5) {
        blit(backdrop.get(), buffer, 0, 0, 0, 0, 320, 240);
        set_trans_blender(0, 0, 0, a);
        draw_trans_sprite(buffer, pic.get(), e->x, e->y);
        blit_buffer();
        door_adjust_sample(SND_BOSS_FALL, a, 128, 1000, FALSE);
        keep_pace();
    }
    door_stop_sample(SND_BOSS_FALL);
    e->in_fight = FALSE;
    virtual_screen = FALSE;
}

} // namespace

int heal_colour() { return makecol(0, 255, 100); }
int mp_colour() { return makecol(0, 255, 255); }

void draw_number(int number, int x, int y, int col)
{
    int font_col = col == -1              ? FONT_TEXT
                   : col == mp_colour()   ? FONT_MP
                   : col == heal_colour() ? FONT_HEAL
                                          : FONT_TEXT;
    if (main_font && font_col != FONT_TEXT) change_font_col(main_font, FONT_TEXT, font_col);
    char text[16];
    snprintf(text, sizeof text, "%d", number);
    // Wider for four digits; wider still should a number ever need it, so none is cut off.
    int w = number > 999 ? 32 : 24;
    if (main_font) w = std::max(w, text_length(main_font, text));
    Bitmap num = masked_bitmap(w, 8, "Out of memory!!\n\n");
    if (main_font) textout_ex(num.get(), main_font, text, 0, 0, -1, -1);

    virtual_screen = TRUE;
    set_battle_pacer(25);
    for (int i = 1; i <= 6; i++) {
        ft_update_screen();
        if (drew_last) {
            stretch_sprite(buffer, num.get(), x, y, 4 * i, i);
            door_vsync();
            blit_buffer();
        }
    }
    if (main_font && font_col != FONT_TEXT) change_font_col(main_font, font_col, FONT_TEXT);
    fpscounter = fps;
    ft_update_screen();
    draw_sprite(buffer, num.get(), x, y);
    blit_buffer();
}

void enemy_dies(ftenemy* e)
{
    if (!e) return;
    if (boss_die_effect) {
        boss_death(e);
        return;
    }
    if (e->ptr_is_lmp) {
        e->alive = TRUE;
        compose_hidden();
    }
    int middle = std::clamp(e->middle, 1, std::max(e->wt - 1, 1));
    Bitmap left = enemy_piece(e, 0, middle);
    Bitmap right = enemy_piece(e, middle, e->wt - middle);
    e->alive = FALSE;
    compose_hidden();
    Bitmap backdrop = masked_bitmap(320, 240, "Out of memory!!\n\n");
    blit(buffer, backdrop.get(), 0, 0, 0, 0, 320, 240);
    door_play_sample(SND_VANISH, 255, 128, 1000, FALSE);
    reset_battle_timer();
    for (int i = 0; i < 50; i++) {
        blit(backdrop.get(), buffer, 0, 0, 0, 0, 320, 240);
        set_trans_blender(0, 0, 0, 255 - 5 * i);
        draw_trans_sprite(buffer, left.get(), e->x - i, e->y);
        draw_trans_sprite(buffer, right.get(), e->x + middle + i, e->y);
        door_vsync();
        blit_buffer();
        keep_pace();
    }
    e->in_fight = FALSE;
    show_battle();
    virtual_screen = FALSE;
}

void victory_rewards()
{
    char text[80];
    int e = total_exp();
    snprintf(text, sizeof text, "Total Exp - %d", e);
    battle_window(text, 5, 5, 310, 15);
    share_experience(e);
    // One level at most per battle: the countdown starts again at the new step's full size.
    for (ftchar* h : {ftmike, ftcharlie, ftrunhon, ftelizabeth})
        if (h && h->nextexp <= 0) level_up(h, TRUE);
    int g = total_gp();
    snprintf(text, sizeof text, "Total Gp - %d", g);
    battle_window(text, 5, 5, 310, 15);
    g_gp += g;
}

void level_up(ftchar* who, int msg)
{
    if (!who) return;
    level_growth(who);
    char text[120];
    if (msg) {
        snprintf(text, sizeof text, "%s gained a level!", who->s_name ? who->s_name : "");
        battle_window(text, 10, 10, 300, 20);
    }
    struct Learned {
        ftchar* hero;
        int level, slot, glyph;
        const char* spell;
    };
    const Learned learned[] = {
        {ftmike, 3, 0, GLYPH_FIRE, "Burn!"},           {ftmike, 5, 1, GLYPH_EARTH, "Sand Blast!"},
        {ftmike, 9, 2, GLYPH_FIRE, "Red Light!"},      {ftmike, 14, 3, GLYPH_EARTH, "Boulder Rain!"},
        {ftcharlie, 6, 1, 0, "Soul Slash!"},           {ftcharlie, 10, 2, 0, "Backlash!"},
        {ftcharlie, 13, 3, GLYPH_AIR, "Bolt Charge!"}, {ftelizabeth, 8, 2, GLYPH_LIGHT, "Light Beam"},
    };
    for (const Learned& l : learned) {
        if (l.hero != who || l.level != who->level) continue;
        who->actions[l.slot].have = -1;
        if (!msg) continue;
        if (l.glyph)
            snprintf(text, sizeof text, "%s learned %c%s", who->s_name, (char)l.glyph, l.spell);
        else
            snprintf(text, sizeof text, "%s learned %s", who->s_name, l.spell);
        battle_window(text, 10, 10, 300, 20);
    }
    if (who == ftmike && who->level == 16) {
        battle_message("Mike, has reached too high of a level for this demo!");
        battle_message("He will not learn the spells that he is supposed to learn!");
        battle_message("I would recommend not saving your game so that when you...");
        battle_message("Get the next demo release,_you aren't missing spells..._~Orlo");
    }
}

void battle_window(const char* text, int x, int y, int wt, int ht)
{
    door_clear_keybuf();
    clear_joybuf();
    story_window_2(text, x, y, wt, ht);
    // The key that chose what led here may still be down, and a held key repeats into
    // the key buffer: the window waits for it to be let go, then for a new one.
    door_poll_keyboard();
    while (key[KEY_ENTER] || key[KEY_BACKSPACE]) {
        door_wait();
        door_poll_keyboard();
    }
    door_clear_keybuf();
    jreadkey();
    door_clear_keybuf();
    clear_joybuf();
}

void battle_message(const char* text) { battle_window(text, 5, 5, 310, 40); }

void game_over()
{
    sound_fade_out(1, 5);
    BITMAP* pic = data ? (BITMAP*)data[GAME_OVER].dat : nullptr;
    if (pic) fade_to(pic, 1);
    reset_fps_timer();
    looping = TRUE;
    door_clear_keybuf();
    const char* const letters = "Game Over";
    int y[9];
    std::fill(y, y + 9, -8);
    int falling = 0;
    for (;;) {
        door_poll_keyboard();
        door_poll_joystick();
        if (door_keypressed() || door_joy_button(1) || door_joy_button(2) || door_joy_button(3)) break;
        if (falling >= 9) break;
        if (++y[falling] > 29) falling++;
        if (pic)
            blit(pic, buffer, 0, 0, 0, 0, 320, 240);
        else
            clear_to_color(buffer, makecol(0, 0, 0));
        for (int i = 0; i < 9 && main_font; i++)
            textprintf_ex(buffer, main_font, 90 + 16 * i, y[i], -1, -1, "%c", letters[i]);
        blit_buffer();
        keep_pace();
    }
    door_poll_keyboard();
    if (!key[KEY_ESC]) door_rest(1000);
    fade_out_2(1);
}
