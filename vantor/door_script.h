// Input scripts of scripted runs: a small timed language of key presses,
// joystick moves and screenshots, parsed into events the door plays back as
// its virtual clock passes their times. Only the door and its tests use it.
#pragma once
#include <string>
#include <vector>

// Allegro's timer clock: the unit of the virtual clock.
constexpr long long DOOR_TICKS_PER_SECOND = 1193181;

enum ScriptEventKind {
    EV_KEY_DOWN,   // key[] set; also a key-buffer entry
    EV_KEY_UP,     // key[] cleared
    EV_TYPE,       // key-buffer entry only
    EV_JOY_BUTTON, // arg2: 1 down, 0 up
    EV_JOY_STICK,  // arg: direction 0 centre, 1 up, 2 down, 3 left, 4 right
    EV_SHOT,       // screenshot named `text`
    EV_END         // the script says it is done
};

struct ScriptEvent {
    long long tick; // virtual time, in timer ticks
    ScriptEventKind kind;
    int arg;          // scancode, button number or direction
    int arg2;         // ASCII of a key, or button state
    std::string text; // screenshot name
};

struct Script {
    std::vector<ScriptEvent> events; // in time order
    std::string error;               // "line N: message" when the text is refused
};

// Parses a script; on error the result has no events and `error` says why.
Script parse_script(const std::string& text);
// The scancode and ASCII of a key name ("Enter", "Esc", "Up", "A", "F10", ...); scancode 0 when unknown.
int script_key(const std::string& name, int* ascii);
