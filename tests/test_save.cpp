// Save files and the slot picker in a headless game: the file's lines and
// their order, a whole game through a slot and back, the loader's key
// matching and limits, damaged files, a save that fails part-way, and the
// picker's summaries, cursor and overwrite prompt under scripted keys.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "battle.h"
#include "frame_fixture.h"
#include "menu.h"
#include "menu_save.h"
#include "world.h"

namespace {

std::string state_text()
{
    saved_game g;
    capture_saved_game(&g);
    return save_text(g, TRUE);
}

std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

std::string unpacked(const char* file)
{
    PACKFILE* f = pack_fopen(file, "rp");
    if (!f) return "<none>";
    std::string text;
    for (int c; (c = pack_getc(f)) != EOF;) text += (char)c;
    pack_fclose(f);
    return text;
}

void write_bytes(const char* file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

void write_packed(const char* file, const std::string& text)
{
    PACKFILE* f = pack_fopen(file, "wp");
    pack_fputs(text.c_str(), f);
    pack_fclose(f);
}

// A game some way along, different for each seed in every saved value.
void play_a_while(int seed)
{
    g_gp = 1000 * seed + 37;
    g_map_num = seed == 1 ? 10105 : 101;
    animate_water = seed & 1 ? TRUE : FALSE;
    walking_layer = seed % 3;
    window_layer_flag = seed & 1 ? FALSE : TRUE;
    mx = -16 * seed;
    my = -8 * seed;
    old_mike_x = 1424 + 16 * seed;
    old_mike_y = 192 + 16 * seed;
    old_mx = -1264 - seed;
    old_my = -72 - seed;
    for (int i = 0; i <= 100; i++) {
        items[i].have = (i * 7 + seed) % 100;
        story_flag[i] = (i + seed) % 3 == 0 ? TRUE : 0;
        pots[i] = (i + seed) % 5 == 0 ? TRUE : 0;
    }
    for (int i = 0; i <= 500; i++) chests[i].opened = (i + seed) % 7 == 0 ? TRUE : FALSE;
    mike->x = 160 + 16 * seed;
    mike->y = 208 + 16 * seed;
    mike->visible = TRUE;
    ftchar* heroes[] = {ftmike, ftcharlie, ftrunhon, ftelizabeth};
    for (int h = 0; h < 4; h++) {
        ftchar* f = heroes[h];
        f->level = 5 * seed + h;
        f->hpmax = 60 + 10 * h + seed;
        f->hp = f->hpmax - 3 * h - seed;
        f->mpmax = 20 + h + seed;
        f->mp = f->mpmax / 2;
        f->dfp = 4 + h + seed;
        f->agp = 3 + h + seed;
        f->atp = 9 + h + seed;
        f->exp = 700 * seed + h;
        f->nextexp = 40 + h + seed;
        f->nextexp_c = 300 + h + seed;
        f->alive = h == 1 && seed == 1 ? FALSE : TRUE;
        for (int i = 0; i < 20; i++) f->status[i] = (i + h + seed) % 4 == 0 ? i : 0;
        for (int i = 0; i < 100; i++) f->actions[i].have = (i + h + seed) % 6 == 0 ? TRUE : FALSE;
    }
    ftmike->in_fight = ftcharlie->in_fight = TRUE;
    ftrunhon->in_fight = seed == 1 ? FALSE : TRUE;
    ftelizabeth->in_fight = seed == 1 ? TRUE : FALSE;
    ftmike->charweapon = seed == 1 ? scalder : dreamer;
    ftcharlie->charweapon = seed == 1 ? jade_melt : iron_sword;
    ftelizabeth->charweapon = seed == 1 ? moon_rod : short_rod;
    ftrunhon->charweapon = short_rod;
    ftmike->chararmor = seed == 1 ? soldier_mail : rock_vest;
    ftcharlie->chararmor = seed == 1 ? rock_vest : iron_vest;
    ftrunhon->chararmor = seed == 1 ? mythril_vest : NO_ARMOR;
    ftelizabeth->chararmor = seed == 1 ? NO_ARMOR : apple_copper;
    weapon* ws[] = {steel_blade, stainless_slasher, apple_copper_blade, mythril_katana, scalder,
                    iron_sword,  short_rod,         dreamer,            jade_melt,      moon_rod};
    for (int i = 0; i < 10; i++) ws[i]->have = (i + seed) % 4 - 1;
    armor* as[] = {iron_vest, mythril_vest, apple_copper, warrior_vest, soldier_mail, rock_vest};
    for (int i = 0; i < 6; i++) as[i]->have = (i + seed) % 3 - 1;
    moon_rod->have = -1;  // the glued last line with a minus sign
    swind_speed = seed == 1 ? 5 : 2;
    show_timebar = seed == 1 ? TRUE : FALSE;
}

class SaveTest : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        for (const char* f : {"f1.vtr", "f2.vtr", "f3.vtr", "f1.vtr.new", "f2.vtr.new", "f3.vtr.new"}) {
            remove(f);
            rmdir(f);
        }
        file_cursor = 0;
    }
    // Runs fn under a script of keys.
    template <typename Fn>
    auto scripted(const char* script, Fn fn)
    {
        headless_game_start(script);
        for (int k = 0; k < KEY_MAX; k++) key[k] = 0;
        return fn();
    }
    int save_with(const char* script) { return scripted(script, save_game); }
    int load_with(const char* script) { return scripted(script, load_game); }
};

