// The castle's words. "_" breaks a line; a window holds three lines of about
// 36 letters. Each conversation has four versions, one for each stage of the
// story (before the council, the mission given, on the road south, Elizabeth
// with the party); a version may run over several windows.
#include "town_castle_lines.h"

// ---------------------------------------------------------------- the gate hall

castle_talk_text gate_guard_west = {
    {"Guard:  Mike! You made it back_from the bridge. The council_waits in the audience hall.",
     "Guard:  Up the gallery and through_the north arch. Stand up straight._Merlon notices things."},
    {"Guard:  Agual, is it? Sleep at the_village inn first. The road_southeast is a long one."},
    {"Guard:  Back already? Mind the_Aphondus Woods. The paths in_there don't stay put."},
    {"Guard:  Elizabeth goes with you?_Good. She's braver than the whole_gate watch, and better company."},
};

// clang-format off
castle_talk_text gate_guard_east = {
    {"Guard:  They say the Drakians came_over the bridge like a flood._Is it true?", "Mike:  ...",
     "Guard:  Right. Don't tell the cook._She'll want to go and fight them."},
    {"Guard:  If you meet a Drakian, give_him my regards.", "Guard:  With a sword."},
    {"Guard:  Quiet at the gate. Too quiet._I've counted the flagstones twice._There are three hundred and six."},
    {"Guard:  Mystalia lies south, at the_edge of the desert. Buy water._Then buy more water."},
};
// clang-format on

castle_talk_text gate_maid = {
    {"Maid:  Mind the carpet, I've only_just beaten it. Oh! Mike!_Is it true about the bridge?"},
    {"Maid:  The king gave you gold? Spend_some on potions. A potion is_cheaper than a bandage."},
    {"Maid:  Nobody feasts in the great hall_since the bridge fell. The cook_just stirs the soup and sighs."},
    {"Maid:  Come home safe, all of you._I'll keep the carpet clean for_when you march in."},
};

// ---------------------------------------------------------------- the infirmary

castle_talk_text healer_greeting = {
    {"Healer:  Mike! You're bleeding on my_clean floor. Hold still.."},
    {"Healer:  Off on the king's errand?_Not with those scratches._There.."},
    {"Healer:  Back again? Sit. Breathe._This won't sting. Much.."},
    {"Healer:  All of you, in a row._Elizabeth, you're next. Good.._Better.."},
};
const char* const healer_fallen =
    "Healer:  I mend wounds; I can't wake_the fallen. A Viver will, or a_night's sleep at an inn.";
const char* const hp_restored = "HP Restored!";

castle_talk_text wounded_soldier = {
    {"Soldier:  Mike.. you held the bridge_longer than any of us did._I saw you.",
     "Soldier:  Tell the king they have_more than soldiers. Something big_walked behind them."},
    {"Soldier:  A word from a man in bed:_when a big blow is coming,_defend. It halves the hurt."},
    {"Soldier:  The healer says I'll walk_by spring. I say by Tuesday._We have a bet."},
    {"Soldier:  Bring back good news. I've_counted every crack in this_ceiling. There are forty."},
};

castle_talk_text old_patient = {
    {"Old Man:  I was at the bridge in my_day too, you know. The Drakians_were shorter then."},
    {"Old Man:  In my day we read the_history books in the library._All seventeen. Twice."},
    {"Old Man:  Heal up before you go,_boy. The healer's free. The_gravedigger isn't."},
    {"Old Man:  Elizabeth! You've grown._Everybody's grown. I've_shrunk."},
};

// ---------------------------------------------------------------- the barracks

castle_talk_text soup_soldier = {
    {"Soldier:  Sit down, Mike. There's_soup.", "Soldier:  There is always soup."},
    {"Soldier:  Orders came down: you and_Charlie go southeast. Lucky you._We get more soup."},
    {"Soldier:  Cards? No? The king's gold_is safer with you anyway."},
    {"Soldier:  The whole barracks has bet_on you. Don't lose me my boots."},
};

castle_talk_text armor_soldier = {
    {"Soldier:  Armor stops a blade, but a_spell goes straight through it._Deal with the casters first."},
    {"Soldier:  Wear what you can afford._Cheap armor is still armor,_and it's cheaper than a hole."},
    {"Soldier:  A Rock Vest, now: lovely_against stone beasts, useless_against the beasts of the air."},
    {"Soldier:  Armor stops a blade, but a_spell goes straight through it._Deal with the casters first."},
};

