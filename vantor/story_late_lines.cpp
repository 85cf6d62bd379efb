// The words of the later scenes: the dead end of the woods and the Drakian
// hollow, Agual's gathering, the messenger, Elizabeth at the castle, the Sand
// Garden, the sunken gate and the end note. "_" breaks a line; a window holds
// three lines of 36 letters. Every list ends with a null.
#include "story_late_lines.h"

#include <cstddef>

// ---------------------------------------------------------------- the woods' dead end

const char* const dead_end_lines[] = {
    "Runhon:  End of the path. The old_charcoal road ran on from here,_before the trees took it back.",
    "Charlie:  Trees don't take roads_back. Do they?",
    "Runhon:  These ones do. But look at_the rock: someone has cut a way_through it. The marks are fresh.",
    "Mike:  (Something is breathing in_that crack. Something big.)",
    "Charlie:  Mike... tell me that's_your stomach.",
    nullptr,
};

const char* const dead_end_beast_lines[] = {
    "Runhon:  A mangler! The Drakians_breed them to guard their camps.",
    "Mike:  Then there's a camp behind_it. Stay together!",
    nullptr,
};

const char* const dead_end_after_lines[] = {
    "Charlie:  Is it... done? Tell me_it's done.",
    "Runhon:  Done. And it was guarding_something. Through the rock,_and quietly.",
    nullptr,
};

const char* const hollow_lines[] = {
    "Charlie:  Barricades, crates, a cold_hearth... and nobody home.",
    "Runhon:  Nobody home yet. This is no_scouts' camp. It is a door, left_open for an army.",
    "Mike:  That road cut through the_trees runs east. What's east_of here?",
    "Runhon:  ...Agual.",
    nullptr,
};

const char* const hollow_orders_lines[] = {
    "Runhon:  Orders, in Drakian. 'When_the moon is dark, down the river_and through the woods.'",
    "Runhon:  'Take Agual. Burn the_boats. Lumin will have no friends_left on the coast.'",
    "Charlie:  The moon goes dark in five_days. My gran plants her beans_by it.",
    "Mike:  (Five days. And Agual doesn't_even know.)",
    nullptr,
};

const char* const hollow_leave_lines[] = {
    "Mike:  Runhon, we have to warn them._Tonight.",
    "Runhon:  Tonight they sleep. We walk_all night, and at first light I_ring the bell in the square.",
    nullptr,
};

const char* const agual_inn_night_lines[] = {
    "Innkeeper:  Three of you, soaked, at_this hour? The fire's still warm._Sit. Don't drip on the cat.",
    "Charlie:  Mike, you've been staring_at that candle for an hour. It_won't tell you anything.",
    "Mike:  Five days, Charlie. And the_King is on the far side of the_river from all of this.",
    "Runhon:  Then we tell Agual first._People fight harder for a home_they can see.",
    "Runhon:  Sleep. At first light, the_square. And nobody mentions the_mangler to my mother.",
    "Charlie:  ...Can I mention it to_everyone else?",
    "Runhon:  No.",
    nullptr,
};

// ---------------------------------------------------------------- the gathering

const char* const gathering_lines[] = {
    "Runhon:  People of Agual! Thank you_for coming out in the rain._Orrin, put the fish down.",
    "Runhon:  Yesterday we found a_Drakian camp in the Aphondus_Woods, and a road cut to Agual.",
    "Runhon:  When the moon goes dark,_they mean to come down that road_and burn our boats.",
    "Runhon:  Lumin's soldiers hold the_bridge road. They cannot hold our_harbour too.",
    "Runhon:  So Agual holds its own. The_wall, the river, the lamps. Every_one of us.",
    "Runhon:  With fish hooks, if we_must! And with these two. They_held the Lumin Bridge for us.",
    nullptr,
};

// clang-format off
const char* const gathering_calls[] = {
    "It's a good fish!",
    nullptr,
    "Burn the boats?!",
    nullptr,
    "With what? Fish hooks?",
    nullptr,
};
// clang-format on
const int gathering_call_count = (int)(sizeof gathering_calls / sizeof gathering_calls[0]);