const char* const PICK_FIRST = "wait 100ms\ntap Enter\n";
const char* const PICK_THIRD = "wait 100ms\ntap Up\ntap Enter\nwait 1s\ntap Enter\n";

} // namespace

TEST_F(SaveTest, TheFileIsCompressedTextWithItsLinesInOrder)
{
    play_a_while(1);
    ASSERT_EQ(save_with(PICK_FIRST), TRUE);
    std::string raw = read_file("f1.vtr");
    EXPECT_EQ(raw.substr(0, 4), "slh!") << "a compressed packfile";
    std::vector<std::string> l = lines_of(unpacked("f1.vtr"));
    ASSERT_EQ(l.size(), (size_t)SAVE_LINES);
    EXPECT_EQ(l[0], "animatewater -1");
    EXPECT_EQ(l[2], "gmapnum 10105");
    EXPECT_EQ(l[4], "ggp 1037");
    EXPECT_EQ(l[10], "oldmy -73");
    EXPECT_EQ(l[11], "item0 1");
    EXPECT_EQ(l[111], "item100 1");
    EXPECT_EQ(l[112], "mikeaction0 0");
    EXPECT_EQ(l[412], "elizaction0 0");
    EXPECT_EQ(l[512], "sflag0 0");
    EXPECT_EQ(l[613], "pot0 0");
    EXPECT_EQ(l[714], "chest0 0");
    EXPECT_EQ(l[1214], "chest500 0");
    EXPECT_EQ(l[1215], "mikex 176");
    EXPECT_EQ(l[1217], "mikevisible -1");
    const char* hero_keys[] = {"lvl", "hp", "hpmax", "mp", "max", "dfp", "agp", "atp", "exp", "nextexp",
                               "nextexp_c", "alive", "infight", "charweaponid", "chararmorid"};
    for (int i = 0; i < 15; i++) EXPECT_EQ(l[1253 + i].rfind(std::string("charlie") + hero_keys[i] + " ", 0), 0u) << i;
    EXPECT_EQ(l[1232], "mikechararmorid 4");
    EXPECT_EQ(l[1236], "mikestat3 3");
    EXPECT_EQ(l[1358], "ironvesthave 0");
    EXPECT_EQ(l[1373], "moonrodhave-1 ") << "number glued to the key, a blank after it";
    EXPECT_EQ(l[1374], "swindspeed 5");
    EXPECT_EQ(l[1375], "showtimebar -1");
    EXPECT_EQ(l[1376], "saveversion 0.320000");
    EXPECT_EQ(unpacked("f1.vtr").back(), '\n');
}

