// Everything the people of Agual say. Agual is a fishing town where it has
// rained for as long as anyone remembers; its people are wry, damp and
// stubborn, and they do not much like being told what to do by Lumin.
// "_" breaks a line; a window holds three lines of 36 characters.
#include "town2_lines.h"

const char* const agual_inn_offer = "Welcome to the Agual Inn._It costs 50 Gold a night._Care to rest here?";
const char* const agual_inn_morning = "Innkeeper:  Morning!  Still raining._Mind the puddle on the stairs.";
const char* const agual_inn_refused = "Innkeeper:  Suit yourself.  The_puddles are free, at least.";

const char* const agual_shop_greetings[4] = {
    "Clerk:  Smoke, sparks and shine._Everything a careful fighter_needs!",
    "Clerk:  Potions, dust and aloe._Dry goods, mostly.  Ha!",
    "Clerk:  Blades forged by the sea._Oiled twice a day against rust.",
    "Clerk:  Vests that keep out a sword_and, some days, the rain.",
};

const char* const agual_rain_stops = "(The rain has stopped.)";

namespace {

const int SEEK = AG_SEEKING, WITH = AG_WITH_RUNHON, RALLY = AG_RALLIED, READY = AG_READY,
          NEWS = AG_AFTER_NEWS;
const int BEFORE = SEEK | WITH, AFTER = RALLY | READY | NEWS;

} // namespace

