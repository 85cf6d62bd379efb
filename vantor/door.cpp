// The door to the outside world. Live, each call goes straight to Allegro.
// Scripted, the clock is virtual: it moves only when the game waits, firing
// the timer callbacks and the script's events in time order, so a session
// replays exactly and as fast as the machine can draw.
#include "door.h"

#include "door_record.h"
#include "door_script.h"
#include "tilemap.h"

#include <algorithm>
#include <chrono>
#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include <unistd.h>

int door_scripted = FALSE;

namespace {

struct VirtualTimer {
    void (*proc)();
    long long period;
    long long next;
};

// Scripted-run state.
long long vtime = 0; // virtual clock, in timer ticks
std::vector<VirtualTimer> vtimers;
Script script;
size_t next_event = 0;
long long script_end = 0;                          // time of the last event (or of "end")
long long idle_limit = 20 * DOOR_TICKS_PER_SECOND; // how long the game may wait once the script is done
long long time_limit = 3600 * DOOR_TICKS_PER_SECOND;
long polls_since_advance = 0;
const long spin_limit = 2000000;
std::vector<int> keybuf; // (scancode << 8) | ascii
int joy_buttons[17];
int joy_stick = 0; // 0 centre, 1 up, 2 down, 3 left, 4 right
std::string shots_dir = ".";
unsigned script_seed = 1; // the seed a scripted run replays with
long long midi_started = 0;

// Sound state and logs (scripted runs record instead of playing).
DATAFILE* sound_data = nullptr;
int sound_count = 0; // objects in sound_data, counted once
int sound_installed = FALSE;
int joystick_installed = FALSE;
std::vector<std::string> sound_log;
std::vector<std::string> message_log;
std::vector<std::string> window_log; // texts shown in the game's windows
std::vector<std::string> turn_log;   // the battles' turns, as each hero's menu opened
void (*dump_writer)(FILE*) = nullptr;
std::string captured_state; // the state taken by door_capture_state
bool state_captured = false;

long long ms_to_ticks(long long ms) { return ms * DOOR_TICKS_PER_SECOND / 1000; }

void log_sound(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
void log_sound(const char* fmt, ...)
{
    if (!door_scripted) return;
    char line[200];
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(line, sizeof line, fmt, ap);
    va_end(ap);
    char stamp[40];
    snprintf(stamp, sizeof stamp, " @%lld", vtime * 1000 / DOOR_TICKS_PER_SECOND);
    sound_log.push_back(std::string(line) + stamp);
}

void write_dump(int status)
{
    const char* path = getenv("VANTOR_DUMP");
    if (!path || !*path) return;
    FILE* f = fopen(path, "w");
    if (!f) return;
    if (state_captured)
        fputs(captured_state.c_str(), f);
    else if (dump_writer)
        dump_writer(f);
    fprintf(f, "exit %d\n", status);
    fprintf(f, "time_ms %ld\n", door_time_ms());
    for (const std::string& s : sound_log) fprintf(f, "sound %s\n", s.c_str());
    for (const std::string& m : message_log) {
        std::string one = m;
        std::replace(one.begin(), one.end(), '\n', '|');
        fprintf(f, "message %s\n", one.c_str());
    }
    for (const std::string& w : window_log) fprintf(f, "window %s\n", w.c_str());
    for (const std::string& t : turn_log) fprintf(f, "turn %s\n", t.c_str());
    fclose(f);
}

[[noreturn]] void guard_exit(int status, const char* fmt, ...) __attribute__((format(printf, 2, 3)));
[[noreturn]] void guard_exit(int status, const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    fprintf(stderr, "vantor: ");
    vfprintf(stderr, fmt, ap);
    fprintf(stderr, "\n");
    va_end(ap);
    write_dump(status);
    _exit(status);
}

void take_shot(const std::string& name)
{
    if (!screen) return;
    std::string path = shots_dir + "/" + name + ".bmp";
    PALETTE pal;
    memset(pal, 0, sizeof pal);
    save_bitmap(path.c_str(), screen, pal);
}

// A scripted event as the command that replays it, for a recording of a scripted run.
void record_event(const ScriptEvent& e)
{
    if (!record_active()) return;
    const char* name = record_key_name(e.arg);
    const char* dirs[] = {"centre", "up", "down", "left", "right"};
    std::string cmd;
    switch (e.kind) {
    case EV_KEY_DOWN:
        if (name) cmd = std::string("hold ") + name;
        break;
    case EV_KEY_UP:
        if (name) cmd = std::string("release ") + name;
        break;
    case EV_TYPE:
        if (name) cmd = std::string("type ") + name;
        break;
    case EV_JOY_BUTTON: cmd = "joy button " + std::to_string(e.arg) + (e.arg2 ? " down" : " up"); break;
    case EV_JOY_STICK: cmd = std::string("joy ") + dirs[e.arg >= 0 && e.arg <= 4 ? e.arg : 0]; break;
    case EV_SHOT: cmd = "shot " + e.text; break;
    case EV_END: cmd = "end"; break;
    }
    if (!cmd.empty())
        record_command((long)((vtime * 1000 + DOOR_TICKS_PER_SECOND / 2) / DOOR_TICKS_PER_SECOND),
                       cmd.c_str());
}

void apply_event(const ScriptEvent& e)
{
    record_event(e);
    switch (e.kind) {
    case EV_KEY_DOWN:
        key[e.arg] = -1;
        keybuf.push_back((e.arg << 8) | e.arg2);
        break;
    case EV_KEY_UP: key[e.arg] = 0; break;
    case EV_TYPE: keybuf.push_back((e.arg << 8) | e.arg2); break;
    case EV_JOY_BUTTON: joy_buttons[e.arg] = e.arg2; break;
    case EV_JOY_STICK: joy_stick = e.arg; break;
    case EV_SHOT: take_shot(e.text); break;
    case EV_END: break;
    }
}

// Moves the virtual clock to `target`, firing timers and script events in order.
void advance_to(long long target, const char* where)
{
    if (target < vtime) target = vtime;
    for (;;) {
        long long t_timer = -1;
        size_t which = 0;
        for (size_t i = 0; i < vtimers.size(); i++)
            if (t_timer < 0 || vtimers[i].next < t_timer) {
                t_timer = vtimers[i].next;
                which = i;
            }
        long long t_event = next_event < script.events.size() ? script.events[next_event].tick : -1;
        bool ev = t_event >= 0 && t_event <= target && (t_timer < 0 || t_event <= t_timer);
        bool tm = !ev && t_timer >= 0 && t_timer <= target;
        if (ev) {
            vtime = std::max(vtime, t_event);
            apply_event(script.events[next_event++]);
        } else if (tm) {
            vtime = t_timer;
            VirtualTimer& vt = vtimers[which];
            vt.next += vt.period;
            vt.proc();
        } else {
            break;
        }
    }
    if (target > vtime) vtime = target;
    polls_since_advance = 0;
    if (next_event >= script.events.size() && vtime > script_end + idle_limit)
        guard_exit(
            3,
            "the script ended but the game kept waiting for input (last wait in %s; %lld ms after the end)",
            where, (vtime - script_end) * 1000 / DOOR_TICKS_PER_SECOND);
    if (vtime > time_limit)
        guard_exit(3, "the run passed its virtual time limit (last wait in %s; %lld ms)", where,
                   vtime * 1000 / DOOR_TICKS_PER_SECOND);
}

void count_poll(const char* where)
{
    if (!door_scripted) return;
    if (++polls_since_advance > spin_limit)
        guard_exit(4, "no virtual time passed during %ld polls in %s; a loop spins without waiting",
                   spin_limit, where);
}

bool valid_object(int num, int type)
{
    return sound_data && num >= 0 && num < sound_count && sound_data[num].type == type;
}

} // namespace

void door_begin_script(const char* text, unsigned seed)
{
    door_scripted = TRUE;
    script = parse_script(text ? text : "");
    if (!script.error.empty()) {
        fprintf(stderr, "vantor: input script, %s\n", script.error.c_str());
        exit(2);
    }
    std::stable_sort(script.events.begin(), script.events.end(),
                     [](const ScriptEvent& a, const ScriptEvent& b) { return a.tick < b.tick; });
    script_end = script.events.empty() ? 0 : script.events.back().tick;
    next_event = 0;
    vtime = 0;
    vtimers.clear();
    keybuf.clear();
    sound_log.clear();
    message_log.clear();
    window_log.clear();
    turn_log.clear();
    captured_state.clear();
    state_captured = false;
    memset(joy_buttons, 0, sizeof joy_buttons);
    joy_stick = 0;
    script_seed = seed;
    srand(seed);
    if (const char* s = getenv("VANTOR_IDLE_MS")) idle_limit = ms_to_ticks(atol(s));
    if (const char* s = getenv("VANTOR_MAX_MS")) time_limit = ms_to_ticks(atol(s));
    if (const char* s = getenv("VANTOR_SHOTS")) shots_dir = s;
}

void door_init_from_env()
{
    const char* rec_path = getenv("VANTOR_RECORD");
    if (rec_path && *rec_path && !record_start(rec_path))
        fprintf(stderr, "vantor: cannot write the input recording %s\n", rec_path);
    const char* path = getenv("VANTOR_SCRIPT");
    if (!path || !*path) return;
    FILE* f = fopen(path, "rb");
    if (!f) {
        fprintf(stderr, "vantor: cannot read the input script %s\n", path);
        exit(2);
    }
    std::string text;
    char chunk[4096];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, f)) > 0) text.append(chunk, n);
    fclose(f);
    const char* seed = getenv("VANTOR_SEED");
    door_begin_script(text.c_str(), seed ? (unsigned)strtoul(seed, nullptr, 10) : 1u);
}

