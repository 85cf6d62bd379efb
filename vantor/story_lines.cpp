// The words of the story scenes. A writer can revise this file alone: the
// choreography in story.cpp only says which group comes when. "_" breaks a
// line; without it the window wraps at 36 characters.
#include "story_lines.h"

// ---- the opening ----

const char* const dream_voice[] = {
    "War....",
    "Define.....war",
    "A bridge, a river,_and two banks that cannot agree.",
    "Soldiers in black,_marching where the fields were green.",
    "And one young man_who thinks he is too small for it.",
    "Wake up, Mike.",
    nullptr,
};

const char* const dream_thoughts[] = {
    "(Who said that?)",
    "(I don't know... swords?_Shouting? Mother crying?)",
    "(The Lumin Bridge...)",
    "(The Drakians. Everyone_says they are still far away.)",
    "(...that sounds an awful lot_like me.)",
    "(Five more minutes...)",
};

const char* const bridge_wake[] = {
    "Jack: This is not the best time to be daydreaming!",
    "Mike:  Jack! I wasn't sleeping._I was... guarding. With my eyes_closed.",
    "Jack:  Look north, guardsman._Black banners on the far bank.",
    "Jack:  The Drakians took the fort at_dawn. The bridge is all that's_left between them and Lumin.",
    "Mike:  Where is everyone else?",
    "Jack:  Sent for. Which means, for now,_it's you, me and a very long_bridge.",
    nullptr,
};

const char* const bridge_soldiers_come[] = {
    "Drakian:  Out of the way, farm boy._This bridge belongs to Drakia now.",
    "Mike:  (My knees are shaking. Good._Maybe they'll think it's a dance.)",
    "Mike:  This bridge belongs to the_people who built it. Go home!",
    nullptr,
};

const char* const bridge_first_won[] = {
    "Jack:  Ha! Look at that! You swing_that blade like you mean it.",
    "Mike:  I... I did mean it._I think.",
    nullptr,
};

const char* const bridge_first_lost[] = {
    "Jack:  Mike! On your feet!_I've got you.",
    "Jack:  They went back to fetch their_friends. Breathe. We hold here.",
    "Mike:  (I'm not done yet.)",
    nullptr,
};

const char* const bridge_more_come[] = {
    "Jack:  More of them! Stand fast!",
    nullptr,
};

const char* const bridge_third_over[] = {
    "Mike:  How many of them are there?",
    "Jack:  More than us. That's all a_soldier ever needs to know.",
    nullptr,
};

const char* const bridge_jack_water[] = {
    "Jack:  Here, drink. Army water:_tastes of old boots, works like_a miracle.",
    nullptr,
};

const char* const bridge_charlie_arrives[] = {
    "Charlie:  Mike! Save some of them_for me!",
    "Mike:  Charlie! You came!",
    "Charlie:  The whole village heard the_horns. I ran the whole way,_so be impressed.",
    "Jack:  Two swords are better than one._Here they come again!",
    nullptr,
};

const char* const bridge_fifth[] = {
    "Charlie:  They just keep coming._Like ants at a picnic.",
    nullptr,
};

const char* const bridge_last[] = {
    "Jack:  This is the last of this wave._Give them everything!",
    nullptr,
};

const char* const bridge_closing[] = {
    "Jack:  That's done it. They'll not_cross again before nightfall.",
    "Jack:  But the fort is theirs, and the_far bank with it. The King must_hear this from someone who saw.",
    "Jack:  Go to the castle, both of you._I'll keep watch here.",
    "Mike:  Alone? Jack...",
    "Jack:  I've stood on this bridge_longer than you've stood at all._Go.",
    "Charlie:  Mike... is something wrong?_You're looking at the river_like it owes you money.",
    "Mike:  It's that dream. A voice_asking me to define war.",
    "Charlie:  ...no, everything_is fine.._let's go",
    nullptr,
};

// ---- the council ----

const char* const council_greeting[] = {
    "Merlon:  Ahh our two guests of_honor have arrived.",
    "Charlie:  Indeed!",
    "Is the King ready to see us?",
    "Merlon:  Let me check..",
    nullptr,
};

const char* const council_waiting[] = {
    "Mike:  Charlie... we lost the bridge._What do we even tell him?",
    "Charlie:  The truth. We held the_south end, and Jack is still_standing on it.",
    "Mike:  And the fort on the far bank?",
    "Charlie:  We leave that part for after_he's had his breakfast.",
    nullptr,
};

const char* const council_back[] = {
    "Merlon:  His majesty will_see you now.",
    nullptr,
};

const char* const council_before_king[] = {
    "Mike:  Your Majesty.",
    "Charlie:  Your Majesty! We came_straight from the bridge.",
    nullptr,
};

