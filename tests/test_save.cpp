// Save files and the slot picker in a headless game: the file's lines, a
// whole game through a slot and back, the loader's key matching and limits,
// damaged files, a save that fails part-way, and the picker under scripted keys.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <fstream>
#include <sstream>

#include "battle.h"
#include "frame_fixture.h"
#include "menu.h"
#include "menu_save.h"
#include "world.h"

namespace {

// The whole state dump, as a scripted run writes it at its exit.
std::string dump_text()
{
    FILE* f = tmpfile();
    write_state_dump(f);
    std::string text(ftell(f), '\0');
    rewind(f);
    text.resize(fread(&text[0], 1, text.size(), f));
    fclose(f);
    return text;
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
    std::string text;
    for (int c; f && (c = pack_getc(f)) != EOF;) text += (char)c;
    if (f) pack_fclose(f);
    return text;
}

void write_bytes(const char* file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
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
    animate_water = window_layer_flag = seed & 1 ? TRUE : FALSE;
    walking_layer = seed % 3;
    mx = old_mx = -16 * seed;
    my = old_my = -8 * seed - 1;
    old_mike_x = old_mike_y = 1424 + 16 * seed;
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
        f->dfp = 4 + h + seed, f->agp = 3 + h + seed, f->atp = 9 + h + seed;
        f->exp = 700 * seed + h, f->nextexp = 40 + h + seed, f->nextexp_c = 300 + h + seed;
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
    for (int i = 0; i < 10; i++) weapon_list[i]->have = (i + seed) % 4 - 1;
    for (int i = 0; i < 6; i++) armor_list[i]->have = (i + seed) % 3 - 1;
    moon_rod->have = -1; // the glued last line with a minus sign
    swind_speed = seed == 1 ? 5 : 2;
    show_timebar = seed == 1 ? TRUE : FALSE;
}

class SaveTest : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        for (const char* f : {"f1.vtr", "f2.vtr", "f3.vtr", "f1.vtr.new", "f2.vtr.new", "f3.vtr.new"})
            remove(f), rmdir(f);
        file_cursor = 0;
    }
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

const char* const PICK = "wait 100ms\ntap Enter\n";
// Picks a slot and then takes the notice or the prompt that follows away with Enter.
const char* const PICK_UP_AND_CONFIRM = "wait 100ms\ntap Up\ntap Enter\nwait 1s\ntap Enter\n";

} // namespace

TEST_F(SaveTest, TheFileIsCompressedTextWithItsLinesInOrder)
{
    play_a_while(1);
    ASSERT_EQ(save_with(PICK), TRUE);
    EXPECT_EQ(read_file("f1.vtr").substr(0, 4), "slh!") << "a compressed packfile";
    std::string text = unpacked("f1.vtr");
    std::vector<std::string> l = lines_of(text);
    ASSERT_EQ(l.size(), (size_t)SAVE_LINES);
    const std::pair<int, const char*> expected[] = {
        {0, "animatewater -1"},   {2, "gmapnum 10105"},
        {4, "ggp 1037"},          {10, "oldmy -9"},
        {11, "item0 1"},          {111, "item100 1"},
        {117, "mikeaction5 -1"},  {413, "elizaction1 0"},
        {514, "sflag2 -1"},       {617, "pot4 -1"},
        {720, "chest6 -1"},       {1215, "mikex 176"},
        {1217, "mikevisible -1"}, {1218, "mikelvl 5"},
        {1222, "mikemax 21"},     {1232, "mikechararmorid 4"},
        {1236, "mikestat3 3"},    {1253, "charlielvl 6"},
        {1264, "charliealive 0"}, {1358, "ironvesthave 0"},
        {1373, "moonrodhave-1 "}, {1374, "swindspeed 5"},
        {1375, "showtimebar -1"}, {1376, "saveversion 0.320000"},
    };
    for (auto [at, line] : expected) EXPECT_EQ(l[at], line) << "line " << at;
    EXPECT_EQ(text.back(), '\n');
    write_packed("f2.vtr", text);
    EXPECT_EQ(read_file("f1.vtr"), read_file("f2.vtr"))
        << "byte for byte what the library's own writer makes";
}

TEST_F(SaveTest, AWholeGameGoesThroughASlotAndComesBackTheSame)
{
    play_a_while(1);
    std::string saved = dump_text();
    ASSERT_EQ(save_with(PICK), TRUE);
    play_a_while(2);
    ASSERT_NE(dump_text(), saved);
    ASSERT_EQ(load_with(PICK), TRUE);
    EXPECT_EQ(dump_text(), saved);
    EXPECT_TRUE(ftmike->charweapon == scalder && ftcharlie->charweapon == jade_melt &&
                ftelizabeth->charweapon == moon_rod && ftrunhon->charweapon == short_rod);
    EXPECT_TRUE(ftelizabeth->chararmor == NO_ARMOR && ftrunhon->chararmor == mythril_vest);
    EXPECT_TRUE(scalder->equipped && jade_melt->equipped && moon_rod->equipped);
    EXPECT_TRUE(short_rod->equipped) << "Runhon still holds the rod Elizabeth put down";
    EXPECT_FALSE(dreamer->equipped || iron_sword->equipped) << "put down by the load";
}

