// The program's entry: switches, start-up, the screens in order, shutdown.
#include "vantor.h"

#include "door.h"
#include "story.h"
#include "world.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    door_init_from_env();
    if (!parse_switches(argc, argv)) door_exit(1);
    if (!door_have_display()) {
        fprintf(stderr,
                "Vantor needs a graphical display (an X11 session) to open its window.\n"
                "Without one you can still run the headless test suite: see README.md.\n");
        door_exit(1);
    }
    door_set_dump_writer(write_state_dump);
    vantor_init();
    door_rest(1000);
    qv_logo();
    prologue();
    int result = title_screen();
    if (result != 3) {
        if (result == 1) {
            // VANTOR_SKIP_OPENING (scripted runs of other places) starts the new game where the
            // opening leaves it: on the world map just below the bridge.
            const char* skip = getenv("VANTOR_SKIP_OPENING");
            if (skip && *skip && *skip != '0')
                skip_opening();
            else
                story_beginning();
        }
        world_map();
    }
    vantor_shutdown();
    door_exit(0);
}
END_OF_MAIN()
