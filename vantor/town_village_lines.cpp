// Everything said in Lumin Village. "_" breaks a line; a window holds three
// lines of about 36 characters. Rows are picked by map, person and the
// village's story phase (town_village_lines.h); the first row that fits wins.
#include "town_village_lines.h"

// clang-format off
const village_talk_row village_talks[] = {
    // ---- outdoors (101) ----
    // 1: the gate guard (the magic question after the alarm is asked in code)
    {101, 1, VP_ANY, {"Lumin Soldier:  Hey, Mike.  How's your quest going?"}},

    // 2: the other gate guard, young and trying not to show it
    {101, 2, VP_HOMECOMING,
     {"Lumin Soldier:  You were AT the bridge?_What are they like, the Drakians?",
      "Mike:  Loud.  And there were a lot_of them.",
      "Lumin Soldier:  ...I was hoping you'd say_small and polite."}},
    {101, 2, VP_ERRAND,
     {"Lumin Soldier:  Word is the king gave you_an errand.  Lucky.  All I get to_guard is this gate."}},
    {101, 2, VP_ON_THE_ROAD,
     {"Lumin Soldier:  Agual is south-east, past_the farms.  Follow the road and_keep the river on your left."}},
    {101, 2, VP_ALARM,
     {"Lumin Soldier:  Nobody gets past this gate_without a fight.  Nobody.",
      "Lumin Soldier:  ...Except you, Mike._Go on through."}},

    // 3: the man by the square (his three lines are the village's mood)
    {101, 3, VP_HOMECOMING, {"Man:  Shouldn't you be getting_to the castle to meet_the king?"}},
    {101, 3, VP_ERRAND,
     {"Man:  The king sent for you himself?_Then it's worse out there than_they're telling us."}},
    {101, 3, VP_ON_THE_ROAD, {"Man:  Good luck in Agual, Mike!"}},
    {101, 3, VP_ALARM, {"Man:  How could this happen.."}},

    // 4: the baker's wife
    {101, 4, VP_HOMECOMING,
     {"Woman:  Mike!  You look half-starved._Fighting is hungry work.",
      "Woman:  The inn will patch you up_for 25 gold.  A good night's sleep_mends what potions can't."}},
    {101, 4, VP_ERRAND,
     {"Woman:  I've baked enough for an army._Then I remembered we haven't_got one to spare.",
      "Woman:  Take care of Charlie.  He eats_like two soldiers and fights like_one and a half."}},
    {101, 4, VP_ON_THE_ROAD,
     {"Woman:  Even the fallen get up again_after a night at the inn._Don't you ever forget that."}},
    {101, 4, VP_ALARM,
     {"Woman:  I've closed the oven.  If those_soldiers come here, they'll find_nothing warm to eat."}},

    // 5: old Bram, who fought in the last war and tells it right
    {101, 5, VP_HOMECOMING,
     {"Old Man:  In my day the quick man won._A fight waits for nobody, lad.",
      "Old Man:  The faster you are, the sooner_your turn comes round again._Agility, that's the secret."}},
    {101, 5, VP_ERRAND,
     {"Old Man:  Poison won't kill you on the_road, only weaken you.  But in a_fight it'll bite to the bone.",
      "Old Man:  Carry an Aloe Drink.  Or two."}},
    {101, 5, VP_ON_THE_ROAD,
     {"Old Man:  A Smoke Bomb gets you out of_most scrapes.  Not all.  Some foes_won't let you go so easily."}},
    {101, 5, VP_ALARM,
     {"Old Man:  I'd pick up my old sword, but_it's been holding up the henhouse_for twenty years."}},

    // 6: a girl at the fountain
    {101, 6, VP_HOMECOMING,
     {"Girl:  I threw a coin in the fountain_and wished that the bridge would_be ours again.",
      "Girl:  It was my best coin."}},
    {101, 6, VP_ERRAND,
     {"Girl:  Are you a knight now?_You don't look like a knight._Knights have horses."}},
    {101, 6, VP_ON_THE_ROAD,
     {"Girl:  Bring me a shell from Agual!_A pink one.  Not a broken one."}},
    {101, 6, VP_ALARM, {"Girl:  Mama says I have to stay inside_soon.  I'm saying goodbye to the_fountain."}},

    // 7: the boy whose father was at the bridge
    {101, 7, VP_ANY, {"Boy:  Why isn't my daddy back_from the bridge yet?", "Mike:  ..."}},

    // 8: the seamstress, who hears everything
    {101, 8, VP_HOMECOMING,
     {"Woman:  Two chests stand in the old_storage room, and only one of them_opens without its key.",
      "Woman:  Not that I've tried.  Much."}},
    {101, 8, VP_ERRAND,
     {"Woman:  A chest you've opened stays open,_Mike.  No use looking twice.",
      "Woman:  The same goes for pockets, pots_and barrels.  Look once, look well."}},
    {101, 8, VP_ON_THE_ROAD,
     {"Woman:  The battle item shop by the_castle road sells Blade Shine._Half again as strong for a while."}},
    {101, 8, VP_ALARM, {"Woman:  Everyone's sewing sandbags now._I never thought I'd miss hemming_curtains."}},

    // 9: the farmer from the east fields
    {101, 9, VP_HOMECOMING,
     {"Man:  My cows won't go near the river_since the bridge fell.  Cows know_things, Mike."}},
    {101, 9, VP_ERRAND,
     {"Man:  Off somewhere, are you?  Take_the Glow Dust if you find any._A mage can't cast on an empty head."}},
    {101, 9, VP_ON_THE_ROAD,
     {"Man:  South-east, then.  It rains half_the year in Agual.  The other half_it's thinking about it."}},
    {101, 9, VP_ALARM, {"Man:  Drakians or no Drakians, the cows_still need milking.  Go on, Mike._We'll hold things here."}},

    // ---- the long house (10106): Grandma Wren and her granddaughter ----
    {10106, 10, VP_HOMECOMING,
     {"Grandma:  Mike, dear, sit down a moment._...No?  Always running, you boys.",
      "Grandma:  When I was a girl the Drakians_were a story to frighten children._Now look."}},
    {10106, 10, VP_ERRAND,
     {"Grandma:  The king trusts you.  Good._Now trust your friends, and eat_something before you go."}},
    {10106, 10, VP_ON_THE_ROAD,
     {"Grandma:  Knitted you a scarf.  It came_out as a sock.  Take it anyway."}},
    {10106, 10, VP_ALARM, {"Grandma:  I've lived through one war._I'll thank them not to make me_live through another."}},
    {10106, 11, VP_ANY,
     {"Girl:  Grandma says the front door sticks,_so we use both doors.  The back one_is for cats and heroes."}},

    // ---- the miller's house (10108) ----
    {10108, 10, VP_HOMECOMING,
     {"Miller:  Light Stones heal the whole party_at once.  Cost more than potions,_but you can't argue with that."}},
    {10108, 10, VP_ERRAND,
     {"Miller:  Help yourself to what's in the_chest, Mike.  The king's business is_everybody's business tonight."}},
    {10108, 10, VP_ON_THE_ROAD,
     {"Miller:  Stones ground, flour bagged, and_still no news.  Come back safe, you_hear?"}},
    {10108, 10, VP_ALARM, {"Miller:  If they come for the mill, they'll_get a face full of flour.  It's_what I've got."}},

    // ---- the soldier's family (10109): the boy's mother ----
    {10109, 10, VP_HOMECOMING,
     {"Woman:  Mike...  You were at the bridge._Did you see my husband?",
      "Mike:  ...It was dark.  Everything_happened so fast.",
      "Woman:  He'll be back.  He always comes_back.  I keep his soup warm."}},
    {10109, 10, VP_ERRAND,
     {"Woman:  If you pass the bridge, Mike,_look for a soldier with a red scarf._I knitted it too long."}},
    {10109, 10, VP_ON_THE_ROAD,
     {"Woman:  The boy asks every hour.  I tell_him his father is very busy being_brave."}},
    {10109, 10, VP_ALARM, {"Woman:  Whatever happens, Mike, thank you_for going.  Somebody has to."}},
};
// clang-format on
const int village_talk_count = (int)(sizeof village_talks / sizeof village_talks[0]);

const char* const village_magic_question = "Lumin Soldier:  Have you learned any_magic spells yet?";
const char* const village_magic_not_yet = "Mike:  No, not yet";
const char* const village_magic_yes[] = {
    "Mike:  Yes, I have",
    "Lumin Soldier:  Then mind the elements:_Water, Earth, Fire, Air, Light_and Darkness.",
    "Lumin Soldier:  Strike a foe with the_element he is weak to, and it_hurts him three times over.",
    "Lumin Soldier:  But cast his own element_at him, and he will absorb it instead!",
    "Mike: Thank you for your help",
    nullptr,
};

const char* const village_recovery_greeting = "Clerk:  Welcome!  Take your time..";
const char* const village_arms_greeting = "Clerk:  We don't have much but_you are free to look around.";
const char* const village_attire_greeting = "Clerk:  Want new Attire?";
const char* const village_battle_greeting = "Clerk:  Take a look at my state_of the art battle items!";
const char* const village_inn_question = "Hello, Mike!  Will you be staying?_It costs 25 Gold a night.";
const char* const village_inn_assignment = "Hello, Mike!  I heard about your_assignment.";
const char* const village_inn_on_the_house = "Tonight's stay is on the house!";