// ---- start-up ----

int door_quick_start()
{
    const char* s = getenv("VANTOR_START");
    return s && strcmp(s, "world") == 0 ? TRUE : FALSE;
}

int door_have_display()
{
    if (door_scripted) return TRUE;
    const char* d = getenv("DISPLAY");
    return d && *d;
}

int door_install_allegro()
{
    return install_allegro(door_scripted ? SYSTEM_NONE : SYSTEM_AUTODETECT, &errno, atexit);
}

int door_install_keyboard() { return door_scripted ? 0 : install_keyboard(); }
int door_install_timer() { return door_scripted ? 0 : install_timer(); }

int door_install_joystick(int type)
{
    if (door_scripted) return 0;
    int r = install_joystick(type);
    joystick_installed = r == 0;
    return r;
}

int door_set_gfx_mode(int card, int w, int h)
{
    if (!door_scripted) return set_gfx_mode(card, w, h, 0, 0);
    // Headless stands in for an X11 desktop, where the DGA drivers are refused.
    if (card != GFX_AUTODETECT && card != GFX_AUTODETECT_WINDOWED && card != GFX_AUTODETECT_FULLSCREEN &&
        card != GFX_XWINDOWS && card != GFX_XWINDOWS_FULLSCREEN) {
        snprintf(allegro_error, ALLEGRO_ERROR_SIZE, "This driver is not available here");
        return -1;
    }
    if (screen) destroy_bitmap(screen);
    screen = create_bitmap(w, h);
    if (!screen) return -1;
    clear_bitmap(screen);
    return 0;
}

