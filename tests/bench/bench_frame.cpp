// Cost of one drawing pass of the frame loop for the kinds of field frames the
// game shows, each also given as a multiple of one plain 320 x 240 blit (the
// yardstick, measured first). Run from anywhere: the data come from the build.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <ctime>
#include <cstdio>
#include <cstdlib>

#include "action.h"
#include "battle.h"
#include "dat_names.h"
#include "door.h"
#include "menu_screens.h"
#include "town.h"
#include "vantor.h"
#include "vantor_frame.h"

namespace {

double yardstick_ns = 0;

int tile_count()
{
    int n = 0;
    while (tiles && tiles[n].type != DAT_END) n++;
    return n;
}

// A map of real tiles: a full ground layer, then sparser layers above it.
TILEMAP* make_map(int layers, int w, int h)
{
    TILEMAP* m = create_tilemap(layers, w, h, 16, 16);
    int n = tile_count();
    if (!m || n == 0) return m;
    for (int l = 0; l < layers; l++)
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++) {
                int every = l == 0 ? 1 : l + 2;
                if ((x * 7 + y * 3 + l) % every == 0)
                    set_sprite_number(m, l, x, y, (x * 13 + y * 5 + l * 31) % n);
            }
    return m;
}

void quiet_field()
{
    looping = FALSE;
    virtual_screen = FALSE;
    normal_drawing = TRUE;
    raining = FALSE;
    layer4_move = FALSE;
    window_layer_flag = FALSE;
    show_place_window = 0;
    screen_light = 255;
    in_town = town_walk = FALSE;
    save_on = FALSE;
    clear_to_color(window_layer, bitmap_mask_color(window_layer));
    for (character* p : person)
        if (p) p->visible = FALSE;
}

// Mike, Charlie and six townspeople on screen.
void actors_on_screen()
{
    mike->visible = TRUE;
    mike->x = 160 - mx;
    mike->y = 112 - my;
    charlie->visible = TRUE;
    charlie->x = mike->x - 16;
    charlie->y = mike->y;
    charlie->current = charlie->dna;
    for (int i = 1; i <= 6; i++) {
        person[i]->visible = TRUE;
        person[i]->current = mike->current;
        person[i]->x = mike->x + 32 * (i - 3);
        person[i]->y = mike->y + 48;
    }
}

void use_map(TILEMAP* m, int num, int x, int y)
{
    if (map) destroy_tilemap(map);
    map = m;
    g_map_num = num;
    mx = x;
    my = y;
}

// Processor time of one pass (the machine is shared, so wall time is noisy),
// also set against the yardstick.
double cpu_ns() { return (double)std::clock() * 1e9 / CLOCKS_PER_SEC; }

template <class F>
void timed(benchmark::State& state, F pass)
{
    double start = cpu_ns();
    for (auto _ : state) pass();
    double per = (cpu_ns() - start) / (double)state.iterations();
    state.counters["cpu_us"] = per / 1000.0;
    if (yardstick_ns > 0) state.counters["x_yardstick"] = per / yardstick_ns;
}

void BM_Yardstick_PlainBlit(benchmark::State& state)
{
    timed(state, [] { blit(buffer, screen, 0, 0, 0, 0, 320, 240); });
}

void BM_WorldMapWithActors(benchmark::State& state)
{
    quiet_field();
    use_map(make_map(3, 160, 120), -1, -800, -600);
    actors_on_screen();
    timed(state, [] { update_screen(); });
}

void BM_WorldMapDarkened(benchmark::State& state)
{
    quiet_field();
    use_map(make_map(3, 160, 120), -1, -800, -600);
    actors_on_screen();
    screen_light = 120;
    timed(state, [] { update_screen(); });
}

void BM_VillageTranslucentFountain(benchmark::State& state)
{
    quiet_field();
    normal_drawing = FALSE;
    use_map(make_map(3, 60, 60), 101, -64, -400);
    actors_on_screen();
    timed(state, [] { update_screen(); });
}

void BM_AgualRainAndWetSheen(benchmark::State& state)
{
    quiet_field();
    use_map(make_map(3, 60, 50), 103, -200, -200);
    actors_on_screen();
    raining = TRUE;
    rain_a = 255;
    reset_rain();
    timed(state, [] { update_screen(); });
}

void BM_ScrollingFourthLayer(benchmark::State& state)
{
    quiet_field();
    use_map(make_map(4, 40, 40), 19, -100, -100);
    actors_on_screen();
    layer4_move = TRUE;
    layer4_dx = -1;
    layer4_a = 100;
    timed(state, [] { update_screen(); });
}

void BM_FieldWithPlaceAndWindowLayer(benchmark::State& state)
{
    quiet_field();
    use_map(make_map(3, 60, 60), 10101, -100, -100);
    actors_on_screen();
    window_layer_flag = 1;
    still_window(window_layer, 10, 180, 300, 50);
    g_place = "Lumin Village";
    timed(state, [] {
        show_place_window = 100;
        update_screen();
    });
}

void BM_DarkeningPassAlone(benchmark::State& state)
{
    timed(state, [] { darken_bitmap(buffer, 100); });
}

void BM_TranslucentLayerPassAlone(benchmark::State& state)
{
    clear_to_color(sprite_layer, makecol(90, 160, 200));
    timed(state, [] { blend_bitmap(buffer, sprite_layer, 100, TRUE); });
}

void BM_LibraryTranslucentRectfill(benchmark::State& state)
{
    timed(state, [] {
        set_trans_blender(0, 0, 0, 100);
        drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
        rectfill(buffer, 0, 0, 319, 239, 0);
        solid_mode();
    });
}