TEST_F(SaveTest, AWholeGameGoesThroughASlotAndComesBackTheSame)
{
    play_a_while(1);
    std::string saved = state_text();
    ASSERT_EQ(save_with(PICK_FIRST), TRUE);
    play_a_while(2);
    ASSERT_NE(state_text(), saved);
    ASSERT_EQ(load_with(PICK_FIRST), TRUE);
    EXPECT_EQ(state_text(), saved);
    EXPECT_EQ(ftmike->charweapon, scalder);
    EXPECT_EQ(ftcharlie->charweapon, jade_melt);
    EXPECT_EQ(ftelizabeth->charweapon, moon_rod);
    EXPECT_EQ(ftrunhon->charweapon, short_rod);
    EXPECT_EQ(ftelizabeth->chararmor, NO_ARMOR);
    EXPECT_EQ(ftrunhon->chararmor, mythril_vest);
    EXPECT_TRUE(scalder->equipped && jade_melt->equipped && moon_rod->equipped);
    EXPECT_TRUE(short_rod->equipped) << "Runhon still holds the rod Elizabeth put down";
    EXPECT_FALSE(dreamer->equipped || iron_sword->equipped) << "put down by the load";
    EXPECT_EQ(moon_rod->have, -1);
}

TEST_F(SaveTest, KeysMatchOnlyAtTheStartOfALine)
{
    play_a_while(1);
    saved_game g;
    capture_saved_game(&g);
    std::string text = "oldmx 5\nmikehpmax 70\nxmikehp 3\n charlieexp 9\nggp+12\nmy  -4\nitem 7 42\n"
                       "mikestat3 6\nmoonrodhave-1 \nironvesthave 2junk\nsaveversion 9.5\n";
    ASSERT_EQ(parse_save_text(text.data(), text.size(), &g), TRUE) << "any version loads";
    EXPECT_EQ(g.old_mx, 5);
    EXPECT_EQ(g.mx, -16) << "\"oldmx\" merely contains \"mx\"";
    EXPECT_EQ(g.heroes[0].hpmax, 70);
    EXPECT_EQ(g.heroes[0].hp, ftmike->hp) << "\"mikehpmax\" and \"xmikehp\" are not \"mikehp\" lines";
    EXPECT_EQ(g.heroes[1].exp, ftcharlie->exp) << "a line must begin with its key";
    EXPECT_EQ(g.gp, 12);
    EXPECT_EQ(g.my, -4);
    EXPECT_EQ(g.items[7], 42);
    EXPECT_EQ(g.heroes[0].status[3], 6);
    EXPECT_EQ(g.gear[SAVE_GEAR - 1], -1);
    EXPECT_EQ(g.gear[0], 2);
}

TEST_F(SaveTest, LineOrderDoesNotMatterAndAMissingKeyKeepsItsValue)
{
    play_a_while(1);
    saved_game want;
    capture_saved_game(&want);
    std::vector<std::string> l = lines_of(save_text(want));
    std::string reversed;
    for (auto it = l.rbegin(); it != l.rend(); ++it) reversed += *it + "\n";
    play_a_while(2);
    saved_game g;
    capture_saved_game(&g);
    ASSERT_EQ(parse_save_text(reversed.data(), reversed.size(), &g), TRUE);
    EXPECT_EQ(save_text(g), save_text(want));

    std::string without;
    for (const std::string& line : l)
        if (line.rfind("ggp ", 0) != 0 && line.rfind("charlielvl ", 0) != 0) without += line + "\n";
    capture_saved_game(&g);
    ASSERT_EQ(parse_save_text(without.data(), without.size(), &g), TRUE);
    EXPECT_EQ(g.gp, g_gp);
    EXPECT_EQ(g.heroes[1].level, ftcharlie->level);
    EXPECT_EQ(g.heroes[0].level, want.heroes[0].level);
}

TEST_F(SaveTest, IndicesAndNumbersOutsideTheirTablesAreIgnored)
{
    saved_game g{}, before{};
    std::string text = "sflag101 1\nsflag-1 1\nitem-5 3\nitem101 9\npot101 1\nchest501 1\nmikestat20 4\n"
                       "mikeaction100 1\nelizaction-1 1\nitem99999999999 5\nggp 99999999999\nchest500 1\n"
                       "sflag100 1\nsaveversion 0.320000\n";
    ASSERT_EQ(parse_save_text(text.data(), text.size(), &g), TRUE);
    before.chests[500] = 1;
    before.story_flags[100] = 1;
    EXPECT_EQ(memcmp(&g, &before, sizeof g), 0) << "only the two lines inside their tables were taken";
}