const char* const council_mission[] = {
    "King:  Mike. Charlie. I am told you_held the Lumin Bridge this morning.",
    "King:  I am also told you are not_soldiers. That makes it stranger,_and better.",
    "Mike:  We held the south end, Sire._The fort on the far bank is lost.",
    "",
    "King:  ...Lost. Drakia has not_crossed that river in forty years.",
    "Merlon:  Their scouts were seen_near the Aphondus Woods, sire._Far from any road a raider takes.",
    "King:  Then they are not raiding._They are looking for something.",
    "",
    "King:  Hear me. My knights are few,_too few to guard every road, and_too loud in their armour to scout.",
    "King:  I need someone quick, someone_quiet, and someone the Drakians_will not take for a soldier.",
    "Charlie:  We are excellent at not_looking like soldiers.",
    "King:  So I have noticed.",
    "",
    "King:  South-east of here lies_Agual, the town where it always_rains.",
    "King:  A young mage lives there,_Runhon. He reads more than he_talks, and he talks very little.",
    "King:  His family has kept the old_books of the south for three_hundred years. If anyone knows..",
    "King:  ..he does. And he has not_answered one of my letters._Not one.",
    "Mike:  Maybe he doesn't like_letters.",
    "King:  Maybe. Or maybe my letters_never reached him. Find out which.",
    "",
    "King:  Ask him what the Drakians_want with us, and why now._I confess I do not know.",
    "King:  A king should know, and I_do not. That is what keeps me_awake.",
    "Mike:  Sire... why us? There must_be someone braver.",
    "King:  Braver? Perhaps. But they_were not on the bridge this_morning. You were.",
    "",
    "King:  Rest in the village tonight;_the inn will not charge you._Leave at first light.",
    "King:  Take what I can give. It is_not much against an army, but_it is more than I gave the bridge.",
    nullptr,
};

const char* const council_gifts[] = {
    "Merlon:  Glow Dust for your wounds,_and Combusters for the enemy._Five of each.",
    nullptr,
};

const char* const council_gold = "Recieved 500 Gold";

const char* const council_farewell[] = {
    "Mike:  We won't let you down, Sire.",
    "Charlie:  And if we do, we'll do it_very quietly.",
    nullptr,
};

const char* const council_after[] = {
    "Merlon:  Two young folk and a sack_of gold against Drakia, sire?",
    "King:  Two young folk who held a_bridge that my captains had_already given up.",
    "Merlon:  And if Runhon will not help?",
    "King:  I ....don't know.",
    nullptr,
};

// ---- the village ----

const char* const village_to_inn = "Charlie:  I'm heading to the INN.";

const char* const night_evening[] = {
    "Charlie:  The inn's full of the King's_soldiers, so we're in the long_house. Better snoring, anyway.",
    "Mike:  Charlie... do you think we_can really do this?",
    "Charlie:  No. But I thought that about_the bridge, too. Goodnight, Mike.",
    nullptr,
};

const char* const night_noise[] = {
    "Mike:  (Something is scraping at_the door...)",
    "Mike:  Charlie! Wake up!",
    "Charlie:  Mmmf... five more minutes...",
    nullptr,
};

const char* const night_eliz[] = {
    "Elizabeth:  Mike! There's a beast in_the square! It came from the_north road!",
    "Mike:  Elizabeth? Get behind me!",
    nullptr,
};

const char* const night_after_fight[] = {
    "Elizabeth:  It... it's gone. Is that_what the Drakians send ahead?",
    "Mike:  If it is, I don't want to meet_what they send behind.",
    "Elizabeth:  You were brave, Mike.",
    "Mike:  (I was terrified. Apparently_those look the same from outside.)",
    nullptr,
};

const char* const morning_lines[] = {
    "Charlie:  Morning! I had the oddest_dream. A big dog, and Elizabeth_shouting at me..",
    "Mike:  No dream. You fought it in_your nightshirt, half asleep._Still better than most.",
    "Charlie:  ...Then I'll take the_credit and the breakfast._Where to?",
    "Mike:  Agual. The King's mage,_Runhon. If he'll talk to us.",
    "Charlie:  SouthEast to Aqual!",
    nullptr,
};

// ---- Agual ----

const char* const agual_too_early = "Charlie:  What are we doing_here Mike??  Let's go back to Lumin.";

const char* const runhon_meeting[] = {
    "Runhon:  Mind the books. That pile_is older than both of you_put together.",
    "Mike:  The King sent us, sir. He_says you haven't answered his_letters.",
    "Runhon:  No letter has come to this_house in a month. Odd. Agual's_post is never late. It's a boat.",
    "Charlie:  The Drakians took the_fort at the Lumin Bridge. We held_the south end. Just.",
    "Runhon:  ...So it has begun.",
    "Runhon:  They are not after land._They want what lies under it._Old magic. The dark kind.",
    "Mike:  What do we do?",
    "Runhon:  'We.' Hm.",
    "Runhon:  I have read about the end_of the world long enough. I'll get_my rod. Mother! I'm going out!",
    "Runhon Joins!!!",
    nullptr,
};
