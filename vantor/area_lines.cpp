// The words of the bridge, the woods and the Sand Garden. "_" breaks a line;
// a window holds three lines of about 36 letters.
#include "area_lines.h"

#include <cstddef>

const char* const sand_marker_lines[] = {
    "An old stone post, half sunk in_the sand. Someone has scratched_on it:",
    "\"Garden of Sand. Water to the_south, thorns to the east._Whatever you do, keep walking.\"",
    nullptr,
};

const char* const sand_bones_lines[] = {
    "Bones, picked clean and bleached_by the sun. A big animal..._or a lot of small ones.",
    "Mike:  (Whatever did this is still_out here somewhere.)",
    nullptr,
};

const char* const sand_spring_lines[] = {
    "A spring. Only a thin trickle_of water comes up through the_damp sand.",
    "Mike:  (Enough to wet my lips._Not enough to stop being thirsty.)",
    nullptr,
};

const char* const sand_tablet_lines[] = {
    "A tablet of red stone. The words_are old, but some can still be_read:",
    "\"...here the garden was planted_...it drinks what falls on it..._...do not wake what grows...\"",
    nullptr,
};

const char* const sand_tablet_lines_later[] = {
    "\"...do not wake what grows...\"",
    "Mike:  (A bit late for that.)",
    nullptr,
};

const char* const sand_tree_lines[] = {
    "A dead tree, white as chalk. Its_roots still grip the rock, as if_it meant to keep its place.",
    nullptr,
};

const char* const sand_statue_lines[] = {
    "The stump of a statue. Only two_stone feet are left, and a name_too worn to read.",
    nullptr,
};

const char* const sand_statue_lines_later[] = {
    "The stump of a statue. Only two_stone feet are left, and a name_too worn to read.",
    "Elizabeth:  A queen of the old_garden, I think. My mother had_a book with her picture.",
    "Mike:  Was she nice?",
    "Elizabeth:  She had her enemies_planted in the sand.",
    "Mike:  ...Let's keep walking.",
    nullptr,
};

const char* const found_prefix = "Found ";
