// A tile's look ("edge:cobble:grass:nw") handed to the painter that knows it.
#include "tiles/paint.h"

#include "datwriter.h"

namespace tilepaint {

void paint_tile(Tile& t, const std::string& look, const std::string& name)
{
    Look l;
    size_t a = 0;
    while (true) {
        size_t b = look.find(':', a);
        l.push_back(look.substr(a, b == std::string::npos ? b : b - a));
        if (b == std::string::npos) break;
        a = b + 1;
    }
    t.fill(CLEAR);
    if (!paint_ground_look(t, l) && !paint_build_look(t, l) && !paint_thing_look(t, l) &&
        !paint_world_look(t, l))
        tool_fail("tiles: %s: unknown look %s", name.c_str(), look.c_str());
}

} // namespace tilepaint