castle_talk_text clock_soldier = {
    {"Soldier:  Quick fighters get their_turn more often. Slow ones hit_harder, or so they tell me."},
    {"Soldier:  Time stands still while_you choose your move. So choose_well, not fast."},
    {"Soldier:  A smoke bomb gets you out_of most fights. Not the big_ones. Never the big ones."},
    {"Soldier:  A Glass Ball turns every_blow into a scratch. For a_while. Use the while."},
};

// ---------------------------------------------------------------- the library

castle_talk_text librarian = {
    {"Librarian:  Welcome to the royal_library. Read anything you like._Put everything back.",
     "Librarian:  Face a shelf and press_to read. Lumin's history runs_along the long shelf."},
    {"Librarian:  The books of magic and_war are on the short shelf._Soldiers never read them."},
    {"Librarian:  That dark case behind the_candles? We don't lend it. We_don't dust it, either."},
    {"Librarian:  Crystan? Second shelf._Sixth book. Mind the spine,_it's older than I am."},
};

castle_talk_text young_reader = {
    {"Girl:  Shh! I'm reading about_Crystan. A whole town, gone!_Under the sand!"},
    {"Girl:  Did you know a spell shows_its colour when it's cast? Red_for fire, green for earth.."},
    {"Girl:  The atlas has the whole world_in it. I found my house._It's a dot."},
    {"Girl:  You're going to the Sand_Garden? Bring me a crystal._A small one. A big one."},
};

// ---------------------------------------------------------------- the throne room

castle_talk_text king_on_throne = {
    {"King:  Mike. Merlon will bring you_before the council. Go to the_audience hall, son."},
    {"King:  Southeast to Agual, Mike._I need to know who leads them._I cannot fight a shadow."},
    {"King:  Each day they hold the bridge_they grow bolder. I wish I knew_what they want with us."},
    {"King:  Keep Elizabeth safe, and let_her keep you safe. Lumin wants_you all home again."},
};

castle_talk_text merlon_at_court = {
    {"Merlon:  Patience. The council_meets in the hall below."},
    {"Merlon:  Learn your spells. A creature_weak to an element takes three_times the harm from it.",
     "Merlon:  But one strong in that_element drinks the spell and is_healed. Look before you cast."},
    {"Merlon:  The library has a book on_every matter. Most of them are_even correct."},
    {"Merlon:  In the Sand Garden the_stone beasts feed on earth magic._Bring water, or a good blade."},
};

castle_talk_text royal_guard_west = {
    {"Royal Guard:  ..."},
    {"Royal Guard:  We are not allowed to_talk on duty."},
    {"Royal Guard:  We are still not_allowed to talk on duty."},
    {"Royal Guard:  (He winks.)"},
};

castle_talk_text royal_guard_east = {
    {"Royal Guard:  Move along, please."},
    {"Royal Guard:  Good luck, Mike._Don't tell the captain I said so."},
    {"Royal Guard:  The king hasn't slept_since the bridge. Neither_have we."},
    {"Royal Guard:  Go well, all of you."},
};

// ---------------------------------------------------------------- the council chamber

castle_talk_text chancellor = {
    {"Chancellor:  The council sits below_today. These are my figures._Don't touch the figures."},
    {"Chancellor:  Five hundred gold from_the treasury. Do try to bring_some of it back."},
    {"Chancellor:  Our maps of the south_are three hundred years old._The roads may have moved."},
    {"Chancellor:  The council has voted._We are very worried. It was_unanimous."},
};

castle_talk_text old_general = {
    {"General:  When I was your age we held_that bridge for nine days. Read_the history of 856."},
    {"General:  Never march with an empty_bag. Potions first, pride_second."},
    {"General:  A night at an inn wakes_the whole company, even the_ones who fell. Remember it."},
    {"General:  Creatures of stone shrug off_earth magic. Wet them. Water_cracks what earth won't."},
};

// Mike's thought over his head in the audience hall while the council will not sit for
// him: before his first spell it does not.
const char* const council_not_yet = "(Not till I know a spell...)";

