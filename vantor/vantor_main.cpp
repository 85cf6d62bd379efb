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
        fprintf(stderr, "Vantor needs a graphical display (an X11 session) to open its window.\n"
                        "Without one you can still run the headless test suite: see README.md.\n");
        door_exit(1);
    }
    door_set_dump_writer(write_state_dump);
    vantor_init();
    door_rest(1000);
    int result = 1;
    if (!door_quick_start()) {
        qv_logo();
        prologue();
        result = title_screen();
    }
    if (result != 3) {
        if (result == 1) {
            // A quick start (scripted runs of other places) begins where the opening leaves
            // Mike: on the world map just below the bridge.
            if (door_quick_start())
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
