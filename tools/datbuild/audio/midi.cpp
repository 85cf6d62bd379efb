// Compiles the music notation into MIDI track bytes. A piece loops from its
// start when it ends, so every track must end on the same tick and every note
// is released before its track ends.
#include "audio/midi.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <stdexcept>

namespace {

struct Tok {
    std::string s;
    int line;
};

struct Note {
    long start, len;
    int pitch, vel;
};

struct TrackSrc {
    std::string name;
    int line = 0;
    int channel = 1, program = 1, volume = 100, pan = 64, velocity = 90, reverb = 40, chorus = 0;
    int lo = 48, hi = 72; // register for voiced chords and the bass letters
    std::vector<Tok> body;
};

struct Beat {
    long step = 0;
    std::vector<std::pair<int, std::string>> rows; // drum key, grid
};

[[noreturn]] void fail_at(const std::string& file, int line, const std::string& what)
{
    throw std::runtime_error(file + ":" + std::to_string(line) + ": " + what);
}

// A comment is a '#' that starts a word; a '#' inside a word is a sharp (f#4).
std::string strip_comment(const std::string& raw)
{
    for (size_t i = 0; i < raw.size(); i++)
        if (raw[i] == '#' && (i == 0 || isspace((unsigned char)raw[i - 1]))) return raw.substr(0, i);
    return raw;
}

int to_int(const std::string& s, const std::string& file, int line)
{
    char* end = nullptr;
    long v = strtol(s.c_str(), &end, 10);
    if (s.empty() || *end != 0) fail_at(file, line, "not a whole number: '" + s + "'");
    return (int)v;
}

// "c4" = 60, "f#3", "bb5", "c-1".
bool parse_pitch(const std::string& s, int& pitch)
{
    static const int pcs[7] = {9, 11, 0, 2, 4, 5, 7}; // a b c d e f g
    if (s.size() < 2 || s[0] < 'a' || s[0] > 'g') return false;
    int pc = pcs[s[0] - 'a'];
    size_t i = 1;
    if (s[i] == '#')
        pc++, i++;
    else if (s[i] == 'b' && i + 1 < s.size())
        pc--, i++;
    if (i >= s.size()) return false;
    char* end = nullptr;
    long oct = strtol(s.c_str() + i, &end, 10);
    if (*end != 0 || end == s.c_str() + i) return false;
    pitch = 12 * ((int)oct + 1) + pc;
    return pitch >= 0 && pitch <= 127;
}

int drum_key(const std::string& name)
{
    static const std::map<std::string, int> keys = {
        {"kick", 36},   {"rim", 37},    {"snare", 38},   {"clap", 39},   {"snare2", 40},  {"tom3", 43},
        {"hat", 42},    {"phat", 44},   {"tom2", 47},    {"ohat", 46},   {"tom1", 50},    {"crash", 49},
        {"ride", 51},   {"china", 52},  {"bell", 53},    {"tamb", 54},   {"splash", 55},  {"cow", 56},
        {"bongo", 60},  {"lbongo", 61}, {"conga", 63},   {"lconga", 64}, {"timbale", 65}, {"agogo", 67},
        {"cabasa", 69}, {"shaker", 70}, {"whistle", 72}, {"guiro", 74},  {"clave", 75},   {"wood", 76},
        {"lwood", 77},  {"tri", 81},    {"mtri", 80}};
    auto it = keys.find(name);
    return it == keys.end() ? -1 : it->second;
}

// Chord qualities as intervals above the root.
bool chord_quality(const std::string& q, std::vector<int>& iv)
{
    static const std::map<std::string, std::vector<int>> table = {
        {"", {0, 4, 7}},       {"m", {0, 3, 7}},         {"7", {0, 4, 7, 10}},    {"maj7", {0, 4, 7, 11}},
        {"m7", {0, 3, 7, 10}}, {"dim", {0, 3, 6}},       {"dim7", {0, 3, 6, 9}},  {"m7b5", {0, 3, 6, 10}},
        {"aug", {0, 4, 8}},    {"sus2", {0, 2, 7}},      {"sus4", {0, 5, 7}},     {"7sus4", {0, 5, 7, 10}},
        {"6", {0, 4, 7, 9}},   {"m6", {0, 3, 7, 9}},     {"add9", {0, 2, 4, 7}},  {"madd9", {0, 2, 3, 7}},
        {"5", {0, 7}},         {"mmaj7", {0, 3, 7, 11}}, {"9", {0, 2, 4, 7, 10}}, {"m9", {0, 2, 3, 7, 10}}};
    auto it = table.find(q);
    if (it == table.end()) return false;
    iv = it->second;
    return true;
}

struct Piece {
    std::string file;
    int divisions = 96;
    long bar = 384;
    int beats = 4, unit = 4;
};

long parse_duration(const Piece& p, const std::string& s, int line)
{
    long total = 0;
    std::stringstream ss(s);
    std::string part;
    while (std::getline(ss, part, '+')) {
        bool dotted = false, triplet = false;
        while (!part.empty() && (part.back() == '.' || part.back() == 't')) {
            if (part.back() == '.')
                dotted = true;
            else
                triplet = true;
            part.pop_back();
        }
        int n = to_int(part, p.file, line);
        if (n != 1 && n != 2 && n != 4 && n != 8 && n != 16 && n != 32)
            fail_at(p.file, line, "a duration is 1, 2, 4, 8, 16 or 32: '" + s + "'");
        long t = p.divisions * 4 / n;
        if (dotted) t = t * 3 / 2;
        if (triplet) {
            if (t * 2 % 3) fail_at(p.file, line, "triplet too short: '" + s + "'");
            t = t * 2 / 3;
        }
        total += t;
    }
    if (total <= 0) fail_at(p.file, line, "empty duration");
    return total;
}

// Expands $NAME phrases and [ ... ]xN repeats into one flat token list.
void expand(const std::vector<Tok>& in, size_t& i, std::vector<Tok>& out,
            const std::map<std::string, std::vector<Tok>>& defs, const std::string& file, int depth,
            bool inner)
{
    if (depth > 16) fail_at(file, in.empty() ? 0 : in[0].line, "phrases nested too deeply");
    while (i < in.size()) {
        const Tok& t = in[i];
        if (t.s == "[") {
            i++;
            std::vector<Tok> body;
            expand(in, i, body, defs, file, depth + 1, true);
            if (i >= in.size()) fail_at(file, t.line, "'[' without ']'");
            const std::string& close = in[i].s;
            int times = 2;
            if (close.size() > 2 && close[1] == 'x')
                times = to_int(close.substr(2), file, in[i].line);
            else if (close != "]")
                fail_at(file, in[i].line, "a repeat closes with ']' or ']xN'");
            if (times < 1 || times > 64) fail_at(file, in[i].line, "repeat count must be 1 to 64");
            for (int k = 0; k < times; k++) out.insert(out.end(), body.begin(), body.end());
            i++;
        } else if (!t.s.empty() && t.s[0] == ']') {
            if (!inner) fail_at(file, t.line, "']' without '['");
            return;
        } else if (!t.s.empty() && t.s[0] == '$') {
            auto it = defs.find(t.s.substr(1));
            if (it == defs.end()) fail_at(file, t.line, "unknown phrase '" + t.s + "'");
            size_t j = 0;
            expand(it->second, j, out, defs, file, depth + 1, false);
            i++;
        } else {
            out.push_back(t);
            i++;
        }
    }
}

// Picks the close voicing of the pitch classes inside lo..hi that moves least from prev.
std::vector<int> voice(const std::vector<int>& pcs, int lo, int hi, const std::vector<int>& prev)
{
    std::vector<int> best;
    double best_cost = 1e9;
    int n = (int)pcs.size();
    for (int k = 0; k < n; k++) {
        for (int p = lo; p <= hi; p++) {
            if (((p % 12) + 12) % 12 != pcs[k]) continue;
            std::vector<int> v = {p};
            for (int j = 1; j < n; j++) {
                int want = pcs[(k + j) % n], q = v.back() + 1;
                while (q % 12 != want) q++;
                v.push_back(q);
            }
            if (v.back() > hi) continue;
            double cost = 0;
            if (prev.empty()) {
                double mean = 0;
                for (int x : v) mean += x;
                cost = std::fabs(mean / n - (lo + hi) / 2.0);
            } else {
                for (int x : v) {
                    int d = 999;
                    for (int y : prev) d = std::min(d, std::abs(x - y));
                    cost += d;
                }
                for (int y : prev) {
                    int d = 999;
                    for (int x : v) d = std::min(d, std::abs(x - y));
                    cost += d;
                }
            }
            if (cost < best_cost) best_cost = cost, best = v;
        }
    }
    return best;
}

struct Chord {
    int root = 0, bass = 0;
    std::vector<int> pcs, iv;
};

bool parse_chord(const std::string& s, Chord& c)
{
    static const int pcs[7] = {9, 11, 0, 2, 4, 5, 7};
    auto note = [&](const std::string& t, size_t& i, int& pc) {
        if (i >= t.size() || t[i] < 'A' || t[i] > 'G') return false;
        pc = pcs[t[i] - 'A'];
        i++;
        if (i < t.size() && t[i] == '#')
            pc++, i++;
        else if (i < t.size() && t[i] == 'b')
            pc--, i++;
        pc = (pc + 12) % 12;
        return true;
    };
    size_t i = 0;
    if (!note(s, i, c.root)) return false;
    size_t slash = s.find('/', i);
    std::string q = s.substr(i, slash == std::string::npos ? std::string::npos : slash - i);
    if (!chord_quality(q, c.iv)) return false;
    c.bass = c.root;
    if (slash != std::string::npos) {
        size_t j = slash + 1;
        if (!note(s, j, c.bass) || j != s.size()) return false;
    }
    c.pcs.clear();
    for (int x : c.iv) c.pcs.push_back((c.root + x) % 12);
    return true;
}

// Turns one track's tokens into notes; returns the track's length in ticks.
long play_track(const Piece& p, const TrackSrc& tr, const std::vector<Tok>& toks, std::vector<Note>& notes)
{
    const std::string& file = p.file;
    long t = 0, dur = p.divisions, bar_origin = 0;
    int vel = tr.velocity, shift = 0;
    long pat_step = 0, pat_origin = 0;
    std::vector<std::string> pat;
    std::vector<int> voicing;
    std::map<std::string, Beat> beats;

    auto split_dur = [&](const std::string& s, std::string& head, int line) {
        size_t c = s.find(':');
        head = s.substr(0, c);
        if (c != std::string::npos) dur = parse_duration(p, s.substr(c + 1), line);
    };

    for (size_t i = 0; i < toks.size(); i++) {
        const Tok& tk = toks[i];
        const std::string& s = tk.s;
        int line = tk.line;
        auto rest_of_line = [&]() {
            std::vector<std::string> w;
            while (i + 1 < toks.size() && toks[i + 1].line == line) w.push_back(toks[++i].s);
            return w;
        };
        if (s == "|") {
            if ((t - bar_origin) % p.bar)
                fail_at(file, line,
                        "bar line " + std::to_string((t - bar_origin) % p.bar) + " ticks into a bar (track " +
                            tr.name + ")");
        } else if (s.compare(0, 6, "shift=") == 0) {
            shift = to_int(s.substr(6), file, line);
            if (shift < -48 || shift > 48) fail_at(file, line, "shift must be -48 to 48");
        } else if (s == "||") {
            bar_origin = t;
        } else if (s[0] == 'v' && s.size() > 1 && isdigit((unsigned char)s[1])) {
            vel = to_int(s.substr(1), file, line);
            if (vel < 1 || vel > 127) fail_at(file, line, "velocity must be 1 to 127");
        } else if (s == "pat") {
            auto w = rest_of_line();
            if (w.size() < 2) fail_at(file, line, "pat STEP ELEMENTS...");
            pat_step = parse_duration(p, w[0], line);
            pat.assign(w.begin() + 1, w.end());
            for (auto& e : pat) {
                bool ok = e == "x" || e == "-" || e == "." || e == "R" || e == "F" || e == "O" || e == "T";
                if (!ok) {
                    char* end = nullptr;
                    long d = strtol(e.c_str(), &end, 10);
                    ok = !e.empty() && *end == 0 && d >= 0 && d < 12;
                }
                if (!ok) fail_at(file, line, "unknown pattern element '" + e + "'");
            }
            pat_origin = t;
        } else if (s == "beat") {
            auto w = rest_of_line();
            if (w.size() < 3) fail_at(file, line, "beat NAME STEP drum=grid...");
            Beat b;
            b.step = parse_duration(p, w[1], line);
            for (size_t k = 2; k < w.size(); k++) {
                size_t eq = w[k].find('=');
                if (eq == std::string::npos) fail_at(file, line, "expected drum=grid: '" + w[k] + "'");
                int key = drum_key(w[k].substr(0, eq));
                if (key < 0) fail_at(file, line, "unknown drum '" + w[k].substr(0, eq) + "'");
                std::string grid = w[k].substr(eq + 1);
                if (grid.find_first_not_of("xXo.") != std::string::npos)
                    fail_at(file, line, "a grid holds only x X o .");
                if (!b.rows.empty() && grid.size() != b.rows[0].second.size())
                    fail_at(file, line, "grids of one beat must be equally long");
                b.rows.push_back({key, grid});
            }
            beats[w[0]] = b;
        } else if (s[0] == '@') {
            auto it = beats.find(s.substr(1));
            if (it == beats.end()) fail_at(file, line, "unknown beat '" + s + "'");
            const Beat& b = it->second;
            for (auto& row : b.rows)
                for (size_t k = 0; k < row.second.size(); k++) {
                    char c = row.second[k];
                    if (c == '.') continue;
                    int v = c == 'X' ? std::min(127, vel + 25) : c == 'o' ? std::max(1, vel - 35) : vel;
                    notes.push_back(
                        {t + (long)k * b.step, std::min(b.step, (long)p.divisions / 4), row.first, v});
                }
            t += b.step * (long)b.rows[0].second.size();
        } else if (s[0] == '<') {
            std::vector<int> chord;
            std::string word = s.substr(1);
            for (;;) {
                size_t close = word.find('>');
                std::string name = word.substr(0, close);
                if (!name.empty()) {
                    int pitch;
                    if (!parse_pitch(name, pitch)) fail_at(file, line, "not a note: '" + name + "'");
                    chord.push_back(pitch);
                }
                if (close != std::string::npos) {
                    std::string tail = word.substr(close + 1), head;
                    if (!tail.empty()) {
                        if (tail[0] != ':') fail_at(file, line, "expected ':' after '>'");
                        split_dur(tail, head, line);
                    }
                    break;
                }
                if (++i >= toks.size()) fail_at(file, line, "'<' without '>'");
                word = toks[i].s;
            }
            for (int pitch : chord) {
                if (pitch + shift < 0 || pitch + shift > 127)
                    fail_at(file, line, "note shifted out of range");
                notes.push_back({t, dur, pitch + shift, vel});
            }
            t += dur;
        } else if (s[0] == 'r' && (s.size() == 1 || s[1] == ':')) {
            std::string head;
            split_dur(s, head, line);
            t += dur;
        } else if (s[0] >= 'a' && s[0] <= 'g') {
            std::string head;
            split_dur(s, head, line);
            int pitch;
            if (!parse_pitch(head, pitch)) fail_at(file, line, "not a note: '" + s + "'");
            pitch += shift;
            if (pitch < 0 || pitch > 127) fail_at(file, line, "note shifted out of range");
            notes.push_back({t, dur, pitch, vel});
            t += dur;
        } else if (s[0] >= 'A' && s[0] <= 'G') {
            std::string head;
            split_dur(s, head, line);
            Chord c;
            if (!parse_chord(head, c)) fail_at(file, line, "not a chord: '" + head + "'");
            if (pat.empty()) fail_at(file, line, "chord '" + head + "' before any 'pat'");
            if ((t - pat_origin) % pat_step || dur % pat_step)
                fail_at(file, line,
                        "chord '" + head + "' is off the pattern's step grid (track " + tr.name + ")");
            voicing = voice(c.pcs, tr.lo, tr.hi, voicing);
            if (voicing.empty()) fail_at(file, line, "chord '" + head + "' does not fit the track's range");
            int bass = tr.lo + ((c.bass - tr.lo) % 12 + 12) % 12;
            int third = c.iv.size() > 1 ? c.iv[1] : 4;
            std::vector<size_t> open; // notes of the step being held
            std::string last;
            for (long s0 = t; s0 < t + dur; s0 += pat_step) {
                size_t idx = (size_t)((s0 - pat_origin) / pat_step) % pat.size();
                std::string e = pat[idx];
                if (e == "-" && s0 == t) {
                    for (size_t back = 1; back <= pat.size() && (e == "-"); back++)
                        e = pat[(idx + pat.size() - back) % pat.size()];
                    if (e == "-") e = ".";
                }
                if (e == "-") {
                    for (size_t k : open) notes[k].len += pat_step;
                    continue;
                }
                open.clear();
                if (e == ".") continue;
                std::vector<int> ps;
                if (e == "x")
                    ps = voicing;
                else if (e == "R")
                    ps = {bass};
                else if (e == "F")
                    ps = {bass + 7};
                else if (e == "O")
                    ps = {bass + 12};
                else if (e == "T")
                    ps = {bass + third};
                else {
                    int d = atoi(e.c_str()), n = (int)voicing.size();
                    ps = {voicing[d % n] + 12 * (d / n)};
                }
                int v = vel;
                if ((s0 - bar_origin) % p.bar == 0)
                    v += 6;
                else if ((s0 - bar_origin) % p.divisions)
                    v -= 6;
                v = std::clamp(v, 1, 127);
                for (int q : ps) {
                    if (q < 0 || q > 127) fail_at(file, line, "pattern note out of range");
                    open.push_back(notes.size());
                    notes.push_back({s0, pat_step, q, v});
                }
            }
            t += dur;
        } else {
            fail_at(file, line, "unknown word '" + s + "' (track " + tr.name + ")");
        }
    }
    return t;
}

void put_var(std::vector<uint8_t>& b, long v)
{
    uint8_t tmp[5];
    int n = 0;
    tmp[n++] = v & 0x7F;
    while ((v >>= 7) > 0) tmp[n++] = (uint8_t)((v & 0x7F) | 0x80);
    while (n--) b.push_back(tmp[n]);
}

void put_meta(std::vector<uint8_t>& b, long delta, int type, const std::vector<uint8_t>& data)
{
    put_var(b, delta);
    b.push_back(0xFF);
    b.push_back((uint8_t)type);
    put_var(b, (long)data.size());
    b.insert(b.end(), data.begin(), data.end());
}

std::vector<uint8_t> track_bytes(const TrackSrc& tr, std::vector<Note> notes, long total)
{
    // A note struck again while it still sounds ends where the new one begins.
    std::stable_sort(notes.begin(), notes.end(),
                     [](const Note& a, const Note& b) { return a.start < b.start; });
    std::map<int, size_t> sounding;
    std::vector<bool> dropped(notes.size(), false);
    for (size_t i = 0; i < notes.size(); i++) {
        Note& n = notes[i];
        if (n.start + n.len > total) n.len = total - n.start;
        auto it = sounding.find(n.pitch);
        if (it != sounding.end()) {
            Note& old = notes[it->second];
            if (old.start + old.len > n.start) {
                old.len = n.start - old.start;
                if (old.len <= 0) dropped[it->second] = true;
            }
        }
        sounding[n.pitch] = i;
    }
    struct Ev {
        long tick;
        int order; // releases before strikes on the same tick
        uint8_t a, b, c;
    };
    std::vector<Ev> evs;
    int ch = tr.channel - 1;
    for (size_t i = 0; i < notes.size(); i++) {
        if (dropped[i] || notes[i].len <= 0) continue;
        const Note& n = notes[i];
        evs.push_back({n.start, 1, (uint8_t)(0x90 | ch), (uint8_t)n.pitch, (uint8_t)n.vel});
        evs.push_back({n.start + n.len, 0, (uint8_t)(0x80 | ch), (uint8_t)n.pitch, 64});
    }
    std::stable_sort(evs.begin(), evs.end(), [](const Ev& x, const Ev& y) {
        return x.tick != y.tick ? x.tick < y.tick : x.order < y.order;
    });

    std::vector<uint8_t> b;
    put_meta(b, 0, 0x03, std::vector<uint8_t>(tr.name.begin(), tr.name.end()));
    auto put3 = [&](long d, uint8_t x, uint8_t y, uint8_t z) {
        put_var(b, d);
        b.push_back(x), b.push_back(y), b.push_back(z);
    };
    put_var(b, 0);
    b.push_back((uint8_t)(0xC0 | ch));
    b.push_back((uint8_t)(tr.program - 1));
    put3(0, (uint8_t)(0xB0 | ch), 7, (uint8_t)tr.volume);
    put3(0, (uint8_t)(0xB0 | ch), 10, (uint8_t)tr.pan);
    put3(0, (uint8_t)(0xB0 | ch), 91, (uint8_t)tr.reverb);
    put3(0, (uint8_t)(0xB0 | ch), 93, (uint8_t)tr.chorus);
    long now = 0;
    for (const Ev& e : evs) {
        put3(e.tick - now, e.a, e.b, e.c);
        now = e.tick;
    }
    put_meta(b, total - now, 0x2F, {});
    return b;
}

} // namespace