// ---------------------------------------------------------------- the history of Lumin

const char* const history_1[] = {
    "      -Lumin History, Year 323-_Settlers from the north build a_rope bridge over the river.",
    "They keep fires burning on the near_bank every night so travellers_can find the crossing.",
    "The travellers call the place Lumin,_the lit shore. The name stays._So do the travellers.", nullptr};
const char* const history_2[] = {
    "      -Lumin History, Year 410-_The bridge is rebuilt in stone,_with a toll of one copper a cart.",
    "Whoever holds the bridge holds the_only road between the north and_the south. Everyone notices.",
    nullptr};
const char* const history_3[] = {
    "      -Lumin History, Year 488-_King Oswin the First raises a_castle on the hill by the bridge.",
    "He also founds this library. It_holds three books, all of them_about cattle.", nullptr};
const char* const history_4[] = {
    "      -Lumin History, Year 561-_Agual on the rainy coast and_Mystalia by the desert join Lumin.",
    "Agual sends fish. Mystalia sends_glass. Lumin sends soldiers to_guard the roads between them.", nullptr};
const char* const history_5[] = {
    "      -Lumin History, Year 640-_The mages of Crystan teach our_soldiers the first battle spells.",
    "Every spell spends the caster's_strength of mind. When it is gone,_the mage must rest or drink.",
    nullptr};
const char* const history_6[] = {
    "      -Lumin History, Year 702-_The great flood. The harbour walls_of Agual hold, just.",
    "The people of Agual have kept their_feet wet and their spirits dry_ever since.", nullptr};
const char* const history_7[] = {
    "      -Lumin History, Year 789-_Crystan is gone. Travellers find_only sand where the town stood.",
    "Where the roads to Crystan ended,_the Sand Garden begins. Nobody_planted it.", nullptr};
const char* const history_8[] = {
    "      -Lumin History, Year 856-_The first Drakian army crosses_the northern river.",
    "The bridge garrison holds for nine_days. Queen Maren has the tired_Drakians fed and sent home.",
    "They do not come back for a very_long time. Historians still argue_whether it was the soup.", nullptr};
const char* const history_9[] = {
    "      -Lumin History, Year 930-_The Aphondus Woods are closed by_royal order.",
    "The woodcutters of that year come_back saying the paths moved while_they slept.", nullptr};
const char* const history_10[] = {
    "      -Lumin History, Year 1011-_The Year of Two Winters. The_great hall feeds the whole village.",
    "The long tables in the great hall_were built that year. They have_held up better than the roof.",
    nullptr};
const char* const history_11[] = {
    "      -Lumin History, Year 1120-_King Lothar the Bookish doubles_this library.",
    "He decrees that every book be put_back within the year. The decree_is still in force.",
    "(In the margin, in a neat hand:_Still.)", nullptr};
const char* const history_12[] = {
    "      -Lumin History, Year 1234-_The Treaty of the Bridge. Lumin_and Drakia agree on a border.",
    "The river is the border; the bridge_belongs to no army. Both kings_sign. Both keep a copy.", nullptr};
const char* const history_13[] = {
    "      -Lumin History, Year 1387-_Clocks are set in every tower of_the castle.",
    "For the first time the whole castle_agrees what hour it is. The cooks_are the last to be told.",
    nullptr};
const char* const history_14[] = {
    "      -Lumin History, Year 1502-_Drakia crowns its first Warlord._Trade over the bridge stops.",
    "It starts again thirty years later,_when the Warlord's son finds he_likes Agual fish.", nullptr};
const char* const history_15[] = {
    "      -Lumin History, Year 1655-_Glow Dust is found in the hills_near Mystalia.",
    "Potions and dusts become cheap enough_for every soldier to carry some._Fewer soldiers are buried.",
    nullptr};
const char* const history_16[] = {
    "      -Lumin History, Year 1788-_A long peace. The bridge garrison_is cut to a handful of men.",
    "A report that Drakian soldiers are_gathering by the river reaches_the throne three months late.",
    "Nothing comes of it, that time._The report is filed here, under_Worries, Minor.", nullptr};
const char* const history_17[] = {"      -Lumin History, Year 1900-_This book is blank.....", nullptr};