TEST_F(SaveTest, EquipmentLinksFollowTheIdsEachHeroMayHold)
{
    saved_game g;
    capture_saved_game(&g);
    g.heroes[0].weapon_id = 7;   // Mike: Dreamer's Edge
    g.heroes[1].weapon_id = 0;   // a blade Charlie cannot hold: unchanged
    g.heroes[2].weapon_id = 9;   // Runhon keeps his weapon whatever the file says
    g.heroes[3].weapon_id = 9;   // Elizabeth: the Moon Rod
    g.heroes[0].armor_id = -1;
    g.heroes[1].armor_id = 77;   // no such armor: unchanged
    g.heroes[3].armor_id = 5;
    weapon* charlie_had = ftcharlie->charweapon;
    armor* charlie_wore = ftcharlie->chararmor;
    ASSERT_EQ(sanitise_saved_game(&g), TRUE);
    apply_saved_game(g);
    EXPECT_EQ(ftmike->charweapon, dreamer);
    EXPECT_EQ(ftcharlie->charweapon, charlie_had);
    EXPECT_EQ(ftrunhon->charweapon, short_rod);
    EXPECT_EQ(ftelizabeth->charweapon, moon_rod);
    EXPECT_EQ(ftmike->chararmor, NO_ARMOR);
    EXPECT_EQ(ftcharlie->chararmor, charlie_wore);
    EXPECT_EQ(ftelizabeth->chararmor, rock_vest);
    EXPECT_TRUE(dreamer->equipped && moon_rod->equipped && short_rod->equipped);
}

TEST_F(SaveTest, ValuesThatWouldBreakTheGameAreHeldOrRefused)
{
    play_a_while(1);
    saved_game g;
    capture_saved_game(&g);
    g.heroes[0].level = -3;
    g.heroes[1].level = 100000;
    g.heroes[0].hp = 500;   // above its maximum
    g.heroes[2].hp = -20;
    g.heroes[3].hpmax = 0;
    g.heroes[3].mp = -1;
    g.items[4] = 150;
    g.items[5] = -2;
    g.gp = -10;
    g.gear[3] = -7;
    g.swind_speed = 9;
    g.mike_x = -400;
    ASSERT_EQ(sanitise_saved_game(&g), TRUE);
    EXPECT_EQ(g.heroes[0].level, 1);
    EXPECT_EQ(g.heroes[1].level, 99);
    EXPECT_EQ(g.heroes[0].hp, g.heroes[0].hpmax);
    EXPECT_EQ(g.heroes[2].hp, 0);
    EXPECT_EQ(g.heroes[3].hpmax, 1);
    EXPECT_EQ(g.heroes[3].mp, 0);
    EXPECT_EQ(g.items[4], 99);
    EXPECT_EQ(g.items[5], 0);
    EXPECT_EQ(g.gp, 0);
    EXPECT_EQ(g.gear[3], -1);
    EXPECT_EQ(g.swind_speed, 5);
    EXPECT_EQ(g.mike_x, 0);
    for (int n : {-1, 1, 16, 17, 31, 103, 10192, 10226, 10409}) EXPECT_TRUE(known_map_number(n)) << n;
    for (int n : {0, 18, 32, 102, 10100, 10111, 10227, 99999, -2}) EXPECT_FALSE(known_map_number(n)) << n;
    g.map_num = 18;
    EXPECT_EQ(sanitise_saved_game(&g), FALSE);
}

