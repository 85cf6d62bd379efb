// Everything the people of Mystalia say. Mystalia sits where the grass gives
// out and the sand begins; its people trade, tell fortunes, and keep their
// doors shut against the wind and, lately, against their strange neighbour.
// "_" breaks a line; a window holds three lines of 36 characters.
#include "town2_lines.h"

const char* const mystalia_inn_offer = "Welcome to the Mystalia Inn._It costs 100 Gold a night._Grab a bed?";
const char* const mystalia_inn_morning =
    "Innkeeper:  Shake the sand out of_your boots before you go.  Everyone_forgets.  Everyone.";
const char* const mystalia_inn_refused =
    "Innkeeper:  The desert is cold at_night, friend.  Colder than my_prices.";

const char* const mystalia_shop_greetings[4] = {
    "Clerk:  Water is the first cure of_the desert.  These are the second.",
    "Clerk:  Bombs, balls and shine._Sand gets in everything, but_these still work.",
    "Clerk:  Steel from Lumin, jade from_the east, a rod that hums at_night.  Take your pick.",
    "Clerk:  Gear up before going into the Sand Garden",
};

const char* const mystalia_stranger_lines[] = {
    "Stranger:  ...Visitors.  How rude._Nobody knocks in this town.",
    "Mike:  Who are you?  The people here_say this house has gone dark.",
    "Stranger:  The old scholar kept a_book I wanted.  I have it now._You may leave.",
    "Charlie:  Mike, I don't like this._Look at his eyes.",
    "Stranger:  Still here?  Then learn_what it costs to stand in my way.",
    nullptr,
};

const char* const mystalia_after_fight_lines[] = {
    "Charlie:  He's gone...  Just gone._Like smoke.",
    "Mike:  He said something about dark_magic.  Whatever he wanted here,_he found it.",
    "Charlie:  Then we had better be_faster next time.",
    nullptr,
};

const char* const mystalia_after_lost_lines[] = {
    "(...The floor is cold.  The green_lamps are out.  Somewhere a door_bangs in the desert wind.)",
    "Charlie:  Mike?  Mike!  Oh, thank_goodness.  I thought he'd...",
    "Mike:  He could have finished us._He didn't even bother.  He took_the book and walked out.",
    "Charlie:  Then he thinks we're no_threat at all.  Let's get strong_enough to prove him wrong.",
    nullptr,
};

namespace {

const int UNEASY = MY_UNEASY, QUIET = MY_QUIET, ALWAYS = MY_ALWAYS;

} // namespace

// clang-format off
const town_talk mystalia_talks[] = {
    // ---- the street ----
    {104, 1, UNEASY, {"Trader:  Welcome to Mystalia, last_stop before the sand!  Water,_shade and honest prices.",
                      "Well.  Shade and prices."}},
    {104, 1, QUIET, {"Trader:  The dark house has gone_quiet.  Good for business._Bad for gossip."}},
    {104, 2, UNEASY, {"Fortune Teller:  I see a long road,_a great battle and... sand in_your boots.  Ten gold, please.",
                      "Mike:  I didn't ask.",
                      "Fortune Teller:  That one's free,_then."}},
    {104, 2, QUIET, {"Fortune Teller:  The stranger left_no future behind him.  I looked._That frightens me more."}},
    {104, 3, UNEASY, {"Old Man:  The scholar's house, south_of the plaza.  Lights at night,_green ones.  He never came out.",
                      "Somebody else is in there now._Somebody who doesn't sleep."}},
    {104, 3, QUIET, {"Old Man:  You went in there?  And_came out?  Sit down, son, you're_whiter than the sand."}},
    {104, 4, UNEASY, {"Girl:  The Sand Garden is south of_here.  The sand moves there._It moves like it's breathing.",
                      "Grandpa says never go in without_a healer.  And water.  Lots."}},
    {104, 4, QUIET, {"Girl:  If you go to the Sand Garden,_bring me a flower?  A real one._Not a cactus."}},

    // ---- room 1: the potter ----
    {10401, 10, UNEASY, {"Potter:  Every pot in this house_holds water.  In Mystalia that's_how you count your money."}},
    {10401, 10, QUIET, {"Potter:  I'm making a pot for the_scholar's grave.  Nobody has_found him, though.  Not yet."}},
    {10401, 11, ALWAYS, {"Boy:  A pot that falls on sand_doesn't break!  I've checked._Seven times."}},

    // ---- room 2: a guest at the inn ----
    {10402, 11, ALWAYS, {"Traveller:  I crossed the Sand_Garden once.  Mad Knights, sand_worms, and rocks that walk.",
                         "Bring something that hits hard,_and someone who heals."}},

    // ---- room 5: the lamp maker ----
    {10405, 10, UNEASY, {"Lamp Maker:  The scholar bought oil_from me every week.  Then the_stranger came.  No more orders."}},
    {10405, 10, QUIET, {"Lamp Maker:  Light every lamp you_have, son.  Whatever he was,_he did not like the light."}},
    {10405, 11, ALWAYS, {"Girl:  Grandpa's lamps burn all_night.  I can read in bed._Don't tell him."}},

    // ---- room 6: the angry man ----
    {10406, 11, ALWAYS, {"Angry Man:  What are you doing in my house!?", "GET OUT!"}},
};
// clang-format on
const int mystalia_talk_count = (int)(sizeof mystalia_talks / sizeof mystalia_talks[0]);
