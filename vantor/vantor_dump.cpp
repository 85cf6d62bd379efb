// The state dump of scripted runs: the save file's keys and values, plus where
// Mike and the camera stand, so a test or a bug report can compare whole runs.
#include "vantor.h"

#include "world.h"
#include "town.h"

namespace {

void hero_lines(FILE* f, const char* prefix, const ftchar* h)
{
    if (!h) return;
    fprintf(f, "%slvl %d\n%shp %d\n%shpmax %d\n%smp %d\n%smax %d\n", prefix, h->level, prefix, h->hp, prefix, h->hpmax,
            prefix, h->mp, prefix, h->mpmax);
    fprintf(f, "%sdfp %d\n%sagp %d\n%satp %d\n%sexp %d\n%snextexp %d\n%snextexp_c %d\n", prefix, h->dfp, prefix, h->agp,
            prefix, h->atp, prefix, h->exp, prefix, h->nextexp, prefix, h->nextexp_c);
    fprintf(f, "%salive %d\n%sinfight %d\n", prefix, h->alive, prefix, h->in_fight);
    fprintf(f, "%scharweaponid %d\n%schararmorid %d\n", prefix, h->charweapon ? h->charweapon->id : -1, prefix,
            h->chararmor ? h->chararmor->id : -1);
    for (int i = 0; i < 20; i++) fprintf(f, "%sstat%d %d\n", prefix, i, h->status[i]);
    for (int i = 0; i < 100; i++) fprintf(f, "%saction%d %d\n", prefix, i, h->actions[i].have);
}

} // namespace

void write_state_dump(FILE* f)
{
    fprintf(f, "animatewater %d\nwalkinglayer %d\ngmapnum %d\nwindowlayerflag %d\nggp %d\n", animate_water,
            walking_layer, g_map_num, window_layer_flag, g_gp);
    fprintf(f, "mx %d\nmy %d\noldmikex %d\noldmikey %d\noldmx %d\noldmy %d\n", mx, my, old_mike_x, old_mike_y, old_mx,
            old_my);
    for (int i = 0; i <= 100; i++) fprintf(f, "item%d %d\n", i, items[i].have);
    for (int i = 0; i <= 100; i++) fprintf(f, "sflag%d %d\n", i, story_flag[i]);
    for (int i = 0; i <= 100; i++) fprintf(f, "pot%d %d\n", i, pots[i]);
    for (int i = 0; i <= 500; i++) fprintf(f, "chest%d %d\n", i, chests[i].opened);
    if (mike) {
        fprintf(f, "mikex %d\nmikey %d\nmikevisible %d\n", mike->x, mike->y, mike->visible);
        fprintf(f, "mikeface %d\nmikehalved %d\n", mike->face, mike->halved);
    }
    hero_lines(f, "mike", ftmike);
    hero_lines(f, "charlie", ftcharlie);
    hero_lines(f, "runhon", ftrunhon);
    hero_lines(f, "eliz", ftelizabeth);
    const weapon* const ws[] = {steel_blade, stainless_slasher, apple_copper_blade, mythril_katana, scalder,
                                iron_sword, short_rod, dreamer, jade_melt, moon_rod};
    const char* const wkeys[] = {"steelbladehave", "sslasherhave", "applecopperbladehave", "mkatanahave",
                                 "scalderhave", "ironswordhave", "shortrodhave", "dreamerhave", "jademelthave",
                                 "moonrodhave"};
    for (int i = 0; i < 10; i++)
        if (ws[i]) fprintf(f, "%s %d\n", wkeys[i], ws[i]->have);
    const armor* const as[] = {iron_vest, mythril_vest, apple_copper, warrior_vest, soldier_mail, rock_vest};
    const char* const akeys[] = {"ironvesthave", "mythrilvesthave", "applecopperhave", "warriorvesthave",
                                 "soldiermailhave", "rockvesthave"};
    for (int i = 0; i < 6; i++)
        if (as[i]) fprintf(f, "%s %d\n", akeys[i], as[i]->have);
    fprintf(f, "swindspeed %d\n", swind_speed);
    // Beyond the save file: where the game is now.
    fprintf(f, "mapnum %d\nregion %d\nplace %s\nplaying %d\nemulate %d\n", g_map_num, current_region,
            g_place ? g_place : "", playing, emulate);
    fprintf(f, "infield %d\nintown %d\nfights %d\ndebug %d\nmute %d\n", in_field, in_town, fights, debug, mute);
    fprintf(f, "soundvol %d\nmidivol %d\nfontsetting %d\n", sound_vol, midi_vol, font_setting);
}
