// The program's entry: switches, start-up, the screens in order, shutdown.
#include "vantor.h"

#include "door.h"
#include "story.h"
#include "world.h"

#include <cstdio>

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
    int result = 1;
    if (!door_quick_start()) {
        qv_logo();
        prologue();
        result = title_screen();
    }
    if (result != 3) {
        if (result == 1) {
            if (!door_quick_start()) story_beginning();
            // Until the opening scene is played out, a new game begins where it leaves Mike:
            // on the world map just below the bridge.
            mike->x = WORLD_START_X;
            mike->y = WORLD_START_Y;
            mike->face = DIR_DOWN;
            mike->visible = TRUE;
            mx = WORLD_START_MX;
            my = WORLD_START_MY;
            g_map_num = -1;
        }
        world_map();
    }
    vantor_shutdown();
    door_exit(0);
}
END_OF_MAIN()
