// The walking actors of chrctrs.dat as the game's own records hold them after
// start-up: every actor has eight usable 16 x 16 frames, each actor looks like
// itself, and the file stays behind its password.
#include "harness.h"
#include "records.h"
#include "vantor.h"
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

struct Actor {
    const char* name; // as in the recipes of cast.txt
    character** who;  // the game's record, filled by init_variables
};

// Every actor the game creates at start; their frames are read from the records themselves.
// clang-format off
const Actor kActors[] = {
    {"mike", &mike}, {"elizabeth", &elizabeth}, {"ian", &ian}, {"runhon", &runhon}, {"charlie", &charlie},
    {"lumin_soldier", &lumin_soldier}, {"drakian_soldier", &drakian_soldier},
    {"townsman_01", &townsman_01}, {"townsman_02", &townsman_02}, {"townsman_03", &townsman_03},
    {"townsman_04", &townsman_04}, {"townsman_05", &townsman_05}, {"townsman_06", &townsman_06},
    {"townsman_07", &townsman_07}, {"townsman_08", &townsman_08},
    {"townswoman_01", &townswoman_01}, {"townswoman_02", &townswoman_02}, {"townswoman_03", &townswoman_03},
    {"townswoman_04", &townswoman_04},
    {"townsboy_01", &townsboy_01}, {"townsboy_02", &townsboy_02}, {"townsboy_03", &townsboy_03},
    {"townsgirl_01", &townsgirl_01}, {"townsgirl_02", &townsgirl_02},
    {"old_townsman_01", &old_townsman_01}, {"old_townsman_02", &old_townsman_02},
    {"old_townswoman_01", &old_townswoman_01}, {"old_townswoman_02", &old_townswoman_02},
    {"townclerk_01", &townclerk_01}, {"chef", &chef}, {"nurse", &nurse}, {"scientist_01", &scientist_01},
    {"scientist_02", &scientist_02}, {"merlon", &merlon}, {"lumin_king", &lumin_king}, {"cmangler", &cmangler},
    {"cmadknight", &cmadknight}, {"young_mike", &young_mike}, {"young_ian", &young_ian},
};
// clang-format on
const char* const kFrameName[8] = {"down a",  "down b",  "left a", "left b",
                                   "right a", "right b", "up a",   "up b"};

using Pixels = std::vector<int>; // 16 x 16 colours, -1 where transparent

std::string chr_path() { return std::string(VANTOR_DATA_DIR) + "/chrctrs.dat"; }

class ChrActors : public ::testing::Test {
protected:
    static void SetUpTestSuite() { headless_game_start(); }
    void SetUp() override { ASSERT_NE(characters, nullptr) << "cannot load " << chr_path(); }

    // The eight walking frames of a record, in the order create_character fills them.
    static std::vector<RLE_SPRITE*> sprites(const character* c)
    {
        return {c->dna, c->dnb, c->lta, c->ltb, c->rta, c->rtb, c->upa, c->upb};
    }
    // The object number a sprite was read from, -1 when it is none of the file's.
    static int number_of(const RLE_SPRITE* s)
    {
        for (int i = 0; s && characters[i].type != DAT_END; i++)
            if (characters[i].dat == s) return i;
        return -1;
    }
    static Pixels pixels(RLE_SPRITE* s)
    {
        Pixels px;
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
    static std::vector<Pixels> frames(const Actor& a)
    {
        std::vector<Pixels> f;
        for (RLE_SPRITE* s : sprites(*a.who)) f.push_back(pixels(s));
        return f;
    }
};

TEST_F(ChrActors, EveryFrameOfEveryActorIsA16x16SpriteWithATransparentBackground)
{
    std::vector<std::pair<std::string, RLE_SPRITE*>> all = {{"cbarghest up a", cbarghest->upa},
                                                            {"cbarghest up b", cbarghest->upb}};
    for (auto& a : kActors) {
        ASSERT_NE(*a.who, nullptr) << a.name << " was not created";
        auto s = sprites(*a.who);
        for (int i = 0; i < 8; i++) all.push_back({std::string(a.name) + " " + kFrameName[i], s[i]});
    }
    for (auto& [what, s] : all) {
        ASSERT_NE(s, nullptr) << what << " has no run-length sprite";
        EXPECT_EQ(s->w, 16) << what;
        EXPECT_EQ(s->h, 16) << what;
        EXPECT_EQ(s->color_depth, 16) << what;
        Pixels px = pixels(s);
        int opaque = 0;
        for (int c : px) opaque += c >= 0;
        // A figure, not a blank and not a filled square.
        EXPECT_GT(opaque, 40) << what << " is nearly empty";
        EXPECT_LT(opaque, 230) << what << " has lost its mask";
        EXPECT_EQ(px[0], -1) << what << ": the corner should be see-through";
        // Actors stand on the bottom of their tile.
        bool grounded = false;
        for (int x = 0; x < 16; x++) grounded |= px[14 * 16 + x] >= 0 || px[15 * 16 + x] >= 0;
        EXPECT_TRUE(grounded) << what << " floats above its tile";
    }
}

TEST_F(ChrActors, EachActorWalksWithTwoStepsAndFacesFourWays)
{
    for (auto& a : kActors) {
        auto f = frames(a);
        for (int d = 0; d < 4; d++)
            EXPECT_NE(f[2 * d], f[2 * d + 1]) << a.name << ": " << kFrameName[2 * d] << " and b are the same";
        // Every standing direction looks different from the others.
        for (int d = 0; d < 4; d++)
            for (int e = d + 1; e < 4; e++)
                EXPECT_NE(f[2 * d], f[2 * e])
                    << a.name << ": " << kFrameName[2 * d] << " = " << kFrameName[2 * e];
    }
    EXPECT_NE(pixels(cbarghest->upa), pixels(cbarghest->upb)) << "the barghest's two steps are the same";
}

// One actor's picture standing in for another's would put the wrong person in
// a scene; a frame shared through overlapping numbers says so in the manifest.
TEST_F(ChrActors, ActorsAreTellApartAndSharedFramesSayWhomTheyServe)
{
    const int n = sizeof kActors / sizeof kActors[0];
    for (int i = 0; i < n; i++)
        for (int j = i + 1; j < n; j++) {
            EXPECT_NE(pixels((*kActors[i].who)->dna), pixels((*kActors[j].who)->dna))
                << kActors[i].name << " and " << kActors[j].name << " look the same facing down";
            EXPECT_NE(frames(kActors[i]), frames(kActors[j]))
                << kActors[i].name << " and " << kActors[j].name;
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
    for (auto& a : kActors)
        for (RLE_SPRITE* s : sprites(*a.who)) users[number_of(s)].push_back(a.name);
    for (RLE_SPRITE* s : {cbarghest->upa, cbarghest->upb}) users[number_of(s)].push_back("cbarghest");
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
    for (auto& a : kActors) {
        ASSERT_TRUE(at.count(a.name)) << a.name << " has no recipe";
        EXPECT_EQ(at[a.name], number_of((*a.who)->dna)) << a.name;
    }
    EXPECT_EQ(at["cbarghest"], number_of(cbarghest->upa));
}

TEST(ChrActorsFile, LoadsOnlyWithItsPassword)
{
    headless_library_start();
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