TEST_F(SaveTest, KeysMatchOnlyAtTheStartOfALineAndOrderDoesNotMatter)
{
    play_a_while(1);
    saved_game want, g;
    capture_saved_game(&want);
    capture_saved_game(&g);
    std::string text = "oldmx 5\nmikehpmax 70\nxmikehp 3\n charlieexp 9\nggp+12\nmy  -4\nitem 7 42\n"
                       "moonrodhave-1 \nironvesthave 2junk\nsaveversion 9.5\n";
    ASSERT_EQ(parse_save_text(text.data(), text.size(), &g), TRUE) << "any version loads";
    EXPECT_EQ(g.old_mx, 5);
    EXPECT_EQ(g.mx, want.mx) << "\"oldmx\" merely contains \"mx\"";
    EXPECT_EQ(g.heroes[0].hpmax, 70);
    EXPECT_EQ(g.heroes[0].hp, want.heroes[0].hp) << "\"mikehpmax\" and \"xmikehp\" are not \"mikehp\" lines";
    EXPECT_EQ(g.heroes[1].exp, want.heroes[1].exp) << "a line must begin with its key";
    EXPECT_TRUE(g.gp == 12 && g.my == -4 && g.items[7] == 42 && g.gear[SAVE_GEAR - 1] == -1 &&
                g.gear[0] == 2);

    // Backwards, and without two lines: those keep what the game had.
    std::vector<std::string> l = lines_of(save_text(want));
    std::string reversed;
    for (auto it = l.rbegin(); it != l.rend(); ++it)
        if (it->rfind("ggp ", 0) != 0 && it->rfind("charlielvl ", 0) != 0) reversed += *it + "\n";
    play_a_while(2);
    capture_saved_game(&g);
    ASSERT_EQ(parse_save_text(reversed.data(), reversed.size(), &g), TRUE);
    EXPECT_EQ(g.gp, g_gp);
    EXPECT_EQ(g.heroes[1].level, ftcharlie->level);
    g.gp = want.gp, g.heroes[1].level = want.heroes[1].level;
    EXPECT_EQ(save_text(g), save_text(want));
}

TEST_F(SaveTest, IndicesAndNumbersOutsideTheirTablesAreIgnored)
{
    saved_game g{}, want{};
    std::string text = "sflag101 1\nsflag-1 1\nitem-5 3\nitem101 9\npot101 1\nchest501 1\nmikestat20 4\n"
                       "mikeaction100 1\nelizaction-1 1\nitem99999999999 5\nggp 99999999999\nchest500 1\n"
                       "sflag100 1\nsaveversion 0.320000\n";
    ASSERT_EQ(parse_save_text(text.data(), text.size(), &g), TRUE);
    want.chests[500] = want.story_flags[100] = 1;
    EXPECT_EQ(memcmp(&g, &want, sizeof g), 0) << "only the two lines inside their tables were taken";
}

TEST_F(SaveTest, EquipmentLinksFollowTheIdsEachHeroMayHold)
{
    saved_game g;
    capture_saved_game(&g);
    g.heroes[0].weapon_id = 7; // Mike: Dreamer's Edge
    g.heroes[1].weapon_id = 0; // a blade Charlie cannot hold: unchanged
    g.heroes[2].weapon_id = 9; // Runhon keeps his weapon whatever the file says
    g.heroes[3].weapon_id = 9; // Elizabeth: the Moon Rod
    g.heroes[0].armor_id = -1;
    g.heroes[1].armor_id = 77; // no such armor: unchanged
    weapon* charlie_had = ftcharlie->charweapon;
    armor* charlie_wore = ftcharlie->chararmor;
    apply_saved_game(g);
    EXPECT_TRUE(ftmike->charweapon == dreamer && ftcharlie->charweapon == charlie_had);
    EXPECT_TRUE(ftrunhon->charweapon == short_rod && ftelizabeth->charweapon == moon_rod);
    EXPECT_TRUE(ftmike->chararmor == NO_ARMOR && ftcharlie->chararmor == charlie_wore);
    EXPECT_TRUE(dreamer->equipped && moon_rod->equipped && short_rod->equipped);
}

