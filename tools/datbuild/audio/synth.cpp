// Reads sound recipes and renders them. Everything is computed in doubles
// from fixed seeds, so a recipe always gives the same bytes.
#include "audio/synth.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <dirent.h>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

namespace {

const double kTwoPi = 6.283185307179586;

[[noreturn]] void recipe_fail(const std::string& file, int line, const std::string& what)
{
    throw std::runtime_error(file + ":" + std::to_string(line) + ": " + what);
}

double to_number(const std::string& s, const std::string& file, int line)
{
    char* end = nullptr;
    double v = strtod(s.c_str(), &end);
    if (s.empty() || *end != 0 || !std::isfinite(v)) recipe_fail(file, line, "not a number: '" + s + "'");
    return v;
}

const std::set<std::string>& layer_keys()
{
    static const std::set<std::string> keys = {
        "start",  "dur",   "freq",      "to",      "note",    "curve", "vib",      "vibdepth", "attack",
        "hold",   "decay", "sustain",   "release", "gain",    "duty",  "lp",       "lp_to",    "hp",
        "hp_to",  "bp",    "bp_to",     "q",       "mod",     "index", "index_to", "seed",     "density",
        "repeat", "step",  "pitchstep", "jitter",  "gainvar", "trem",  "tremdepth"};
    return keys;
}

const std::set<std::string>& waves()
{
    static const std::set<std::string> w = {"sine", "square", "saw", "tri", "noise", "brown", "crackle"};
    return w;
}

void add_param(SoundLayer& layer, const std::string& word, const std::string& file, int line)
{
    size_t eq = word.find('=');
    if (eq == std::string::npos) recipe_fail(file, line, "expected key=value, got '" + word + "'");
    std::string key = word.substr(0, eq), value = word.substr(eq + 1);
    if (key == "notes") {
        std::stringstream ss(value);
        std::string item;
        while (std::getline(ss, item, ',')) layer.notes.push_back(to_number(item, file, line));
        if (layer.notes.empty()) recipe_fail(file, line, "notes= needs at least one note");
        return;
    }
    if (!layer_keys().count(key)) recipe_fail(file, line, "unknown layer setting '" + key + "'");
    layer.param[key] = to_number(value, file, line);
}

// Tiny deterministic generator (xorshift), so noise never depends on the C library.
struct Rng {
    uint32_t s;
    explicit Rng(uint32_t seed) : s(seed ? seed : 0x9E3779B9u) {}
    uint32_t next()
    {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    double uniform() { return (next() >> 8) / 16777216.0; } // 0 .. 1
    double bipolar() { return uniform() * 2.0 - 1.0; }      // -1 .. 1
};

// Softens the corners of band-limited square and saw waves (polyBLEP).
double blep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double get(const SoundLayer& l, const char* key, double def)
{
    auto it = l.param.find(key);
    return it == l.param.end() ? def : it->second;
}

// Sweeps from a to b over u in 0..1, geometrically when both are positive.
double sweep(double a, double b, double u)
{
    if (a > 0 && b > 0) return a * std::pow(b / a, u);
    return a + (b - a) * u;
}

// Adds one strike of a layer into the mix.
void strike(const SoundLayer& l, std::vector<double>& mix, int rate, double start, double f0, double gain,
            Rng& rng)
{
    double dur = get(l, "dur", 0);
    double base = get(l, "freq", 440);
    double f1 = f0 * (get(l, "to", base) / base);
    double curve = get(l, "curve", 1);
    double vib = get(l, "vib", 0), vibdepth = get(l, "vibdepth", 0);
    double attack = std::max(get(l, "attack", 0.005), 0.001), hold = get(l, "hold", 0);
    double decay = get(l, "decay", 0), sustain = get(l, "sustain", decay > 0 ? 0 : 1);
    double release = std::max(get(l, "release", 0.01), 0.001);
    double duty = get(l, "duty", 0.5);
    double lp = get(l, "lp", 0), lp_to = get(l, "lp_to", lp);
    double bp = get(l, "bp", 0), bp_to = get(l, "bp_to", bp);
    double hp = get(l, "hp", 0), hp_to = get(l, "hp_to", hp);
    double damp = 1.0 / std::max(get(l, "q", 0.707), 0.2);
    double mod = get(l, "mod", 0), index = get(l, "index", 0), index_to = get(l, "index_to", index);
    double density = get(l, "density", 30);
    double trem = get(l, "trem", 0), tremdepth = get(l, "tremdepth", 0);
    bool held_noise = l.wave == "noise" && l.param.count("freq");

    int first = (int)std::lround(start * rate);
    int count = (int)std::lround(dur * rate);
    double phase = 0, mphase = 0, lp_low = 0, lp_band = 0, bp_low = 0, bp_band = 0;
    double hp_prev_in = 0, hp_out = 0, brown = 0, held = 0, crack = 0, crack_level = 0;
    for (int n = 0; n < count; n++) {
        int at = first + n;
        if (at < 0) continue;
        if (at >= (int)mix.size()) break;
        double t = (double)n / rate, u = count > 1 ? (double)n / (count - 1) : 0;
        double f = sweep(f0, f1, std::pow(u, curve));
        if (vib > 0) f *= std::pow(2.0, vibdepth / 12.0 * std::sin(kTwoPi * vib * t));
        double dt = f / rate;
        double prev_phase = phase;
        phase += dt;
        phase -= std::floor(phase);

        double v = 0;
        if (l.wave == "sine") {
            double im = sweep(index, index_to, u);
            mphase += dt * mod;
            mphase -= std::floor(mphase);
            v = std::sin(kTwoPi * phase + im * std::sin(kTwoPi * mphase));
        } else if (l.wave == "square") {
            v = (phase < duty ? 1.0 : -1.0) + blep(phase, dt);
            double p2 = phase - duty + (phase < duty ? 1.0 : 0.0);
            v -= blep(p2, dt);
        } else if (l.wave == "saw") {
            v = 2.0 * phase - 1.0 - blep(phase, dt);
        } else if (l.wave == "tri") {
            v = 1.0 - 4.0 * std::fabs(phase - 0.5);
        } else if (l.wave == "noise") {
            if (!held_noise || phase < prev_phase || n == 0) held = rng.bipolar();
            v = held;
        } else if (l.wave == "brown") {
            brown = (brown + 0.04 * rng.bipolar()) * 0.995;
            v = brown * 5.0;
        } else { // crackle: sparse pops of decaying noise
            if (rng.uniform() < density / rate) crack_level = 0.3 + 0.7 * rng.uniform();
            crack_level *= std::exp(-1.0 / (0.002 * rate));
            crack = rng.bipolar() * crack_level;
            v = crack;
        }

        if (lp > 0) {
            double c = std::min(sweep(lp, lp_to, u), rate / 6.0);
            double k = 2.0 * std::sin(M_PI * c / rate);
            lp_low += k * lp_band;
            double high = v - lp_low - damp * lp_band;
            lp_band += k * high;
            v = lp_low;
        }
        if (bp > 0) {
            double c = std::min(sweep(bp, bp_to, u), rate / 6.0);
            double k = 2.0 * std::sin(M_PI * c / rate);
            bp_low += k * bp_band;
            double high = v - bp_low - damp * bp_band;
            bp_band += k * high;
            v = bp_band;
        }
        if (hp > 0) {
            double c = sweep(hp, hp_to, u);
            double a = 1.0 / (1.0 + kTwoPi * c / rate);
            hp_out = a * (hp_out + v - hp_prev_in);
            hp_prev_in = v;
            v = hp_out;
        }

        double env;
        if (t < attack)
            env = t / attack;
        else if (t < attack + hold || decay <= 0)
            env = 1.0;
        else
            env = sustain + (1.0 - sustain) * std::exp(-5.0 * (t - attack - hold) / decay);
        double left = dur - t;
        if (left < release) env *= std::max(left, 0.0) / release;
        if (trem > 0) env *= 1.0 - tremdepth * (0.5 + 0.5 * std::sin(kTwoPi * trem * t));
        mix[at] += v * env * gain;
    }
}

} // namespace

SoundRecipe parse_sound(const std::string& text, const std::string& file)
{
    SoundRecipe r;
    std::istringstream in(text);
    std::string raw;
    int line = 0;
    bool have_header = false;
    while (std::getline(in, raw)) {
        line++;
        std::string s = raw.substr(0, raw.find('#'));
        std::istringstream words(s);
        std::vector<std::string> w;
        for (std::string x; words >> x;) w.push_back(x);
        if (w.empty()) continue;
        bool continued = (raw[0] == ' ' || raw[0] == '\t') && w[0].find('=') != std::string::npos;
        if (continued) {
            if (r.layers.empty()) recipe_fail(file, line, "settings without a layer");
            for (auto& x : w) add_param(r.layers.back(), x, file, line);
            continue;
        }
        const std::string& key = w[0];
        auto need = [&](size_t n) {
            if (w.size() != n)
                recipe_fail(file, line, "'" + key + "' takes " + std::to_string(n - 1) + " value(s)");
        };
        if (key == "sample") {
            need(3);
            r.number = (int)to_number(w[1], file, line);
            r.name = w[2];
            for (char c : r.name)
                if (!isalnum((unsigned char)c) && c != '_')
                    recipe_fail(file, line, "bad name '" + r.name + "'");
            have_header = true;
        } else if (!have_header) {
            recipe_fail(file, line, "a recipe starts with 'sample NUMBER NAME'");
        } else if (key == "about") {
            r.about = s.substr(s.find("about") + 5);
            r.about.erase(0, r.about.find_first_not_of(" \t"));
            r.about.erase(r.about.find_last_not_of(" \t\r") + 1);
        } else if (key == "rate") {
            need(2);
            r.rate = (int)to_number(w[1], file, line);
            if (r.rate < 8000 || r.rate > 44100) recipe_fail(file, line, "rate must be 8000 to 44100");
        } else if (key == "length") {
            need(2);
            r.length = to_number(w[1], file, line);
            if (r.length <= 0 || r.length > 10)
                recipe_fail(file, line, "length must be above 0 and at most 10 seconds");
        } else if (key == "peak") {
            need(2);
            r.peak = to_number(w[1], file, line);
            if (r.peak <= 0 || r.peak > 0.95)
                recipe_fail(file, line, "peak must be above 0 and at most 0.95");
        } else if (key == "loop") {
            need(2);
            r.loop = to_number(w[1], file, line);
            if (r.loop <= 0) recipe_fail(file, line, "loop crossfade must be above 0");
        } else if (key == "layer") {
            if (w.size() < 2) recipe_fail(file, line, "layer needs a wave");
            SoundLayer l;
            l.wave = w[1];
            l.line = line;
            if (!waves().count(l.wave)) recipe_fail(file, line, "unknown wave '" + l.wave + "'");
            for (size_t i = 2; i < w.size(); i++) add_param(l, w[i], file, line);
            r.layers.push_back(l);
        } else {
            recipe_fail(file, line, "unknown word '" + key + "'");
        }
    }
    if (!have_header) recipe_fail(file, line, "no 'sample NUMBER NAME' line");
    if (r.length <= 0) recipe_fail(file, line, "no length given");
    if (r.layers.empty()) recipe_fail(file, line, "no layers");
    if (r.loop * 2 > r.length) recipe_fail(file, line, "loop crossfade longer than half the sound");
    for (auto& l : r.layers) {
        if (l.param.count("freq") && l.param["freq"] <= 0) recipe_fail(file, l.line, "freq must be above 0");
        if (l.param.count("note") && l.param.count("freq"))
            recipe_fail(file, l.line, "give note or freq, not both");
        if (get(l, "start", 0) >= r.length) recipe_fail(file, l.line, "layer starts after the end");
    }
    return r;
}

std::vector<int16_t> render_sound(const SoundRecipe& r)
{
    int total = (int)std::lround((r.length + r.loop) * r.rate);
    std::vector<double> mix(total, 0.0);
    for (size_t li = 0; li < r.layers.size(); li++) {
        SoundLayer l = r.layers[li];
        double start = get(l, "start", 0);
        if (!l.param.count("dur")) l.param["dur"] = r.length + r.loop - start;
        if (l.param.count("note")) l.param["freq"] = 440.0 * std::pow(2.0, (l.param["note"] - 69) / 12.0);
        Rng rng((uint32_t)get(l, "seed", 1000 + 7919 * li));
        double base = get(l, "freq", 440), gain = get(l, "gain", 1);
        double step = get(l, "step", 0.1), jitter = get(l, "jitter", 0), gainvar = get(l, "gainvar", 0);
        int strikes = l.notes.empty() ? std::max(1, (int)get(l, "repeat", 1)) : (int)l.notes.size();
        for (int k = 0; k < strikes; k++) {
            double f = l.notes.empty() ? base * std::pow(2.0, k * get(l, "pitchstep", 0) / 12.0)
                                       : 440.0 * std::pow(2.0, (l.notes[k] - 69) / 12.0);
            if (!l.notes.empty()) l.param["freq"] = f; // so `to` keeps its ratio per note
            double at = start + k * step + (jitter > 0 ? rng.uniform() * jitter : 0);
            double g = gain * (1.0 - gainvar * rng.uniform());
            strike(l, mix, r.rate, at, f, g, rng);
            if (!l.notes.empty()) l.param["freq"] = base;
        }
    }

    // Low rumble layers drift; keep the mix centred.
    double prev_in = 0, out = 0, a = 1.0 / (1.0 + kTwoPi * 12.0 / r.rate);
    for (double& v : mix) {
        out = a * (out + v - prev_in);
        prev_in = v;
        v = out;
    }

    int length = (int)std::lround(r.length * r.rate);
    if (r.loop > 0) {
        // Fold the tail over the head so the last sample runs on into the first.
        int fade = total - length;
        for (int i = 0; i < fade; i++) {
            double x = (double)i / fade;
            mix[i] = mix[i] * std::sin(x * M_PI / 2) + mix[length + i] * std::cos(x * M_PI / 2);
        }
    }
    mix.resize(length);
    if (r.loop <= 0) {
        int tail = std::min(length, r.rate / 200);
        for (int i = 0; i < tail; i++) mix[length - 1 - i] *= (double)i / tail;
    }

    double top = 0;
    for (double v : mix) top = std::max(top, std::fabs(v));
    double scale = top > 0 ? r.peak * 32767.0 / top : 0;
    std::vector<int16_t> pcm(length);
    for (int i = 0; i < length; i++) {
        long v = std::lround(mix[i] * scale);
        pcm[i] = (int16_t)std::clamp(v, -32767L, 32767L);
    }
    return pcm;
}

std::string audio_read_file(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    if (!f) throw std::runtime_error(path + ": cannot read");
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

std::vector<std::string> audio_list_recipes(const std::string& dir)
{
    std::vector<std::string> names;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            std::string n = e->d_name;
            if (n.size() > 4 && n.compare(n.size() - 4, 4, ".txt") == 0) names.push_back(dir + "/" + n);
        }
        closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}