void BM_DialogueWindowOpening(benchmark::State& state)
{
    swind_speed = 5;
    timed(state, [] {
        story_window_2("Mike, wake up! The king wants to see you_at the castle before the sun goes down.", 10,
                       8, 300, 40);
    });
}

// A battle: four enemies (two of them light-mapped Poltergeists), the party
// of three with one hero poisoned, the status panel with time bars.
void set_up_battle()
{
    looping = FALSE;
    virtual_screen = FALSE;
    fight_background = create_bitmap(320, 240);
    blit((BITMAP*)data[BATTLE_FOREST].dat, fight_background, 0, 0, 0, 0, 320, 240);
    ftrunhon->in_fight = TRUE;
    setup_starting_positions();
    ftcharlie->status[ST_POISON] = 1;
    ftmike->turn_ind = 40;
    ftrunhon->turn_ind = 60;
    show_timebar = TRUE;
    continue_fight = FIGHT_RUNNING;
    const int foes[4] = {FOE_POLTERGEIST, FOE_SLIME_EYE, FOE_POLTERGEIST, FOE_BLUE_HORNET};
    const int at[4][2] = {{45, 80}, {85, 80}, {45, 120}, {85, 120}};
    for (int n = 0; n < 4; n++) {
        ftenemy* e = alloc_enemy();
        make_enemy(e, foes[n]);
        e->x = at[n][0], e->y = at[n][1];
        *(n == 0 ? &enemy1 : n == 1 ? &enemy2 : n == 2 ? &enemy3 : &enemy4) = e;
    }
}

void tear_down_battle()
{
    for (ftenemy** e : {&enemy1, &enemy2, &enemy3, &enemy4}) {
        uninit_enemy(*e);
        *e = nullptr;
    }
    destroy_bitmap(fight_background);
    fight_background = nullptr;
    ftcharlie->status[ST_POISON] = 0;
}

void BM_BattleFrameFourEnemies(benchmark::State& state)
{
    set_up_battle();
    timed(state, [] { ft_update_screen(); });
    tear_down_battle();
}

// The heaviest casting frame: Boulder Rain's rocks spinning and scaling down
// over that battle, averaged over the whole fall.
void BM_BattleCastingBoulderRain(benchmark::State& state)
{
    set_up_battle();
    int frame = 0;
    timed(state, [&frame] {
        ft_update_screen();
        boulder_rain_frame(buffer, frame);
        frame = (frame + 1) % 360;
    });
    tear_down_battle();
}

// The menu's unroll: a sub-screen stretched down the screen a line more on
// every tick, 241 steps in all, at the game's own size and doubled. The waits
// between steps pass on the scripted clock, so only the drawing is counted;
// the figure is per step, the whole unroll being 241 of them.
void BM_MenuUnrollStep(benchmark::State& state)
{
    int was_scale = screen_scale;
    BITMAP* was_screen = screen;
    screen_scale = state.range(0) ? 2 : 1;
    BITMAP* doubled = screen_scale == 2 ? create_bitmap(640, 480) : nullptr;
    if (doubled) screen = doubled;
    quiet_field();
    clear_to_color(buffer, makecol(40, 60, 120));
    still_window(buffer, 2, 2, 316, 28);
    still_window(buffer, 2, 32, 316, 206);
    // Each unroll waits two seconds of the scripted clock: a script that is still
    // running keeps the door from calling the game idle.
    door_begin_script("wait 3000s\nrelease Z\n", 1);
    double start = cpu_ns();
    for (auto _ : state) menu_unroll();
    double per_step = (cpu_ns() - start) / (double)state.iterations() / 241.0;
    state.counters["step_cpu_us"] = per_step / 1000.0;
    if (yardstick_ns > 0) state.counters["step_x_yardstick"] = per_step / yardstick_ns;
    door_remove_int(fps_proc);
    screen = was_screen;
    if (doubled) destroy_bitmap(doubled);
    screen_scale = was_scale;
}

void measure_yardstick()
{
    const int n = 5000;
    double start = cpu_ns();
    for (int i = 0; i < n; i++) blit(buffer, screen, 0, 0, 0, 0, 320, 240);
    yardstick_ns = (cpu_ns() - start) / n;
}

} // namespace

BENCHMARK(BM_Yardstick_PlainBlit);
BENCHMARK(BM_WorldMapWithActors);
BENCHMARK(BM_WorldMapDarkened);
BENCHMARK(BM_VillageTranslucentFountain);
BENCHMARK(BM_AgualRainAndWetSheen);
BENCHMARK(BM_ScrollingFourthLayer);
BENCHMARK(BM_FieldWithPlaceAndWindowLayer);
BENCHMARK(BM_DialogueWindowOpening);
BENCHMARK(BM_BattleFrameFourEnemies);
BENCHMARK(BM_BattleCastingBoulderRain);
BENCHMARK(BM_DarkeningPassAlone);
BENCHMARK(BM_TranslucentLayerPassAlone);
BENCHMARK(BM_LibraryTranslucentRectfill);
BENCHMARK(BM_MenuUnrollStep)->Arg(0)->Arg(1)->Iterations(100)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // The game reads its data from its working directory, headless and scripted.
    if (chdir(VANTOR_DATA_DIR) != 0) {
        fprintf(stderr, "cannot enter %s\n", VANTOR_DATA_DIR);
        return 1;
    }
    door_begin_script("", 1);
    vantor_init();
    measure_yardstick();
    printf("yardstick: one plain 320x240 blit = %.2f us of processor time\n", yardstick_ns / 1000.0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
