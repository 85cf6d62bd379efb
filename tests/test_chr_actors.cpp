// The walking actors of chrctrs.dat: every actor of the game's table must find
// eight usable 16 x 16 frames at its numbers, each actor must look like
// itself, and the file must stay behind its password.
#include "harness.h"
#include <allegro.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct TableActor {
    const char* name;
    int first;
};

// The actors the game creates at start, with the first of their eight frames.
const TableActor kTable[] = {
    {"mike", 221}, {"elizabeth", 46}, {"ian", 172}, {"runhon", 269}, {"charlie", 13},
    {"lumin_soldier", 202}, {"drakian_soldier", 38},
    {"townsman_01", 408}, {"townsman_02", 416}, {"townsman_03", 424}, {"townsman_04", 432},
    {"townsman_05", 440}, {"townsman_06", 448}, {"townsman_07", 456}, {"townsman_08", 464},
    {"townswoman_01", 472}, {"townswoman_02", 480}, {"townswoman_03", 488}, {"townswoman_04", 496},
    {"townsboy_01", 368}, {"townsboy_02", 376}, {"townsboy_03", 384},
    {"townsgirl_01", 392}, {"townsgirl_02", 400},
    {"old_townsman_01", 237}, {"old_townsman_02", 245}, {"old_townswoman_01", 253}, {"old_townswoman_02", 261},
    {"townclerk_01", 360}, {"chef", 21}, {"nurse", 229}, {"scientist_01", 277}, {"scientist_02", 285},
    {"merlon", 212}, {"lumin_king", 193}, {"cmangler", 29}, {"cmadknight", 210},
    {"young_mike", 580}, {"young_ian", 572},
};
// The barghest only ever walks away from the camera: its two up frames.
const int kBarghestUp[2] = {4, 5};
const char* const kFrameName[8] = {"down a", "down b", "left a", "left b", "right a", "right b", "up a", "up b"};

using Pixels = std::vector<int>;   // 16 x 16 colours, -1 where transparent

DATAFILE* g_chr = nullptr;

void start_library() { headless_library_start(); }

std::string chr_path() { return std::string(VANTOR_DATA_DIR) + "/chrctrs.dat"; }

class ChrActors : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        start_library();
        packfile_password("quorl52");
        g_chr = load_datafile(chr_path().c_str());
        packfile_password(NULL);
    }
    void SetUp() override { ASSERT_NE(g_chr, nullptr) << "cannot load " << chr_path(); }

    static int count()
    {
        int n = 0;
        while (g_chr[n].type != DAT_END) n++;
        return n;
    }
    // The sprite at a number, or null when the number is missing or not a sprite.
    static RLE_SPRITE* sprite(int n)
    {
        if (n < 0 || n >= count() || g_chr[n].type != DAT_RLE_SPRITE) return nullptr;
        return static_cast<RLE_SPRITE*>(g_chr[n].dat);
    }
    static Pixels pixels(int n)
    {
        Pixels px;
        RLE_SPRITE* s = sprite(n);
        if (!s) return px;
        BITMAP* b = create_bitmap_ex(16, s->w, s->h);
        int mask = makecol16(255, 0, 255);
        clear_to_color(b, mask);
        draw_rle_sprite(b, s, 0, 0);
        for (int y = 0; y < b->h; y++)
            for (int x = 0; x < b->w; x++) {
                int c = getpixel(b, x, y);
                px.push_back(c == mask ? -1 : c);
            }
        destroy_bitmap(b);
        return px;
    }
    static std::vector<Pixels> frames(const TableActor& a)
    {
        std::vector<Pixels> f;
        for (int i = 0; i < 8; i++) f.push_back(pixels(a.first + i));
        return f;
    }
};

TEST_F(ChrActors, EveryFrameOfTheTableIsA16x16SpriteWithATransparentBackground)
{
    std::vector<int> numbers(kBarghestUp, kBarghestUp + 2);
    for (auto& a : kTable)
        for (int i = 0; i < 8; i++) numbers.push_back(a.first + i);
    for (int n : numbers) {
        RLE_SPRITE* s = sprite(n);
        ASSERT_NE(s, nullptr) << "object " << n << " is not a run-length sprite";
        EXPECT_EQ(s->w, 16) << "object " << n;
        EXPECT_EQ(s->h, 16) << "object " << n;
        EXPECT_EQ(s->color_depth, 16) << "object " << n;
        Pixels px = pixels(n);
        int opaque = 0;
        for (int c : px) opaque += c >= 0;
        // A figure, not a blank and not a filled square.
        EXPECT_GT(opaque, 40) << "object " << n << " is nearly empty";
        EXPECT_LT(opaque, 230) << "object " << n << " has lost its mask";
        EXPECT_EQ(px[0], -1) << "object " << n << ": the corner should be see-through";
        // Actors stand on the bottom of their tile.
        bool grounded = false;
        for (int x = 0; x < 16; x++) grounded |= px[14 * 16 + x] >= 0 || px[15 * 16 + x] >= 0;
        EXPECT_TRUE(grounded) << "object " << n << " floats above its tile";
    }
}