TEST_F(SaveTest, ValuesThatWouldBreakTheGameAreHeldOrRefused)
{
    play_a_while(1);
    saved_game g;
    capture_saved_game(&g);
    g.heroes[0].level = -3, g.heroes[1].level = 100000, g.heroes[0].hp = 500, g.heroes[2].hp = -20;
    g.heroes[3].hpmax = 0, g.heroes[3].mp = -1, g.items[4] = 150, g.items[5] = -2, g.gp = -10;
    g.gear[3] = -7, g.swind_speed = 9, g.mike_x = -400;
    ASSERT_EQ(sanitise_saved_game(&g), TRUE);
    EXPECT_TRUE(g.heroes[0].level == 1 && g.heroes[1].level == 99);
    EXPECT_TRUE(g.heroes[0].hp == g.heroes[0].hpmax && g.heroes[2].hp == 0);
    EXPECT_TRUE(g.heroes[3].hpmax == 1 && g.heroes[3].mp == 0);
    EXPECT_TRUE(g.items[4] == 99 && g.items[5] == 0 && g.gp == 0 && g.gear[3] == -1);
    EXPECT_TRUE(g.swind_speed == 5 && g.mike_x == 0);
    for (int n : {-1, 1, 16, 17, 31, 103, 10192, 10226, 10409}) EXPECT_TRUE(known_map_number(n)) << n;
    for (int n : {0, 18, 32, 102, 10100, 10111, 10227, -2}) EXPECT_FALSE(known_map_number(n)) << n;
}

TEST_F(SaveTest, DamagedFilesAreRefusedAndChangeNothing)
{
    play_a_while(1);
    ASSERT_EQ(save_with(PICK), TRUE);
    std::string good = read_file("f1.vtr"), text = unpacked("f1.vtr");
    saved_game g;
    for (size_t cut = 0; cut < good.size(); cut += (cut < 16 || cut > good.size() - 40) ? 1 : 13) {
        write_bytes("f3.vtr", good.substr(0, cut));
        EXPECT_EQ(read_save_file("f3.vtr", &g), FALSE) << "cut at " << cut << " of " << good.size();
    }
    std::string garbage = "slh!";
    for (int i = 0; i < 3000; i++) garbage += (char)((i * 131 + 7) % 256);
    for (const std::string& bytes : {garbage, text, std::string(), std::string("slh!")}) {
        write_bytes("f3.vtr", bytes);
        EXPECT_EQ(read_save_file("f3.vtr", &g), FALSE) << bytes.substr(0, 20);
    }
    write_packed("f3.vtr", text.substr(0, text.size() - 1));
    EXPECT_EQ(read_save_file("f3.vtr", &g), FALSE) << "the last line cut short";
    write_packed("f3.vtr", std::string(SAVE_TEXT_MAX, '\n') + text);
    EXPECT_EQ(read_save_file("f3.vtr", &g), FALSE) << "too long to be a save file";

    // Through the picker the player is told, and the running game stays as it was.
    play_a_while(2);
    std::string before = dump_text();
    write_bytes("f3.vtr", good.substr(0, good.size() / 2));
    EXPECT_EQ(load_with(PICK_UP_AND_CONFIRM), FALSE) << "slot 3, cut in half";
    EXPECT_EQ(load_with(PICK_UP_AND_CONFIRM), FALSE) << "slot 2, empty";
    write_packed("f1.vtr", "gmapnum 4242\nggp 5\nsaveversion 0.320000\n");
    EXPECT_EQ(load_with(PICK_UP_AND_CONFIRM), FALSE) << "slot 1, a map the game does not have";
    EXPECT_EQ(dump_text(), before);
}

TEST_F(SaveTest, ASaveThatFailsPartWayLeavesTheOldSaveWhole)
{
    play_a_while(1);
    ASSERT_EQ(save_with(PICK), TRUE);
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
    ASSERT_TRUE(WIFEXITED(status)) << "signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save reports its failure";
    EXPECT_EQ(read_file("f1.vtr"), old_bytes);
    EXPECT_NE(access("f1.vtr.new", F_OK), 0) << "no side file left behind";
    EXPECT_EQ(read_save_file("f1.vtr", &g), TRUE);
    EXPECT_EQ(g.gp, 1037);

    // A slot whose side file cannot be made says so, waits for a key and keeps its file.
    ASSERT_EQ(mkdir("f1.vtr.new", 0755), 0);
    EXPECT_EQ(save_with("wait 100ms\ntap Enter\nwait 100ms\ntap Enter\nwait 500ms\ntap Enter\n"), FALSE);
    EXPECT_TRUE(is_rgb(getpixel(screen, 50, 100), 255, 255, 255, 0)) << "the notice's window";
    EXPECT_GT(door_time_ms(), 600);
    EXPECT_EQ(read_file("f1.vtr"), old_bytes);
}