void door_desktop_size(int* w, int* h)
{
    *w = *h = 0;
    // A scripted run pretends to sit on an 800 x 600 desktop.
    if (door_scripted) {
        *w = 800;
        *h = 600;
    } else if (get_desktop_resolution(w, h) != 0) {
        *w = *h = 0;
    }
}

void door_text_mode()
{
    if (!door_scripted) set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
}

int door_install_sound(int digi, int midi)
{
    if (door_scripted) return 0;
    int r = install_sound(digi, midi, nullptr);
    sound_installed = r == 0;
    return r;
}

void door_remove_sound()
{
    if (!door_scripted && sound_installed) remove_sound();
    sound_installed = FALSE;
}

void door_message(const char* text)
{
    if (door_scripted) {
        message_log.push_back(text);
        fputs(text, stderr);
        fputc('\n', stderr);
        return;
    }
    allegro_message("%s", text);
}

void door_log_window(const char* text)
{
    if (!door_scripted || !text) return;
    std::string one = text;
    std::replace(one.begin(), one.end(), '\n', '|');
    window_log.push_back(one);
}

int door_window_count() { return (int)window_log.size(); }

void door_log_turn(const char* text)
{
    if (door_scripted && text) turn_log.push_back(text);
}

int door_sound_count() { return (int)sound_log.size(); }