TEST_F(ChrActors, EachActorWalksWithTwoStepsAndFacesFourWays)
{
    for (auto& a : kTable) {
        auto f = frames(a);
        for (int d = 0; d < 4; d++)
            EXPECT_NE(f[2 * d], f[2 * d + 1]) << a.name << ": " << kFrameName[2 * d] << " and b are the same";
        // Every standing direction looks different from the others.
        for (int d = 0; d < 4; d++)
            for (int e = d + 1; e < 4; e++)
                EXPECT_NE(f[2 * d], f[2 * e]) << a.name << ": " << kFrameName[2 * d] << " = " << kFrameName[2 * e];
    }
    EXPECT_NE(pixels(kBarghestUp[0]), pixels(kBarghestUp[1])) << "the barghest's two steps are the same";
}

// One actor's picture standing in for another's would put the wrong person in
// a scene; frames shared through overlapping numbers must be documented.
TEST_F(ChrActors, ActorsAreTellApartAndSharedFramesAreDocumented)
{
    const int n = sizeof kTable / sizeof kTable[0];
    for (int i = 0; i < n; i++)
        for (int j = i + 1; j < n; j++) {
            EXPECT_NE(pixels(kTable[i].first), pixels(kTable[j].first))
                << kTable[i].name << " and " << kTable[j].name << " look the same facing down";
            EXPECT_NE(frames(kTable[i]), frames(kTable[j])) << kTable[i].name << " and " << kTable[j].name;
        }

    std::ifstream in(std::string(VANTOR_SOURCE_DIR) + "/assets/manifest/chrctrs_actors.txt");
    ASSERT_TRUE(in) << "no actor manifest";
    std::map<int, std::string> line_of;
    std::string raw;
    while (std::getline(in, raw)) {
        std::istringstream ss(raw.substr(0, raw.find('#')));
        int num;
        if (ss >> num) line_of[num] = raw;
    }
    std::map<int, std::vector<std::string>> users;
    for (auto& a : kTable)
        for (int i = 0; i < 8; i++) users[a.first + i].push_back(a.name);
    for (int k : kBarghestUp) users[k].push_back("cbarghest");
    for (auto& u : users) {
        ASSERT_TRUE(line_of.count(u.first)) << "object " << u.first << " is not in the manifest";
        if (u.second.size() < 2) continue;
        for (auto& name : u.second)
            EXPECT_NE(line_of[u.first].find(name), std::string::npos)
                << "object " << u.first << " serves " << name << " but its manifest line does not say so";
    }
}

// The recipes place each actor; a recipe at the wrong number would draw one
// actor over another's frames.
TEST_F(ChrActors, RecipesStartWhereTheGameLooks)
{
    std::ifstream in(std::string(VANTOR_SOURCE_DIR) + "/assets/chr/actors/cast.txt");
    ASSERT_TRUE(in);
    std::map<std::string, int> at;
    std::string raw;
    while (std::getline(in, raw)) {
        std::istringstream ss(raw.substr(0, raw.find('#')));
        std::string word, name, kv;
        if (!(ss >> word >> name) || word != "actor") continue;
        while (ss >> kv)
            if (kv.rfind("at=", 0) == 0) at[name] = atoi(kv.c_str() + 3);
    }
    for (auto& a : kTable) {
        ASSERT_TRUE(at.count(a.name)) << a.name << " has no recipe";
        EXPECT_EQ(at[a.name], a.first) << a.name;
    }
    EXPECT_EQ(at["cbarghest"], kBarghestUp[0]);
}

TEST(ChrActorsFile, LoadsOnlyWithItsPassword)
{
    start_library();
    packfile_password(NULL);
    DATAFILE* d = load_datafile(chr_path().c_str());
    EXPECT_EQ(d, nullptr) << "chrctrs.dat opened without the password";
    if (d) unload_datafile(d);
    packfile_password("not-the-word");
    d = load_datafile(chr_path().c_str());
    packfile_password(NULL);
    EXPECT_EQ(d, nullptr) << "chrctrs.dat opened with a wrong password";
    if (d) unload_datafile(d);
}

} // namespace
