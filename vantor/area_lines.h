// The words of the bridge, the woods and the Sand Garden: what Mike reads and
// thinks there. Each list ends with a null.
#pragma once

extern const char* const sand_marker_lines[];       // map 19: the stone at the way down
extern const char* const sand_bones_lines[];        // map 21: the bones at the crossing
extern const char* const sand_spring_lines[];       // map 22: the spring gone nearly dry
extern const char* const sand_tablet_lines[];       // map 25: the tablet of the ruined court
extern const char* const sand_tablet_lines_later[]; // the same once the plant has woken
extern const char* const sand_tree_lines[];         // map 27: the bleached tree
extern const char* const sand_statue_lines[];       // map 28: the broken statue
extern const char* const sand_statue_lines_later[]; // the same with Elizabeth along
extern const char* const found_prefix;              // "Found " before a find's name