// clang-format off
const town_talk agual_talks[] = {
    // ---- the street, before the gathering: two souls brave the rain ----
    {103, 1, SEEK, {"Fisherman:  Lumin folk, by the look_of you.  Dry boots.  That won't_last here.",
                    "Runhon?  Big fellow, talks less_than a fish.  His house is east,_over the canal, by the north wall."}},
    {103, 1, WITH, {"Fisherman:  So Runhon's going with_you.  Well.  Bring him back._He owes me a net."}},
    {103, 2, SEEK, {"Lamp Lighter:  I light the lamps at_noon.  Nobody can tell the_difference in this weather.",
                    "They say the Drakians hold the_bridge now.  Is it true?",
                    "Mike:  ...It's true.",
                    "Lamp Lighter:  Then I'll light them_brighter tonight."}},
    {103, 2, WITH, {"Lamp Lighter:  The Aphondus Woods?_Keep to the paths.  The trees_there have long memories."}},

    // ---- the street, after Runhon's gathering: the whole town is out ----
    {103, 1, AFTER, {"Fisherman:  First time I've seen_the whole town in the rain_on purpose."}},
    {103, 2, AFTER, {"Lamp Lighter:  Every lamp in Agual_is lit.  Let the Drakians see_we are not asleep."}},
    {103, 3, AFTER, {"Old Sailor:  Forty years at sea and_Runhon makes me cry in a_puddle.  Fine speech, that."}},
    {103, 4, AFTER, {"Baker:  I'm baking for the militia._They eat like gulls.",
                     "Take a loaf?  No?  Your loss."}},
    {103, 5, AFTER, {"Smith:  I've beaten forty fish_hooks into arrowheads since_this morning.  Forty-one now."}},
    {103, 6, AFTER, {"Girl:  Mum says I'm too little to_fight.  So I'm the lookout._I look very hard."}},
    {103, 7, AFTER, {"Boy:  Is it true you fought a_whole army on the bridge?",
                     "Mike:  Not the whole army.",
                     "Boy:  Half an army, then!_Wait till I tell everyone."}},
    {103, 8, AFTER, {"Woman:  My husband is on the boats._If the Drakians come by river,_he'll see them first."}},
    {103, 9, AFTER, {"Old Woman:  Rain's a friend, dearie._No army ever marched well_through Agual mud."}},
    {103, 10, AFTER, {"Ferryman:  I've sunk my ferry rope_under the bridge.  Anyone who_crosses at night gets a bath."}},
    {103, 11, AFTER, {"Militia:  We drill at dawn on the_square.  Mostly we drill at_not slipping over."}},
    {103, 12, AFTER, {"Net Mender:  A net that holds fish_holds soldiers.  Just bigger_holes.  Well, smaller."}},
    {103, 13, AFTER, {"Man:  I said Runhon would never_leave his books.  I owe my_brother a week of chores."}},
    {103, 14, AFTER, {"Old Man:  I remember the last war._We won it.  Mostly by being_too wet to bother with."}},
    {103, 15, AFTER, {"Sailor:  Our boats can carry a_hundred soldiers up the coast_by night.  Tell your king."}},
    {103, 16, AFTER, {"Woman:  Fire spells dry your coat_too, you know.  Runhon's mother_told me that."}},
    {103, 17, AFTER, {"Girl:  I gave the militia my best_ribbon.  For a flag.  It's blue,_like the canal on a good day."}},
    {103, 18, AFTER, {"Boy:  When I'm big I'll have a_sword like yours.  A bigger one._Maybe two."}},
    {103, 19, AFTER, {"Cooper:  Barrels for water, barrels_for arrows, barrels for hiding_in.  Business is good."}},
    {103, 20, AFTER, {"Militia:  Halt!  Who goes...  Oh,_it's you.  Sorry.  Practising."}},
    {103, 21, AFTER, {"Old Sailor:  A Drakian in full iron_on a wet quay?  I'd pay to watch_that.  Splash!"}},
    {103, 22, AFTER, {"Man:  I never liked Lumin much._Too dry.  But a neighbour is_a neighbour."}},
    {103, 23, AFTER, {"Woman:  My lad ran off to the_square to hear Runhon.  Came_back a soldier.  He's nine."}},
    {103, 24, AFTER, {"Fishwife:  Cod, eel, herring!_Eat well, Mike.  Heroes can't_fight on an empty belly."}},
    {103, 25, AFTER, {"Old Woman:  Weak to water, strong to_water... if a beast is made of_fire, soak it.  That's all."}},
    {103, 26, AFTER, {"Watchman:  Nothing on the west road_but rain.  Nothing on the east_road but more rain."}},
    {103, 27, AFTER, {"Boy:  Runhon let me hold his staff!_It hummed.  I think it likes me."}},
    // A few change their tune once the messenger has come.
    {103, 1, NEWS, {"Fisherman:  Bad news from Lumin?_Go.  Agual will hold its end."}},
    {103, 11, NEWS, {"Militia:  We heard.  The boats are_ready when your king wants them."}},
    {103, 15, NEWS, {"Sailor:  Tell the king the tide_turns at dusk.  So will we."}},
    {103, 28, NEWS, {"Runhon:  The militia can tell a_spear from a fishing rod now. Most_days. Go, Mike. Lumin needs you."}},

    // ---- room 1: the old fisherman and his wife ----
    {10301, 10, BEFORE, {"Old Fisherman:  Sixty years I've_fished that harbour.  Caught a_boot once.  Wore it.",
                         "Looking for Runhon?  East side,_north wall.  Knock loudly, he's_always got his nose in a book."}},
    {10301, 10, AFTER, {"Old Fisherman:  The lad made a_speech!  Runhon!  I'd have bet_my boat he'd never say ten words."}},
    {10301, 11, AG_ALWAYS, {"Old Woman:  Sit, sit.  Dry your_feet by the fire.  No?  Young_people are always in a hurry."}},

    // ---- room 2: guests at the inn ----
    {10302, 11, BEFORE, {"Merchant:  I came to sell umbrellas._Everyone here already has six._I should have brought sunshine."}},
    {10302, 11, AFTER, {"Merchant:  Sold out!  Turns out a_militia needs umbrellas too."}},
    {10302, 12, SEEK, {"Sailor:  The bridge taken, and the_king sends two boys to Agual?_...No offence.",
                       "Charlie:  Some taken."}},
    {10302, 12, WITH | AFTER, {"Sailor:  You've got Runhon now._Heh.  Maybe the king knew_what he was doing after all."}},

    // ---- room 4: a mother and her son ----
    {10304, 10, BEFORE, {"Mother:  The Drakians at the bridge?_Then they'll come down the river_next.  Heaven help us.",
                         "Help yourself to what's in the_chest, if it helps you stop them."}},
    {10304, 10, AFTER, {"Mother:  I keep the shutters closed_and the kettle on.  That's how_Agual goes to war."}},
    {10304, 11, AG_ALWAYS, {"Boy:  I'm not scared of Drakians._I'm scared of the eels under_the bridge.  They bite."}},

    // ---- rooms 5 and 6: the net mender and the boat builder ----
    {10305, 10, BEFORE, {"Net Mender:  Come through, the door_to next door is open.  We share_a stove and most arguments."}},
    {10305, 10, AFTER, {"Net Mender:  Nets for the harbour_mouth.  Nothing gets into Agual_that we don't want in."}},
    {10306, 10, BEFORE, {"Boat Builder:  A boat is a house_that learned to swim.  A house is_a boat that gave up."}},
    {10306, 10, AFTER, {"Boat Builder:  Every hull in Agual_is caulked and ready.  We'll row_the king's men ourselves."}},

    // ---- room 8: the harbour master ----
    {10308, 10, BEFORE, {"Harbour Master:  No boats out while_the Drakians sit on the river._Nothing moves without my word."}},
    // His word is what sends the party back to Lumin.
    {10308, 10, RALLY, {"Harbour Master:  So, Runhon has the_town behind him.  Then Agual gives_its word too.",
                        "Every boat in the harbour will_carry Lumin's soldiers up the_coast, behind the Drakian lines.",
                        "Go back to Lumin and tell your_king.  Quickly, before I think_better of it.",
                        "Mike:  Thank you, sir!"}, 13},
    {10308, 10, READY, {"Harbour Master:  What are you still_doing here?  Lumin, boy!  West,_out of the gate!"}},
    {10308, 10, NEWS, {"Harbour Master:  The boats wait on_your king's word.  Mind, I don't_wait forever."}},

    // ---- room 9: Runhon's family ----
    {10309, 10, SEEK, {"Runhon's Mother:  You want Runhon?_He's upstairs with his books._Go on up, he won't come down.",
                       "If he goes with you... bring him_home dry.  Well.  Bring him home."}},
    {10309, 10, WITH, {"Runhon's Mother:  Runhon, eat_something before you go!  And_you two as well, look at you."}},
    {10309, 10, AFTER, {"Runhon's Mother:  My son, making_speeches in the square.  His_father would have laughed."}},
    {10309, 11, AG_ALWAYS, {"Little Brother:  Runhon makes_sparks with his fingers!  Don't_tell Mum.  She thinks he reads."}},
};
// clang-format on
const int agual_talk_count = (int)(sizeof agual_talks / sizeof agual_talks[0]);
