// Screen transitions and small picture effects.
#include "vantor.h"

#include "door.h"

int good_fade = FALSE;

void fade_out_2(int) {}
void fade_out_timer(unsigned int) {}
void fade_to(BITMAP*, int) {}
void fade_to_timer(BITMAP*, unsigned int) {}
void sound_fade_out(int, int) {}
void draw_half(RLE_SPRITE*, int, int) {}
void invert_mask(BITMAP*, BITMAP*) {}
void capture_screen(BITMAP*) {}
void show_picture(BITMAP*) {}