// ---------------------------------------------------------------- the atlas and the magic book

const char* const atlas_pages[] = {
    "        -Lumin World Atlas-_Drawn by order of the king, and_corrected by order of the queen.", nullptr};
const char* const atlas_heading = "The Kingdom of Lumin";
const char* const atlas_names[] = {"Lumin Castle", "Lumin Village",  "Lumin Bridge", "Agual",
                                   "Mystalia",     "Aphondus Woods", "Sand Garden"};
const char* const atlas_you_are_here = "You are here";

const char* const magic_book_pages[] = {
    "          -Lumin Magic Book-_The clasp is shut fast, and there_is no keyhole.", nullptr};

// ---------------------------------------------------------------- the books of magic and war

const char* const magic_classes[] = {
    "          -Magic Classes-_There are six elements: Water,_Earth, Fire, Air, Light, Darkness.",
    "A spell shows its element as it is_cast: blue for water, green for_earth, red for fire,",
    "pale blue for air and white for_light. Darkness shows as no colour_at all, which is worse.",
    "A spell's power is its own. The_caster's sword does not make it_stronger, nor does her rod.", nullptr};
const char* const battle_strategy[] = {
    "         -Battle Strategy-_Each fighter waits for his time to_fill. The quick are ready sooner.",
    "While anyone acts, friend or foe,_time stands still. Nobody is hurt_for taking a moment to think.",
    "A fighter who defends takes half_the harm of a blow, yet never less_than a scratch.",
    "A smoke bomb will carry a party out_of an ordinary fight. The great_foes will not let you go.", nullptr};
const char* const properties_of_wood[] = {
    "       -Properties of Wood-_Notes of a forester of the_Aphondus Woods.",
    "The woods are glades and glades._Walk off the edge of one and you_come into the next.",
    "Beasts find a traveller there as_often as on the open road. Carry_potions, not firewood.",
    "In a few glades a pale rune circle_lies on the ground. Step on it:_body and mind are made whole,",
    "the fallen rise, and the journey_may be written down for later._Oak, by the way, is very hard.",
    nullptr};
const char* const no_weakness[] = {
    "          -No Weakness?-_Some creatures fear no element._Spells land on them at face value.",
    "Against these, a blade skill does_well: its power adds the power of_the blade that swings it.",
    "A cut of the soul can halve a_creature's guard. It never fails_on the small ones;",
    "the larger the creature, the less_often it works. Try it anyway._Then try it again.", nullptr};
const char* const magic_classes_explained[] = {
    "    -Magic Classes Explained-_Every creature may be weak to one_element and strong in another.",
    "A creature weak to an element takes_three times the harm from it._Fire on a weed: ashes.",
    "A creature strong in an element is_healed by it instead. Earth magic on_a rock only feeds the rock.",
    "A spell of no element touches_neither weakness nor strength._It is the safe choice.", nullptr};
const char* const lost_town_of_crystan[] = {
    "    -The lost town of Crystan-_Crystan stood south-west of_Mystalia, among springs and glass.",
    "Its mages taught Lumin to cast. In_the year 789 the town was gone:_no ruins, no graves, only sand.",
    "The creatures of the Sand Garden are_stone and sand. Earth magic feeds_them; water cracks them.",
    "Some say Crystan is still there,_under the sand, waiting. Some say_that is the trouble.", nullptr};
const char* const special_armors[] = {
    "         -Special Armors-_Most armor is iron or leather and_cares nothing for elements.",
    "Armor made of an element counts half_again against a creature strong in_that element.",
    "But if the creature is strong in_the element the armor is weak to,_the armor counts for nothing.",
    "The Rock Vest turns the blows of_earth creatures. Against creatures_of the air it is only a shirt.",
    "And no armor stops a spell. Magic_goes through iron as light goes_through glass.",
    nullptr};

// ---------------------------------------------------------------- the core of evil

const char* const core_of_evil[] = {
    "        -The Core of Evil-_Under all darkness there is a core,_and the core is awake.",
    "(...?)",
    "It wears iron and does not bleed._Its rain of darkness falls through_shield, glass and steel alike.",
    "Darkness cannot wound it. Only light_reaches the core. Only light. Only_l",
    "(...the rest of the pages are torn out...)",
    nullptr};
