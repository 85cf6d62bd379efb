// The input-script language. One command per line; '#' starts a comment.
//   wait 500ms | wait 2s | wait 30    time passes (a bare number is milliseconds)
//   press KEY | hold KEY              the key goes down (and enters the key buffer)
//   release KEY                       the key comes up
//   tap KEY [MS]                      down for MS (default 50) ms, then up; the script waits twice that
//   type KEY                          the key enters the key buffer without going down
//   joy button N down|up              joystick button N (numbered from 1)
//   joy up|down|left|right|centre     the stick
//   shot NAME                         screenshot of the display as NAME.bmp
//   end                               the script is done; the game should end soon after
#include "door_script.h"

#include <allegro.h>

#include <cctype>
#include <cstdlib>
#include <sstream>

namespace {

struct KeyName {
    const char* name;
    int scancode;
    int ascii;
};

// clang-format off
const KeyName key_names[] = {
    {"enter", KEY_ENTER, 13},  {"esc", KEY_ESC, 27},      {"escape", KEY_ESC, 27},  {"up", KEY_UP, 0},
    {"down", KEY_DOWN, 0},     {"left", KEY_LEFT, 0},     {"right", KEY_RIGHT, 0},  {"alt", KEY_ALT, 0},
    {"ctrl", KEY_LCONTROL, 0}, {"shift", KEY_LSHIFT, 0},  {"space", KEY_SPACE, ' '}, {"backspace", KEY_BACKSPACE, 8},
    {"tab", KEY_TAB, 9},       {"tilde", KEY_TILDE, '~'}, {"~", KEY_TILDE, '~'},
};
// clang-format on

std::string lower(std::string s)
{
    for (char& c : s) c = (char)tolower((unsigned char)c);
    return s;
}

// "500ms", "2s", "30" -> ticks; -1 when malformed.
long long parse_duration(const std::string& w)
{
    char* end = nullptr;
    double v = strtod(w.c_str(), &end);
    if (end == w.c_str() || v < 0 || v > 1e7) return -1;
    std::string unit = lower(end);
    double ms;
    if (unit.empty() || unit == "ms")
        ms = v;
    else if (unit == "s")
        ms = v * 1000;
    else
        return -1;
    return (long long)(ms * DOOR_TICKS_PER_SECOND / 1000.0 + 0.5);
}

} // namespace

int script_key(const std::string& name, int* ascii)
{
    std::string n = lower(name);
    *ascii = 0;
    for (const KeyName& k : key_names)
        if (n == k.name) {
            *ascii = k.ascii;
            return k.scancode;
        }
    if (n.size() == 1 && n[0] >= 'a' && n[0] <= 'z') {
        *ascii = n[0];
        return KEY_A + (n[0] - 'a');
    }
    if (n.size() == 1 && n[0] >= '0' && n[0] <= '9') {
        *ascii = n[0];
        return KEY_0 + (n[0] - '0');
    }
    if (n.size() >= 2 && n[0] == 'f') {
        int f = atoi(n.c_str() + 1);
        if (f >= 1 && f <= 12 && n == "f" + std::to_string(f)) return KEY_F1 + f - 1;
    }
    return 0;
}

Script parse_script(const std::string& text)
{
    Script s;
    std::istringstream in(text);
    std::string raw;
    long long now = 0;
    int line = 0;
    auto fail = [&](const std::string& why) {
        s.events.clear();
        s.error = "line " + std::to_string(line) + ": " + why;
        return s;
    };
    while (std::getline(in, raw)) {
        line++;
        std::string body = raw.substr(0, raw.find('#'));
        std::istringstream ws(body);
        std::string cmd, a, b, c;
        if (!(ws >> cmd)) continue;
        ws >> a >> b >> c;
        cmd = lower(cmd);
        if (cmd == "wait") {
            long long d = parse_duration(a);
            if (d < 0) return fail("wait needs a duration such as 500ms or 2s");
            now += d;
        } else if (cmd == "press" || cmd == "hold" || cmd == "release" || cmd == "tap" || cmd == "type") {
            int ascii;
            int sc = script_key(a, &ascii);
            if (!sc) return fail("unknown key '" + a + "'");
            if (cmd == "release") {
                s.events.push_back({now, EV_KEY_UP, sc, 0, ""});
            } else if (cmd == "type") {
                s.events.push_back({now, EV_TYPE, sc, ascii, ""});
            } else if (cmd == "tap") {
                long long d = b.empty() ? parse_duration("50ms") : parse_duration(b);
                if (d <= 0) return fail("tap takes a positive duration");
                s.events.push_back({now, EV_KEY_DOWN, sc, ascii, ""});
                s.events.push_back({now + d, EV_KEY_UP, sc, 0, ""});
                now += 2 * d;
            } else {
                s.events.push_back({now, EV_KEY_DOWN, sc, ascii, ""});
            }
        } else if (cmd == "joy") {
            a = lower(a);
            if (a == "button") {
                int n = atoi(b.c_str());
                c = lower(c);
                if (n < 1 || n > 16 || (c != "down" && c != "up"))
                    return fail("joy button N down|up, N from 1 to 16");
                s.events.push_back({now, EV_JOY_BUTTON, n, c == "down" ? 1 : 0, ""});
            } else {
                const char* dirs[] = {"centre", "up", "down", "left", "right"};
                int d = -1;
                for (int i = 0; i < 5; i++)
                    if (a == dirs[i]) d = i;
                if (a == "center") d = 0;
                if (d < 0) return fail("joy up|down|left|right|centre or joy button N down|up");
                s.events.push_back({now, EV_JOY_STICK, d, 0, ""});
            }
        } else if (cmd == "shot") {
            if (a.empty()) return fail("shot needs a name");
            for (char ch : a)
                if (!isalnum((unsigned char)ch) && ch != '_' && ch != '-')
                    return fail("shot names use letters, digits, _ and -");
            s.events.push_back({now, EV_SHOT, 0, 0, a});
        } else if (cmd == "end") {
            s.events.push_back({now, EV_END, 0, 0, ""});
        } else {
            return fail("unknown command '" + cmd + "'");
        }
    }
    return s;
}
