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
    "King:  ...Lost. Drakia has not crossed_that river in forty years.",
    "Merlon:  Their scouts have been seen as_far as the Aphondus Woods, sire.",
    "King:  Then they are not raiding._They are preparing.",
    "",
    "King:  Hear me. My knights are too few_to guard every road, and too_slow in their armour to scout one.",
    "King:  I need someone quick, someone_quiet, and someone the Drakians_will not take for a soldier.",
    "Charlie:  We are excellent at not_looking like soldiers.",
    "King:  So I have noticed.",
    "",
    "King:  South-east of here lies Agual,_the town where it always rains.",
    "King:  In Agual lives an old scholar,_Runhon. He served my father.",
    "King:  He knows more of Drakia than_anyone alive, and he has not_answered my letters.",
    "Mike:  Maybe he doesn't like letters.",
    "King:  Maybe. Or maybe the letters_never reached him. Find out which.",
    "",
    "King:  Bring him my seal. Ask him what_the Drakians want, and why now.",
    "King:  I confess I do not know._A king should know. I do not.",
    "Mike:  Sire... why us? There must be_someone braver.",
    "King:  Braver? Perhaps. But they were_not on the bridge this morning._You were.",
    "",
    "King:  Rest in the village tonight._The inn will not charge you;_I have seen to it.",
    "King:  Leave at first light. The roads_are not safe after dark now.",
    "King:  Take what I can give._It is not much against an army.",
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
    "Charlie:  Morning! Did I miss anything?",
    "Mike:  A monster. Elizabeth. Magic._Not much.",
    "Charlie:  I'll try to stay awake for_the next one. Where to, then?",
    "Mike:  Agual. The King's scholar._Runhon.",
    "Charlie:  SouthEast to Aqual!",
    nullptr,
};

// ---- Agual ----

const char* const agual_too_early =
    "Charlie:  What are we doing_here Mike??  Let's go back to Lumin.";

const char* const runhon_meeting[] = {
    "Runhon:  Who let you up here? Mind the_books: that pile is older than_both of you together.",
    "Mike:  The King sent us, sir._He says you haven't answered_his letters.",
    "Runhon:  Letters? No letter has reached_this house in a month. That alone_should worry him.",
    "Charlie:  The Drakians took the fort_at the Lumin Bridge yesterday.",
    "Runhon:  ...Then it has begun._I had hoped to be wrong._I so rarely am.",
    "Runhon:  They are not after land._They are after something under it._Old magic. Dark magic.",
    "Mike:  What do we do?",
    "Runhon:  'We'? Hm. I have sat here_reading about the end of the_world long enough.",
    "Runhon:  My rod is dusty, but my rain_is not. I'm coming with you.",
    "Runhon Joins!!!",
    nullptr,
};
