// Everything the people of Mystalia say. Mystalia sits where the grass gives
// out and the sand begins; its people trade, tell fortunes, and keep their
// doors shut against the wind and, lately, against their strange neighbour.
// Once he is gone, the traveller at the inn tells the party the way into the
// Sand Garden, and the town talks of little else.
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

const int UNEASY = MY_UNEASY, QUIET = MY_QUIET, TOLD = MY_TOLD, ALWAYS = MY_ALWAYS;
const int AFTER = QUIET | TOLD;

} // namespace

// clang-format off
const town_talk mystalia_talks[] = {
    // ---- the street ----
    {104, 1, UNEASY, {"Trader:  Welcome to Mystalia, last_stop before the sand!  Water,_shade and honest prices.",
                      "Well.  Shade and prices."}},
    {104, 1, AFTER, {"Trader:  The dark house has gone_quiet.  Good for business._Bad for gossip."}},
    {104, 2, UNEASY, {"Fortune Teller:  I see a long road,_a great battle and... sand in_your boots.  Ten gold, please.",
                      "Mike:  I didn't ask.",
                      "Fortune Teller:  That one's free,_then."}},
    {104, 2, QUIET, {"Fortune Teller:  The stranger left_no future behind him.  I looked._That frightens me more."}},
    {104, 2, TOLD, {"Fortune Teller:  I see sand.  Lots_of sand.  And a rock with a very_bad temper.",
                    "Mike:  I still didn't ask.",
                    "Fortune Teller:  I know, dear.  That_one's free as well."}},
    {104, 3, UNEASY, {"Old Man:  The scholar's house, south_of the plaza.  Lights at night,_green ones.  He never came out.",
                      "Somebody else is in there now._Somebody who doesn't sleep."}},
    {104, 3, QUIET, {"Old Man:  You went in there?  And_came out?  Sit down, son, you're_whiter than the sand."}},
    {104, 3, TOLD, {"Old Man:  The Sand Garden, is it?_The scholar went down there every_spring.  Came back quieter.",
                    "He said the stones down there_remember being a mountain.  I_never knew what he meant."}},
    {104, 4, UNEASY, {"Girl:  The Sand Garden is south of_here.  The sand moves there._It moves like it's breathing.",
                      "Grandpa says never go in without_a healer.  And water.  Lots."}},
    {104, 4, QUIET, {"Girl:  If you go to the Sand Garden,_bring me a flower?  A real one._Not a cactus."}},
    {104, 4, TOLD, {"Girl:  The traveller told you the_way down?  Then you're really going!",
                    "Bring me the flower from the very_bottom.  The biggest one.",
                    "Mike:  (The traveller said the one_at the bottom bites.)"}},

    // ---- room 1: the potter ----
    {10401, 10, UNEASY, {"Potter:  Every pot in this house_holds water.  In Mystalia that's_how you count your money."}},
    {10401, 10, AFTER, {"Potter:  I'm making a pot for the_scholar's grave.  Nobody has_found him, though.  Not yet."}},
    {10401, 11, ALWAYS, {"Boy:  A pot that falls on sand_doesn't break!  I've checked._Seven times."}},

    // ---- room 2: a guest at the inn, who has been where the party must go ----
    {10402, 11, UNEASY, {"Traveller:  I crossed the Sand_Garden once.  Mad Knights, sand_worms, and rocks that walk.",
                         "Bring something that hits hard,_and someone who heals."}},
    // Once the stranger is gone he tells them the way in.
    {10402, 11, QUIET, {"Traveller:  You went into the dark_house and walked out again?  Then_you're going south.  I can tell.",
                        "Mike:  To the Sand Garden.  You_crossed it once.  How do we get in?",
                        "Traveller:  Out of the gate, west to_the sand path, and follow it south._It ends in a cave: the way in.",
                        "Inside it's sand and broken stone,_court after court, all the way_south to the heart of it.",
                        "Charlie:  And what lives down there?_Tell me it's only sand worms.",
                        "Traveller:  Worms, yes.  And the_garden's old guards, asleep under_the sand in their armour.",
                        "At the far end grows a plant that_doesn't like company.  Don't touch_it.  I touched it.",
                        "And in the old court, walk softly._The stones there... I swear one_of them breathed.",
                        "Pick the herbs between the stones._Green cures what ails you.  Red_burns whatever you throw it at.",
                        "Mike:  (Knights in the sand, a plant_that bites, stones that breathe._And we're going anyway.)",
                        "Traveller:  Keep your healer behind_you.  And come back and tell me I_made it all up."}, 18},
    {10402, 11, TOLD, {"Traveller:  The sand path south, the_cave, and don't touch the plant._Go on.  I'll keep your beds warm."}},

    // ---- room 5: the lamp maker ----
    {10405, 10, UNEASY, {"Lamp Maker:  The scholar bought oil_from me every week.  Then the_stranger came.  No more orders."}},
    {10405, 10, AFTER, {"Lamp Maker:  Light every lamp you_have, son.  Whatever he was,_he did not like the light."}},
    {10405, 11, ALWAYS, {"Girl:  Grandpa's lamps burn all_night.  I can read in bed._Don't tell him."}},

    // ---- room 6: the angry man ----
    {10406, 11, ALWAYS, {"Angry Man:  What are you doing in my house!?", "GET OUT!"}},
};
// clang-format on
const int mystalia_talk_count = (int)(sizeof mystalia_talks / sizeof mystalia_talks[0]);