const char* door_sound_text(int i)
{
    return i >= 0 && i < (int)sound_log.size() ? sound_log[i].c_str() : nullptr;
}

const char* door_window_text(int i)
{
    return i >= 0 && i < (int)window_log.size() ? window_log[i].c_str() : nullptr;
}

void door_set_window_title(const char* title)
{
    if (!door_scripted) set_window_title(title);
}

void door_seed_random()
{
    unsigned seed = door_scripted ? script_seed : (unsigned)time(nullptr);
    record_seed(seed);
    srand(seed);
}

void door_set_dump_writer(void (*writer)(FILE* f)) { dump_writer = writer; }

void door_capture_state()
{
    if (!dump_writer || !getenv("VANTOR_DUMP")) return;
    char* text = nullptr;
    size_t len = 0;
    FILE* mem = open_memstream(&text, &len);
    if (!mem) return;
    dump_writer(mem);
    fclose(mem);
    captured_state.assign(text, len);
    free(text);
    state_captured = true;
}

void door_exit(int status)
{
    write_dump(status);
    fflush(stdout);
    fflush(stderr);
    exit(status);
}

// ---- clock ----

int door_install_int_ex(void (*proc)(), long speed)
{
    if (speed <= 0) speed = 1;
    if (!door_scripted) return install_int_ex(proc, speed);
    for (VirtualTimer& t : vtimers)
        if (t.proc == proc) {
            t.period = speed;
            t.next = vtime + speed;
            return 0;
        }
    vtimers.push_back({proc, speed, vtime + speed});
    return 0;
}

int door_install_int(void (*proc)(), long ms) { return door_install_int_ex(proc, (long)ms_to_ticks(ms)); }

void door_remove_int(void (*proc)())
{
    if (!door_scripted) {
        remove_int(proc);
        return;
    }
    vtimers.erase(std::remove_if(vtimers.begin(), vtimers.end(),
                                 [proc](const VirtualTimer& t) { return t.proc == proc; }),
                  vtimers.end());
}

void door_rest_at(unsigned ms, const char* where)
{
    if (!door_scripted) {
        record_sample(door_time_ms());
        rest(ms);
        return;
    }
    advance_to(vtime + ms_to_ticks(ms), where);
}

void door_vsync_at(const char* where)
{
    if (!door_scripted) {
        record_sample(door_time_ms());
        vsync();
        return;
    }
    long long frame = DOOR_TICKS_PER_SECOND / 60;
    advance_to((vtime / frame + 1) * frame, where);
}

void door_wait_at(const char* where)
{
    if (!door_scripted) {
        record_sample(door_time_ms());
        rest(1);
        return;
    }
    long long next = -1;
    for (const VirtualTimer& t : vtimers)
        if (next < 0 || t.next < next) next = t.next;
    if (next < 0) next = vtime + ms_to_ticks(1);
    advance_to(next, where);
}

long door_time_ms()
{
    if (door_scripted) return (long)(vtime * 1000 / DOOR_TICKS_PER_SECOND);
    static const auto start = std::chrono::steady_clock::now();
    return (long)std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                       start)
        .count();
}

// ---- input ----

void door_poll_keyboard()
{
    if (door_scripted) {
        count_poll("door_poll_keyboard");
        return;
    }
    if (keyboard_needs_poll()) poll_keyboard();
    record_sample(door_time_ms());
}

int door_keypressed_at(const char* where)
{
    if (!door_scripted) {
        record_sample(door_time_ms());
        return keypressed();
    }
    count_poll(where);
    return keybuf.empty() ? FALSE : TRUE;
}

