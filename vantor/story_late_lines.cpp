// The words of the later scenes: the dead end of the woods, Agual's gathering,
// the messenger, Elizabeth at the castle, the Sand Garden and the end note.
// "_" breaks a line; a window holds three lines of about 36 letters. Every
// list ends with a null.
#include "story_late_lines.h"

#include <cstddef>

// ---------------------------------------------------------------- the woods' dead end

const char* const dead_end_lines[] = {
    "Runhon:  End of the path. The old_charcoal road used to go on from_here, before the trees took it.",
    "Charlie:  Trees don't take roads._Do they?",
    "Runhon:  These ones do. Quiet now.",
    "Mike:  (Something is breathing_behind those bushes. Something_big.)",
    "Charlie:  Mike... tell me that's_your stomach.",
    nullptr,
};

const char* const dead_end_after_lines[] = {
    "Runhon:  A barghest. They never_come this far from the pass...",
    "Runhon:  ...unless something bigger_is driving them. Drakian horns_do that. I've heard it before.",
    "Mike:  Then the Drakians aren't_waiting at the bridge. They're_already moving.",
    "Charlie:  And the King thinks we've_got all summer.",
    "Runhon:  Back to Agual. My people_need to hear this from me, not_from a barghest.",
    nullptr,
};

// ---------------------------------------------------------------- the gathering

const char* const gathering_lines[] = {
    "Runhon:  Listen! All of you!_Yes, you too, Orrin. Put the_fish down.",
    "Runhon:  The woods are full of_beasts running from the north._The Drakians hold the bridge.",
    "Runhon:  Lumin's soldiers can't_guard every road. If Agual waits_to be saved, Agual waits alone.",
    "Runhon:  So we don't wait. We mend_the wall, we watch the west road,_and we keep the lamps lit.",
    "Mike:  (Half the town is looking_at me. I should look like I know_what I'm doing.)",
    "Runhon:  These two came from the_bridge itself. If they can stand,_so can we.",
    "Charlie:  Well said! ...Mike, wave._People like a wave.",
    nullptr,
};

// The boxed cheer of the square, one short line per box.
const char* const gathering_cheer[] = {
    "For Agual!",
    "For Lumin!",
    "...and for the fish!",
    nullptr,
};

// ---------------------------------------------------------------- the messenger

const char* const messenger_lines[] = {
    "Messenger:  Mike!!",
    "Messenger:  Thank the stars... I've_run from Lumin without stopping._My legs have stopped talking to me.",
    "Mike:  Slow down. What happened?",
    "Messenger:  Drakians came over the_bridge at night. They hit the_castle road and fell back again.",
    "Messenger:  The King was on the_wall. An arrow... he lives, but_he cannot stand.",
    "Messenger:  Princess Elizabeth asks_for you. Both of you. Now.",
    "Runhon:  Go. Agual will hold the_west road. I gave my word here_and I mean to keep it.",
    "Charlie:  This is terrible!",
    nullptr,
};

// ---------------------------------------------------------------- Elizabeth at the castle

const char* const elizabeth_lines[] = {
    "Elizabeth:  Mike. Charlie. You came_quickly... thank you.",
    "Merlon:  His majesty sleeps. The_arrow was poisoned with something_out of the desert.",
    "Merlon:  The cure grows only in the_Sand Garden, south past Mystalia._If the old books are right.",
    "Elizabeth:  And if they are wrong,_I shall write new ones. I am going_with you.",
    "Merlon:  Your Highness, the King_would never allow...",
    "Elizabeth:  The King is asleep,_Merlon. I have been practising_my fire. And my healing.",
    "Charlie:  She set fire to the royal_tapestries once. On purpose.",
    "Elizabeth:  It had a very ugly duck_on it.",
    "Mike:  (She is braver than I am._Or she hides it better.)",
    "Mike:  ...All right. We go together.",
    nullptr,
};

const char* const elizabeth_join = "Elizabeth Joins!!!";

// ---------------------------------------------------------------- the Sand Garden

const char* const sand_arrival_lines[] = {
    "Charlie:  Sand. Rocks. More sand._Elizabeth, are you sure anything_grows here?",
    "Elizabeth:  The book says a silver_flower grows in the heart of the_garden, where the rocks sleep.",
    "Mike:  Sleeping rocks. Good._Let's keep our voices down, then.",
    "Elizabeth:  Merlon said it takes a_day to walk across. Mind the_thorns... and the things in them.",
    nullptr,
};

const char* const sand_plant_lines[] = {
    "Mike:  (That plant just moved._Plants don't move.)",
    "Charlie:  Is that the silver flower?",
    "Elizabeth:  No. The silver flower_does not have TEETH!",
    nullptr,
};

const char* const sand_plant_after_lines[] = {
    "Elizabeth:  The rest of the garden_heard that. Hurry... the heart_of the garden is further south.",
    nullptr,
};

const char* const sand_court_lines[] = {
    "Elizabeth:  There! Between the_stones. Silver, just like the_picture!",
    "Mike:  (Easy. Too easy.)",
    nullptr,
};

const char* const sand_quake_lines[] = {
    "Charlie:  Mike... the rocks._The rocks are standing UP.",
    "Elizabeth:  Mike... what do we do?",
    "Mike:  Get behind me!",
    nullptr,
};

const char* const sand_victory_lines[] = {
    "Mike:  Is... is it over?",
    "Charlie:  It's a pile of gravel now._I'd call that over.",
    "Elizabeth:  The flower! It's still_whole. Oh, it's warm, like it's_been waiting for us.",
    nullptr,
};

const char* const sand_closing_lines[] = {
    "Elizabeth:  Father will wake. I_know he will.",
    "Charlie:  And then he'll want to_know why his daughter fought_a mountain.",
    "Mike:  We'll tell him it started it.",
    "Elizabeth:  Mike... thank you. For_coming, when you didn't have to.",
    "Mike:  (I didn't feel brave. I just_didn't want to be the one who_stayed behind.)",
    "Charlie:  Come on, you two. Lumin_is a long walk, and the Drakians_still hold the bridge.",
    nullptr,
};

// ---------------------------------------------------------------- the end note

const char* const end_note_pages[] = {
    "Just to be funny: I decided to end the demo RIGHT HERE!...the end :)",
    "Well... almost. Mike, Charlie and_Elizabeth are still walking home,_the King still sleeps, and the_Drakians still hold the bridge._That is a story for another day.",
    "Thank you for playing with us!_We hope the sand is out of your_boots by now._          - the Vantor team",
    nullptr,
};