TEST_F(SaveTest, DamagedFilesAreRefusedAndChangeNothing)
{
    play_a_while(1);
    ASSERT_EQ(save_with(PICK_FIRST), TRUE);
    std::string good = read_file("f1.vtr");
    play_a_while(2);
    std::string before = state_text();
    saved_game g;
    for (size_t cut = 0; cut < good.size(); cut += (cut < 16 || cut > good.size() - 40) ? 1 : 13) {
        write_bytes("f3.vtr", good.substr(0, cut));
        capture_saved_game(&g);
        EXPECT_EQ(read_save_file("f3.vtr", &g), FALSE) << "cut at " << cut << " of " << good.size();
    }
    std::string garbage = "slh!";
    for (int i = 0; i < 3000; i++) garbage += (char)((i * 131 + 7) % 256);
    std::string text = unpacked("f1.vtr");
    const std::pair<std::string, std::string> damaged[] = {
        {"garbage", garbage},
        {"plain text", text},
        {"empty", ""},
        {"a packfile of nothing", "slh!"},
    };
    for (const auto& [what, bytes] : damaged) {
        write_bytes("f3.vtr", bytes);
        EXPECT_EQ(read_save_file("f3.vtr", &g), FALSE) << what;
    }
    write_packed("f3.vtr", text.substr(0, text.size() - 1));
    EXPECT_EQ(read_save_file("f3.vtr", &g), FALSE) << "the last line cut short";
    write_packed("f3.vtr", std::string(SAVE_TEXT_MAX, '\n') + text);
    EXPECT_EQ(read_save_file("f3.vtr", &g), FALSE) << "too long to be a save file";

    // Through the picker: the player is told, and the running game stays as it was.
    write_bytes("f3.vtr", good.substr(0, good.size() / 2));
    EXPECT_EQ(load_with(PICK_THIRD), FALSE);
    EXPECT_EQ(state_text(), before);
    EXPECT_EQ(load_with("wait 100ms\ntap Up\ntap Enter\nwait 1s\ntap Enter\n"), FALSE) << "an empty slot";
    EXPECT_EQ(state_text(), before);
    write_packed("f3.vtr", "gmapnum 4242\nggp 5\nsaveversion 0.320000\n");
    EXPECT_EQ(load_with("wait 100ms\ntap Down\ntap Enter\nwait 1s\ntap Enter\n"), FALSE)
        << "a map the game does not have";
    EXPECT_EQ(state_text(), before);
}