const char* const gathering_pair_lines[] = {
    "Mike:  (Half the town is looking at_me. I should look like I know_what I'm doing.)",
    "Charlie:  Wave, Mike. People like_a wave.",
    "Mike:  We held the bridge because_nobody told us we couldn't._And nobody's telling Agual!",
    nullptr,
};

// The boxed cheer of the square, one short line per box.
const char* const gathering_cheer[] = {
    "For Agual!",
    "For Lumin!",
    "...and for the fish!",
    nullptr,
};

const char* const gathering_after_lines[] = {
    "Charlie:  Mike... the rain has_stopped.",
    "Runhon:  First time in eleven years._Don't say anything. You'll_frighten it.",
    "Runhon:  Go and see the harbour_master. If Agual's boats sail for_Lumin, he is the one who says so.",
    nullptr,
};

// ---------------------------------------------------------------- the messenger

const char* const messenger_lines[] = {
    "Messenger:  Mike!!",
    "Messenger:  Mike... Charlie... thank_the stars. I've run all the way_from Lumin.",
    "Mike:  Slow down. What happened?",
    "Messenger:  Drakians crossed at_the old ford, by night. Not an_army. Riders, all in black.",
    "Messenger:  They rode south, past_Mystalia, into the desert. The_King can't say what they want.",
    "Messenger:  Princess Elizabeth says_she knows. She begs you to come_home at once.",
    "Runhon:  South, into the sand._The old magic under the land..._they have gone to dig it up.",
    "Runhon:  Go. My place is here now:_Agual will hold. I gave my word_in the square.",
    "Mike:  Runhon... thank you. For_everything.",
    "Runhon:  Thank me when it's over._And Mike: you cast spells as if_you were apologising. Stop it.",
    nullptr,
};

const char* const messenger_last_lines[] = {
    "Messenger:  One more thing. Their_leader wore iron from head to foot._The arrows... went through him.",
    "Messenger:  The guards say he didn't_even bleed.",
    "Charlie:  This is terrible!",
    nullptr,
};

// ---------------------------------------------------------------- Elizabeth at the castle

const char* const elizabeth_meets_lines[] = {
    "Elizabeth:  Mike! Charlie! You came_so quickly... thank you.",
    "Mike:  The messenger said you know_what the riders are after.",
    nullptr,
};

const char* const elizabeth_lines[] = {
    "Merlon:  Welcome home. Forgive the_hurry: those riders are three days_ahead of anyone we could send.",
    "Elizabeth:  Crystan. The lost_town of the mages, under the Sand_Garden. Mother's book has it.",
    "Elizabeth:  The book says Crystan_put something away under the_sand. Magic too dark to keep.",
    "Merlon:  His majesty does not hold_with old stories. He has sent his_knights to guard the ford.",
    "Elizabeth:  So I am going to the_Sand Garden. With you, if you'll_have me. Alone, if you won't.",
    "Merlon:  Your Highness, the King_would never allow...",
    "Elizabeth:  Father said 'never'_about the library, too. I read_all of it. Even the old script.",
    "Charlie:  She set fire to the royal_tapestries once. On purpose.",
    "Elizabeth:  That was an accident. I_was practising my healing. It went_...differently.",
    "Mike:  (She is braver than I am._Or she hides it better.)",
    "Mike:  ...All right. We go together.",
    "Elizabeth:  I can close a wound now,_and draw out poison. Gleamer and_Auria. Father doesn't know.",
    nullptr,
};

const char* const elizabeth_join = "Elizabeth Joins!!!";

const char* const elizabeth_after_lines[] = {
    "Merlon:  Mystalia lies south, at the_edge of the sand. Go carefully..._all three of you.",
    nullptr,
};

// ---------------------------------------------------------------- the Sand Garden