TEST_F(SaveTest, OverwritingAsksFirstAndRefusingTouchesNothing)
{
    play_a_while(1);
    ASSERT_EQ(save_with(PICK), TRUE);
    std::string old_bytes = read_file("f1.vtr");
    play_a_while(2);
    EXPECT_EQ(save_with("wait 100ms\ntap Enter\nwait 200ms\ntap Down\ntap Enter\n"), FALSE) << "...doh!";
    EXPECT_EQ(save_with("wait 100ms\ntap Enter\nwait 200ms\ntap Esc\n"), FALSE)
        << "cancel is the second answer";
    EXPECT_EQ(read_file("f1.vtr"), old_bytes);
    EXPECT_EQ(save_with("wait 100ms\ntap Enter\nwait 200ms\ntap Enter\n"), TRUE) << "Yeah.";
    EXPECT_EQ(lines_of(unpacked("f1.vtr"))[4], "ggp 2037");
}

TEST_F(SaveTest, PickerShowsEachSlotAndItsCursorWrapsAndKeepsItsPlace)
{
    play_a_while(1); // Elizabeth in the party, Runhon not
    ASSERT_EQ(save_with(PICK), TRUE);
    play_a_while(2); // Runhon in the party, Elizabeth not
    ASSERT_EQ(save_with("wait 100ms\ntap Up\ntap Enter\n"), TRUE) << "up from slot 1 is slot 3";
    save_info info[3];
    for (int i = 0; i < 3; i++) get_save_info((std::string("f") + char('1' + i) + ".vtr").c_str(), &info[i]);
    EXPECT_TRUE(info[0].exists && info[0].readable && info[2].exists && !info[1].exists);
    EXPECT_TRUE(info[0].mikelev == 5 && info[0].mikehp == 60 && info[0].mikehpmax == 61 &&
                info[0].gp == 1037);
    EXPECT_STREQ(info[0].location, get_gplace(10105));
    EXPECT_EQ(info[0].in_fight[2], -2) << "Elizabeth's portrait in Runhon's place";
    EXPECT_EQ(info[2].in_fight[2], -1);

    // The cursor is still on slot 3; Down wraps to slot 1; Esc leaves.
    clear_to_color(screen, makecol(40, 90, 40));
    auto pick = [](int saving) { return [saving] { return do_menu_file_pick(saving); }; };
    EXPECT_EQ(scripted("wait 100ms\ntap Down\nwait 100ms\nshot save_picker\ntap Esc\n", pick(TRUE)), nullptr);
    EXPECT_TRUE(is_rgb(getpixel(buffer, 160, 27), 0, 0, 20, 20)) << "slot 1 solid under the cursor";
    EXPECT_TRUE(is_rgb(getpixel(buffer, 160, 129), 20, 45, 20, 12)) << "slot 3 half over the background";
    // Elizabeth stands third in slot 1: drawing her there again changes nothing, Runhon would.
    auto redraw_changes = [](RLE_SPRITE* who) {
        BITMAP* copy = create_bitmap(320, 240);
        blit(buffer, copy, 0, 0, 0, 0, 320, 240);
        draw_rle_sprite(copy, who, 51, 43);
        int changed = 0;
        for (int y = 43; y < 43 + who->h; y++)
            for (int x = 51; x < 51 + who->w; x++) changed += getpixel(copy, x, y) != getpixel(buffer, x, y);
        destroy_bitmap(copy);
        return changed;
    };
    EXPECT_EQ(redraw_changes(ftelizabeth->a), 0);
    EXPECT_GT(redraw_changes(ftrunhon->a), 0);

    // Loading reads an empty slot without asking, and the cursor opens where it was left.
    EXPECT_STREQ(scripted(PICK, pick(FALSE)), "f1.vtr");
    EXPECT_STREQ(scripted("wait 100ms\ntap Down\ntap Enter\n", pick(FALSE)), "f2.vtr");
    EXPECT_STREQ(scripted(PICK, pick(TRUE)), "f2.vtr") << "an empty slot is saved into without a question";

    // Doubled display: drawn over the shrunk picture and shown at twice the size.
    DoubledDisplay big;
    clear_to_color(screen, makecol(40, 90, 40));
    EXPECT_EQ(scripted("wait 100ms\ntap Esc\n", pick(FALSE)), nullptr);
    EXPECT_TRUE(is_rgb(getpixel(screen, 70, 2 * 76 + 20), 255, 255, 255, 0))
        << "slot 2's left edge at twice x 35";
    EXPECT_EQ(getpixel(screen, 10, 10), makecol(40, 90, 40));
}