int door_readkey_at(const char* where)
{
    if (!door_scripted) {
        record_sample(door_time_ms());
        int k = readkey();
        record_sample(door_time_ms());
        return k;
    }
    while (keybuf.empty()) door_wait_at(where);
    int k = keybuf.front();
    keybuf.erase(keybuf.begin());
    return k;
}

void door_clear_keybuf()
{
    if (door_scripted)
        keybuf.clear();
    else
        clear_keybuf();
}

void door_poll_joystick()
{
    if (door_scripted) {
        count_poll("door_poll_joystick");
        return;
    }
    if (joystick_installed) poll_joystick();
    record_sample(door_time_ms());
}

int door_joy_button(int n)
{
    if (n < 1 || n > 16) return FALSE;
    if (door_scripted) return joy_buttons[n] ? TRUE : FALSE;
    if (!joystick_installed || num_joysticks < 1 || n > joy[0].num_buttons) return FALSE;
    return joy[0].button[n - 1].b ? TRUE : FALSE;
}

static int live_stick(int axis, int positive)
{
    if (!joystick_installed || num_joysticks < 1 || joy[0].num_sticks < 1 || joy[0].stick[0].num_axis <= axis)
        return FALSE;
    const JOYSTICK_AXIS_INFO& a = joy[0].stick[0].axis[axis];
    return (positive ? a.d2 : a.d1) ? TRUE : FALSE;
}

int door_joy_up() { return door_scripted ? (joy_stick == 1 ? TRUE : FALSE) : live_stick(1, 0); }
int door_joy_down() { return door_scripted ? (joy_stick == 2 ? TRUE : FALSE) : live_stick(1, 1); }
int door_joy_left() { return door_scripted ? (joy_stick == 3 ? TRUE : FALSE) : live_stick(0, 0); }
int door_joy_right() { return door_scripted ? (joy_stick == 4 ? TRUE : FALSE) : live_stick(0, 1); }

// ---- sound ----

void door_set_sound_data(DATAFILE* d)
{
    sound_data = d;
    sound_count = count_objects(d);
}

void door_play_sample(int num, int vol, int pan, int freq, int loop)
{
    log_sound("sample %d vol %d pan %d freq %d loop %d", num, vol, pan, freq, loop ? 1 : 0);
    if (door_scripted || !sound_installed || !valid_object(num, DAT_SAMPLE)) return;
    play_sample((SAMPLE*)sound_data[num].dat, vol, pan, freq, loop);
}

void door_adjust_sample(int num, int vol, int pan, int freq, int loop)
{
    log_sound("adjust %d vol %d pan %d freq %d loop %d", num, vol, pan, freq, loop ? 1 : 0);
    if (door_scripted || !sound_installed || !valid_object(num, DAT_SAMPLE)) return;
    adjust_sample((SAMPLE*)sound_data[num].dat, vol, pan, freq, loop);
}

void door_stop_sample(int num)
{
    log_sound("stop_sample %d", num);
    if (door_scripted || !sound_installed || !valid_object(num, DAT_SAMPLE)) return;
    stop_sample((SAMPLE*)sound_data[num].dat);
}

void door_play_midi(int num, int loop)
{
    log_sound("midi %d loop %d", num, loop ? 1 : 0);
    midi_started = vtime;
    if (door_scripted || !sound_installed || !valid_object(num, DAT_MIDI)) return;
    play_midi((MIDI*)sound_data[num].dat, loop);
}

void door_stop_midi()
{
    log_sound("stop_midi");
    if (door_scripted || !sound_installed) return;
    stop_midi();
}

long door_midi_pos()
{
    if (door_scripted) return (long)((vtime - midi_started) * 1000 / DOOR_TICKS_PER_SECOND / 10);
    return sound_installed ? midi_pos : 0;
}

void door_midi_seek(long pos)
{
    log_sound("midi_seek %ld", pos);
    if (door_scripted || !sound_installed) return;
    midi_seek((int)pos);
}

void door_set_volume(int digi, int midi)
{
    log_sound("volume %d %d", digi, midi);
    if (door_scripted) return;
    set_volume(digi, midi);
}