const char* const sand_arrival_lines[] = {
    "Charlie:  Sand. Rocks. More sand._Elizabeth, are you sure anything_grows here?",
    "Elizabeth:  The book calls it a_garden because something was_planted here, long ago.",
    "Mike:  Planted? What grows in this?",
    "Elizabeth:  Whatever keeps guard._The heart of the garden is at_the far end, to the south.",
    "Mike:  (Riders in black, three days_ahead, and a garden that keeps_guard. Wonderful.)",
    nullptr,
};

const char* const sand_plant_lines[] = {
    "Mike:  (That plant just moved._Plants don't move.)",
    "Elizabeth:  It's waking up... the_sand is moving under it! Mike,_something is coming up!",
    "Charlie:  Knights?! In armour?_Under the SAND?!",
    nullptr,
};

const char* const sand_plant_after_lines[] = {
    "Elizabeth:  The garden's guards. It_woke them because we came too_close to what it guards.",
    "Mike:  Then what it guards isn't_here. The tablet in the court..._'do not wake what grows'.",
    "Elizabeth:  The court, Mike. We_walked right over it.",
    nullptr,
};

const char* const sand_court_lines[] = {
    "Elizabeth:  Look at the stones._They aren't a floor, they're a_roof. Something is underneath!",
    "Charlie:  Please let it be a cellar._Full of cheese.",
    "Mike:  (The ground is humming.)",
    nullptr,
};

const char* const sand_quake_lines[] = {
    "Charlie:  Mike... the rocks._The rocks are standing UP.",
    "Elizabeth:  It's a mountain! A whole_mountain, getting up!",
    "Mike:  Get behind me!",
    nullptr,
};

const char* const sand_victory_lines[] = {
    "Mike:  Is... is it over?",
    "Charlie:  It's a pile of gravel now._I'd call that over.",
    nullptr,
};

const char* const sand_seal_lines[] = {
    "Elizabeth:  That shadow... it burned_into the sand. A seal. The stone_under it is still warm.",
    "Charlie:  And the ground is going_down the hole! Hold on to_something!",
    nullptr,
};

const char* const gate_arrival_lines[] = {
    "Elizabeth:  Glass and stone, just_like the picture... It's real._This is the gate of Crystan.",
    "Charlie:  Whoever built it liked_steps. A lot.",
    nullptr,
};

const char* const gate_seal_lines[] = {
    "Mike:  The gate is sealed. Like the_one up in the court.",
    "Elizabeth:  That seal is new. The_riders in black were here first._This is their mark.",
    "Charlie:  So they couldn't get in._Good. Can we go now?",
    "Elizabeth:  No... they sealed it so_nobody else gets in. Until they_come back for what's inside.",
    "Mike:  (Come back with what? With_whom?)",
    "Mike:  We can't break it. Not today._But now we know where this ends.",
    nullptr,
};

const char* const sand_closing_lines[] = {
    "Charlie:  Hot bath, soft bed, no_sand in my ears. Mystalia, I take_back everything I said about you.",
    "Elizabeth:  Father has to listen_now. The ford, the riders, the_seal... it all points to Crystan.",
    "Mike:  Then we go home and make him_listen. All three of us.",
    "Elizabeth:  Mike... thank you. For_coming, when you didn't have to.",
    "Mike:  (I didn't feel brave. I just_didn't want to be the one who_stayed behind.)",
    "Charlie:  Goodnight, you two._Tomorrow, Lumin... and then, I_suppose, the whole rest of it.",
    nullptr,
};

// ---------------------------------------------------------------- the end note

// clang-format off
const char* const end_note_pages[] = {
    "Just to be funny: I decided to end the demo RIGHT HERE!...the end :)",
    "Well... almost. Mike, Charlie and_Elizabeth are still far from home,_the seal waits under the sand and_the Drakians still hold the bridge._That is a story for another day.",
    "Thank you for playing with us!_We hope the sand is out of your_boots by now._          - the Vantor team",
    nullptr,
};
// clang-format on