TEST_F(SaveTest, ASaveThatFailsPartWayLeavesTheOldSaveWhole)
{
    play_a_while(1);
    ASSERT_EQ(save_with(PICK_FIRST), TRUE);
    std::string old_bytes = read_file("f1.vtr");
    ASSERT_GT(old_bytes.size(), 2000u);
    play_a_while(2);
    saved_game g;
    capture_saved_game(&g);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The disk fills up 1500 bytes into the new save.
        signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = {1500, 1500};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(write_save_file("f1.vtr", g) ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save reports its failure";
    EXPECT_EQ(read_file("f1.vtr"), old_bytes);
    EXPECT_FALSE(access("f1.vtr.new", F_OK) == 0) << "no side file left behind";
    saved_game back;
    capture_saved_game(&back);
    EXPECT_EQ(read_save_file("f1.vtr", &back), TRUE);
    EXPECT_EQ(back.gp, 1037);
}

TEST_F(SaveTest, AnUnwritableSlotSaysSoAndKeepsItsFile)
{
    play_a_while(1);
    ASSERT_EQ(save_with("wait 100ms\ntap Down\ntap Enter\n"), TRUE);
    std::string old_bytes = read_file("f2.vtr");
    ASSERT_EQ(mkdir("f2.vtr.new", 0755), 0);  // the side file cannot be made
    play_a_while(2);
    EXPECT_EQ(save_with("wait 100ms\ntap Enter\nwait 100ms\ntap Enter\nwait 500ms\ntap Enter\n"), FALSE);
    EXPECT_TRUE(is_rgb(getpixel(screen, 50, 100), 255, 255, 255, 0)) << "the notice's window";
    EXPECT_GT(door_time_ms(), 600) << "waited for a key";
    EXPECT_EQ(read_file("f2.vtr"), old_bytes);
    rmdir("f2.vtr.new");
}

TEST_F(SaveTest, OverwritingAsksFirstAndRefusingTouchesNothing)
{
    play_a_while(1);
    ASSERT_EQ(save_with(PICK_FIRST), TRUE);
    std::string old_bytes = read_file("f1.vtr");
    play_a_while(2);
    EXPECT_EQ(save_with("wait 100ms\ntap Enter\nwait 200ms\ntap Down\ntap Enter\n"), FALSE) << "...doh!";
    EXPECT_EQ(read_file("f1.vtr"), old_bytes);
    EXPECT_EQ(save_with("wait 100ms\ntap Enter\nwait 200ms\ntap Esc\n"), FALSE) << "cancel is the second answer";
    EXPECT_EQ(read_file("f1.vtr"), old_bytes);
    EXPECT_EQ(save_with("wait 100ms\ntap Enter\nwait 200ms\ntap Enter\n"), TRUE) << "Yeah.";
    EXPECT_NE(read_file("f1.vtr"), old_bytes);
    EXPECT_EQ(lines_of(unpacked("f1.vtr"))[4], "ggp 2037");
}

TEST_F(SaveTest, PickerShowsEachSlotAndItsCursorWrapsAndKeepsItsPlace)
{
    play_a_while(1);  // Elizabeth in the party, Runhon not
    ASSERT_EQ(save_with(PICK_FIRST), TRUE);
    play_a_while(2);  // Runhon in the party, Elizabeth not
    ASSERT_EQ(save_with("wait 100ms\ntap Up\ntap Enter\n"), TRUE) << "up from slot 1 is slot 3";

    save_info info[3];
    get_save_info("f1.vtr", &info[0]);
    get_save_info("f2.vtr", &info[1]);
    get_save_info("f3.vtr", &info[2]);
    EXPECT_TRUE(info[0].exists && info[0].readable && info[2].exists);
    EXPECT_FALSE(info[1].exists);
    EXPECT_EQ(info[0].mikelev, 5);
    EXPECT_EQ(info[0].mikehp, 60);
    EXPECT_EQ(info[0].mikehpmax, 61);
    EXPECT_EQ(info[0].gp, 1037);
    EXPECT_STREQ(info[0].location, get_gplace(10105));
    EXPECT_EQ(info[0].in_fight[0], TRUE);
    EXPECT_EQ(info[0].in_fight[2], -2) << "Elizabeth's portrait in Runhon's place";
    EXPECT_EQ(info[2].in_fight[2], -1);

    // The cursor is still on slot 3; Down wraps to slot 1; the picker is then left with Esc.
    clear_to_color(screen, makecol(40, 90, 40));
    EXPECT_EQ(scripted("wait 100ms\ntap Down\nwait 100ms\nshot save_picker\ntap Esc\n", [] { return do_menu_file_pick(TRUE); }),
              nullptr);
    int top[3] = {25, 76, 127};
    EXPECT_TRUE(is_rgb(getpixel(buffer, 160, top[0] + 2), 0, 0, 20, 20)) << "slot 1 solid under the cursor";
    EXPECT_TRUE(is_rgb(getpixel(buffer, 160, top[2] + 2), 20, 45, 20, 12)) << "slot 3 half over the background";
    // Elizabeth stands in slot 1's third place: drawing her again there changes nothing, Runhon would.
    BITMAP* copy = create_bitmap(320, 240);
    blit(buffer, copy, 0, 0, 0, 0, 320, 240);
    draw_rle_sprite(copy, ftelizabeth->a, 51, top[0] + 18);
    int same = 0, total = 0;
    for (int y = top[0] + 18; y < top[0] + 18 + ftelizabeth->a->h; y++)
        for (int x = 51; x < 51 + ftelizabeth->a->w; x++, total++) same += getpixel(copy, x, y) == getpixel(buffer, x, y);
    EXPECT_EQ(same, total);
    draw_rle_sprite(copy, ftrunhon->a, 51, top[0] + 18);
    int differs = 0;
    for (int y = top[0] + 18; y < top[0] + 18 + ftrunhon->a->h; y++)
        for (int x = 51; x < 51 + ftrunhon->a->w; x++) differs += getpixel(copy, x, y) != getpixel(buffer, x, y);
    EXPECT_GT(differs, 0);
    destroy_bitmap(copy);

    // Loading reads an empty slot without asking, and the cursor opens where it was left.
    EXPECT_STREQ(scripted("wait 100ms\ntap Enter\n", [] { return do_menu_file_pick(FALSE); }), "f1.vtr");
    EXPECT_STREQ(scripted("wait 100ms\ntap Down\ntap Enter\n", [] { return do_menu_file_pick(FALSE); }), "f2.vtr");
    EXPECT_STREQ(scripted("wait 100ms\ntap Enter\n", [] { return do_menu_file_pick(TRUE); }), "f2.vtr")
        << "an empty slot is saved into without a question";
}