MidiPiece compile_music(const std::string& text, const std::string& file)
{
    MidiPiece m;
    Piece p;
    p.file = file;
    std::map<std::string, std::vector<Tok>> defs;
    std::vector<TrackSrc> tracks;
    std::istringstream in(text);
    std::string raw;
    int line = 0;
    std::vector<Tok>* body = nullptr; // the define or track being read
    bool in_track = false;
    while (std::getline(in, raw)) {
        line++;
        std::string s = strip_comment(raw);
        std::istringstream ws(s);
        std::vector<std::string> w;
        for (std::string x; ws >> x;) w.push_back(x);
        if (w.empty()) continue;
        if (body) {
            if (w[0] == "end" && w.size() == 1) {
                body = nullptr;
                in_track = false;
                continue;
            }
            for (auto& x : w) body->push_back({x, line});
            continue;
        }
        const std::string& key = w[0];
        if (key == "piece") {
            if (w.size() != 3) fail_at(file, line, "piece NUMBER NAME");
            m.number = to_int(w[1], file, line);
            m.name = w[2];
        } else if (m.number < 0) {
            fail_at(file, line, "a piece starts with 'piece NUMBER NAME'");
        } else if (key == "about") {
            m.about = s.substr(s.find("about") + 5);
            m.about.erase(0, m.about.find_first_not_of(" \t"));
            m.about.erase(m.about.find_last_not_of(" \t\r") + 1);
        } else if (key == "tempo") {
            if (w.size() != 2) fail_at(file, line, "tempo BPM");
            m.tempo = to_int(w[1], file, line);
            if (m.tempo < 30 || m.tempo > 300) fail_at(file, line, "tempo must be 30 to 300");
        } else if (key == "meter") {
            if (w.size() != 2 || w[1].find('/') == std::string::npos) fail_at(file, line, "meter N/D");
            p.beats = to_int(w[1].substr(0, w[1].find('/')), file, line);
            p.unit = to_int(w[1].substr(w[1].find('/') + 1), file, line);
            if (p.beats < 1 || p.beats > 16 || (p.unit != 2 && p.unit != 4 && p.unit != 8))
                fail_at(file, line, "meter must be 1..16 over 2, 4 or 8");
            p.bar = (long)p.divisions * 4 / p.unit * p.beats;
        } else if (key == "define") {
            if (w.size() != 2) fail_at(file, line, "define NAME");
            if (defs.count(w[1])) fail_at(file, line, "phrase '" + w[1] + "' defined twice");
            body = &defs[w[1]];
        } else if (key == "track") {
            if (w.size() < 2) fail_at(file, line, "track NAME settings...");
            TrackSrc tr;
            tr.name = w[1];
            tr.line = line;
            for (size_t k = 2; k < w.size(); k++) {
                size_t eq = w[k].find('=');
                if (eq == std::string::npos) fail_at(file, line, "expected key=value: '" + w[k] + "'");
                std::string k2 = w[k].substr(0, eq), v = w[k].substr(eq + 1);
                auto num = [&](int lo, int hi) {
                    int x = to_int(v, file, line);
                    if (x < lo || x > hi)
                        fail_at(file, line,
                                k2 + " must be " + std::to_string(lo) + " to " + std::to_string(hi));
                    return x;
                };
                if (k2 == "ch")
                    tr.channel = num(1, 16);
                else if (k2 == "prog")
                    tr.program = num(1, 128);
                else if (k2 == "vol")
                    tr.volume = num(0, 127);
                else if (k2 == "pan")
                    tr.pan = num(0, 127);
                else if (k2 == "vel")
                    tr.velocity = num(1, 127);
                else if (k2 == "rev")
                    tr.reverb = num(0, 127);
                else if (k2 == "cho")
                    tr.chorus = num(0, 127);
                else if (k2 == "range") {
                    size_t dash = v.find('-', 1);
                    if (dash == std::string::npos || !parse_pitch(v.substr(0, dash), tr.lo) ||
                        !parse_pitch(v.substr(dash + 1), tr.hi) || tr.hi - tr.lo < 11)
                        fail_at(file, line, "range=LOW-HIGH spanning at least an octave");
                } else
                    fail_at(file, line, "unknown track setting '" + k2 + "'");
            }
            for (auto& o : tracks)
                if (o.channel == tr.channel)
                    fail_at(file, line, "two tracks on channel " + std::to_string(tr.channel));
            tracks.push_back(tr);
            body = &tracks.back().body;
            in_track = true;
        } else {
            fail_at(file, line, "unknown word '" + key + "'");
        }
    }
    if (body) fail_at(file, line, in_track ? "track without 'end'" : "define without 'end'");
    if (m.number < 0) fail_at(file, line, "no 'piece NUMBER NAME' line");
    if (tracks.empty()) fail_at(file, line, "no tracks");
    if (tracks.size() > 31) fail_at(file, line, "at most 31 tracks");

    std::vector<std::vector<Note>> notes(tracks.size());
    std::vector<long> ends(tracks.size());
    for (size_t k = 0; k < tracks.size(); k++) {
        std::vector<Tok> flat;
        size_t i = 0;
        expand(tracks[k].body, i, flat, defs, file, 0, false);
        ends[k] = play_track(p, tracks[k], flat, notes[k]);
    }
    long total = ends[0];
    for (size_t k = 1; k < tracks.size(); k++)
        if (ends[k] != total) {
            char msg[200];
            snprintf(msg, sizeof msg, "track %s lasts %g quarter notes but track %s lasts %g",
                     tracks[k].name.c_str(), ends[k] * 1.0 / p.divisions, tracks[0].name.c_str(),
                     total * 1.0 / p.divisions);
            fail_at(file, tracks[k].line, msg);
        }
    if (total <= 0) fail_at(file, line, "the piece is empty");
    if (total % p.bar) fail_at(file, line, "the piece does not end on a bar line");

    m.divisions = p.divisions;
    m.ticks = total;
    m.seconds = total / (double)p.divisions * 60.0 / m.tempo;
    std::vector<uint8_t> cond;
    long us = 60000000L / m.tempo;
    put_meta(cond, 0, 0x51, {(uint8_t)(us >> 16), (uint8_t)(us >> 8), (uint8_t)us});
    int dd = p.unit == 2 ? 1 : p.unit == 4 ? 2 : 3;
    put_meta(cond, 0, 0x58, {(uint8_t)p.beats, (uint8_t)dd, 24, 8});
    put_meta(cond, total, 0x2F, {});
    m.tracks.push_back(cond);
    for (size_t k = 0; k < tracks.size(); k++) m.tracks.push_back(track_bytes(tracks[k], notes[k], total));
    return m;
}
