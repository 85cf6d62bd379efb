#include "door_record.h"

#include "door.h"

#include <allegro.h>

#include <cstring>

namespace {

FILE* rec = nullptr;
long last_ms = 0;
unsigned char keys_seen[KEY_MAX];
int buttons_seen[17];
int stick_seen = 0;

const char* const letters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                               "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
const char* const digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
const char* const fkeys[] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12"};

int live_stick()
{
    if (door_joy_up()) return 1;
    if (door_joy_down()) return 2;
    if (door_joy_left()) return 3;
    if (door_joy_right()) return 4;
    return 0;
}

} // namespace

const char* record_key_name(int sc)
{
    if (sc >= KEY_A && sc <= KEY_Z) return letters[sc - KEY_A];
    if (sc >= KEY_0 && sc <= KEY_9) return digits[sc - KEY_0];
    if (sc >= KEY_F1 && sc <= KEY_F12) return fkeys[sc - KEY_F1];
    switch (sc) {
    case KEY_ENTER: return "Enter";
    case KEY_ESC: return "Esc";
    case KEY_UP: return "Up";
    case KEY_DOWN: return "Down";
    case KEY_LEFT: return "Left";
    case KEY_RIGHT: return "Right";
    case KEY_ALT: return "Alt";
    case KEY_LCONTROL: return "Ctrl";
    case KEY_LSHIFT: return "Shift";
    case KEY_SPACE: return "Space";
    case KEY_BACKSPACE: return "Backspace";
    case KEY_TAB: return "Tab";
    case KEY_TILDE: return "Tilde";
    default: return nullptr;
    }
}

bool record_start(const char* path)
{
    record_stop();
    rec = fopen(path, "w");
    if (!rec) return false;
    last_ms = 0;
    memset(keys_seen, 0, sizeof keys_seen);
    memset(buttons_seen, 0, sizeof buttons_seen);
    stick_seen = 0;
    fprintf(rec, "# Vantor input, recorded. Replay it with VANTOR_SCRIPT set to this file,\n"
                 "# VANTOR_SEED to the seed below and the same switches.\n");
    fflush(rec);
    return true;
}

void record_stop()
{
    if (rec) fclose(rec);
    rec = nullptr;
}

int record_active() { return rec ? TRUE : FALSE; }

void record_seed(unsigned seed)
{
    if (!rec) return;
    fprintf(rec, "# seed %u\n", seed);
    fflush(rec);
}

void record_command(long ms, const char* command)
{
    if (!rec) return;
    if (ms > last_ms) {
        fprintf(rec, "wait %ldms\n", ms - last_ms);
        last_ms = ms;
    }
    // Flushed line by line: the recording of a session that crashes is the one that matters.
    fprintf(rec, "%s\n", command);
    fflush(rec);
}

void record_sample(long ms)
{
    if (!rec) return;
    char line[64];
    for (int sc = 1; sc < KEY_MAX; sc++) {
        unsigned char down = key[sc] ? 1 : 0;
        if (down == keys_seen[sc]) continue;
        const char* name = record_key_name(sc);
        keys_seen[sc] = down;
        if (!name) continue;
        snprintf(line, sizeof line, "%s %s", down ? "hold" : "release", name);
        record_command(ms, line);
    }
    for (int b = 1; b <= 16; b++) {
        int down = door_joy_button(b);
        if (down == buttons_seen[b]) continue;
        buttons_seen[b] = down;
        snprintf(line, sizeof line, "joy button %d %s", b, down ? "down" : "up");
        record_command(ms, line);
    }
    int stick = live_stick();
    if (stick != stick_seen) {
        const char* dirs[] = {"centre", "up", "down", "left", "right"};
        stick_seen = stick;
        snprintf(line, sizeof line, "joy %s", dirs[stick]);
        record_command(ms, line);
    }
}
