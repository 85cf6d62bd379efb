// Sound effects and music of data.dat: every recipe and every piece is
// rendered or compiled here and its output checked the way the game's
// mixer and MIDI player will meet it.
#include "harness.h"
#include <gtest/gtest.h>

#include <allegro.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

#include "audio/midi.h"
#include "audio/synth.h"

namespace {

const std::string kAssets = std::string(VANTOR_SOURCE_DIR) + "/assets";

// ---- a standard MIDI track reader, strict about what the player relies on ----

struct Heard {
    long on, off;
    int channel, pitch;
};

struct TrackScan {
    long end_tick = -1; // tick of end-of-track
    bool has_tempo = false;
    std::vector<Heard> notes;
};

long read_var(const std::vector<uint8_t>& b, size_t& i)
{
    long v = 0;
    for (int n = 0; n < 4; n++) {
        if (i >= b.size()) throw std::runtime_error("delta time runs off the track");
        uint8_t c = b[i++];
        v = (v << 7) | (c & 0x7F);
        if (!(c & 0x80)) return v;
    }
    throw std::runtime_error("delta time longer than four bytes");
}

TrackScan scan_track(const std::vector<uint8_t>& b)
{
    TrackScan s;
    size_t i = 0;
    long tick = 0;
    int status = 0;
    std::map<std::pair<int, int>, long> open;
    while (i < b.size()) {
        if (s.end_tick >= 0) throw std::runtime_error("bytes after end-of-track");
        tick += read_var(b, i);
        if (i >= b.size()) throw std::runtime_error("event missing after delta time");
        uint8_t c = b[i];
        if (c == 0xFF) {
            if (i + 1 >= b.size()) throw std::runtime_error("cut meta event");
            int type = b[i + 1];
            i += 2;
            long len = read_var(b, i);
            if (i + len > b.size()) throw std::runtime_error("meta event longer than the track");
            if (type == 0x51) s.has_tempo = true;
            if (type == 0x2F) s.end_tick = tick;
            i += len;
            continue;
        }
        if (c == 0xF0 || c == 0xF7) {
            i++;
            i += read_var(b, i);
            continue;
        }
        if (c & 0x80) {
            status = c;
            i++;
        } else if (!status) {
            throw std::runtime_error("running status before any status byte");
        }
        int kind = status & 0xF0, ch = status & 0x0F;
        int len = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
        if (i + len > b.size()) throw std::runtime_error("cut channel event");
        for (int k = 0; k < len; k++)
            if (b[i + k] & 0x80) throw std::runtime_error("data byte with the top bit set");
        if (kind == 0x90 && b[i + 1] > 0) {
            if (open.count({ch, b[i]})) throw std::runtime_error("note struck again while sounding");
            open[{ch, b[i]}] = tick;
        } else if (kind == 0x80 || kind == 0x90) {
            auto it = open.find({ch, b[i]});
            if (it == open.end()) throw std::runtime_error("note-off without a note-on");
            s.notes.push_back({it->second, tick, ch, b[i]});
            open.erase(it);
        }
        i += len;
    }
    if (s.end_tick < 0) throw std::runtime_error("no end-of-track");
    if (!open.empty()) throw std::runtime_error("a note still sounds at end-of-track");
    return s;
}

struct Source {
    std::string path, text;
};

std::vector<Source> sources(const std::string& folder)
{
    std::vector<Source> out;
    for (auto& p : audio_list_recipes(kAssets + "/" + folder)) out.push_back({p, audio_read_file(p)});
    return out;
}

// The error a source gives, or "" when it compiles.
template <class F>
std::string error_of(F f)
{
    try {
        f();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

std::vector<Heard> compile_notes(const std::string& text)
{
    MidiPiece m = compile_music(text, "t.txt");
    std::vector<Heard> all;
    for (size_t t = 1; t < m.tracks.size(); t++) {
        auto s = scan_track(m.tracks[t]);
        all.insert(all.end(), s.notes.begin(), s.notes.end());
    }
    std::sort(all.begin(), all.end(),
              [](const Heard& a, const Heard& b) { return a.on != b.on ? a.on < b.on : a.pitch < b.pitch; });
    return all;
}

// Manifest lines of data_sound.txt: number -> (type, name).
std::map<int, std::pair<std::string, std::string>> manifest()
{
    std::map<int, std::pair<std::string, std::string>> out;
    std::ifstream f(kAssets + "/manifest/data_sound.txt");
    std::string line;
    while (std::getline(f, line)) {
        line = line.substr(0, line.find('#'));
        std::istringstream w(line);
        int n;
        std::string type, size, name;
        if (w >> n >> type >> size >> name) out[n] = {type, name};
    }
    return out;
}

} // namespace

// ---------------------------------------------------------------- music

TEST(Music, EveryPieceIsAWellFormedCleanLoop)
{
    auto all = sources("music");
    ASSERT_GE(all.size(), 18u);
    for (auto& src : all) {
        SCOPED_TRACE(src.path);
        MidiPiece m = compile_music(src.text, src.path);
        ASSERT_GE(m.tracks.size(), 4u);
        ASSERT_LE(m.tracks.size(), 32u);
        EXPECT_TRUE(scan_track(m.tracks[0]).has_tempo);
        std::set<int> pitches;
        int turns = 0;
        for (size_t t = 0; t < m.tracks.size(); t++) {
            TrackScan s;
            ASSERT_NO_THROW(s = scan_track(m.tracks[t])) << "track " << t;
            // Every track ends on the same tick, so the loop restarts cleanly.
            EXPECT_EQ(s.end_tick, m.ticks) << "track " << t;
            for (auto& n : s.notes) {
                EXPECT_LE(n.off, m.ticks);
                EXPECT_GT(n.off, n.on);
                if (n.channel != 9) pitches.insert(n.pitch);
            }
            if (t == 1) { // the lead voice moves both ways, it is no scale
                for (size_t k = 2; k < s.notes.size(); k++) {
                    int a = s.notes[k - 1].pitch - s.notes[k - 2].pitch;
                    int b = s.notes[k].pitch - s.notes[k - 1].pitch;
                    if ((a > 0 && b < 0) || (a < 0 && b > 0)) turns++;
                }
            }
        }
        EXPECT_GE(pitches.size(), 12u);
        EXPECT_GE(turns, 6);
        double lo = m.name == "MUS_VICTORY" ? 15 : 30;
        EXPECT_GE(m.seconds, lo);
        EXPECT_LE(m.seconds, 95);
    }
}

TEST(Music, DrumsStayOnTheDrumChannel)
{
    for (auto& src : sources("music")) {
        SCOPED_TRACE(src.path);
        MidiPiece m = compile_music(src.text, src.path);
        for (size_t t = 1; t < m.tracks.size(); t++) {
            auto s = scan_track(m.tracks[t]);
            std::set<int> channels;
            for (auto& n : s.notes) channels.insert(n.channel);
            EXPECT_LE(channels.size(), 1u) << "track " << t << " plays on several channels";
        }
    }
    // A drum grid plays General MIDI keys on channel 10.
    auto notes = compile_notes("piece 1 T\ntrack d ch=10\n beat b 8 kick=x... snare=..x.\n @b @b |\nend\n");
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_EQ(notes[0].channel, 9);
    EXPECT_EQ(notes[0].pitch, 36);
    EXPECT_EQ(notes[1].pitch, 38);
    EXPECT_EQ(notes[1].on, 96);
}

TEST(Music, BattleMusicJoinsOnTheFillAtBeatSix)
{
    // Random fights seek the battle piece to beat 6: the drums must be busy there.
    auto all = sources("music");
    auto it = std::find_if(all.begin(), all.end(),
                           [](const Source& s) { return s.text.find("piece 47 ") != std::string::npos; });
    ASSERT_NE(it, all.end());
    MidiPiece m = compile_music(it->text, it->path);
    int hits = 0;
    for (size_t t = 1; t < m.tracks.size(); t++)
        for (auto& n : scan_track(m.tracks[t]).notes)
            if (n.channel == 9 && n.on >= 6 * m.divisions && n.on < 8 * m.divisions) hits++;
    EXPECT_GE(hits, 6);
}

TEST(Music, ChordsMoveByTheSmallestStepsAndPatternsFillThem)
{
    auto notes = compile_notes("piece 1 T\ntempo 120\nmeter 4/4\n"
                               "track pad ch=1 range=c4-c5\n pat 1 x\n C:1 | Am:1 | F:1 | G:1 |\nend\n");
    ASSERT_EQ(notes.size(), 12u);
    // Common tones are kept: C (c e g) to Am keeps c and e.
    std::vector<int> c = {notes[0].pitch, notes[1].pitch, notes[2].pitch};
    std::vector<int> am = {notes[3].pitch, notes[4].pitch, notes[5].pitch};
    int kept = 0;
    for (int p : am) kept += std::count(c.begin(), c.end(), p);
    EXPECT_EQ(kept, 2);
    for (auto& n : notes) {
        EXPECT_GE(n.pitch, 60);
        EXPECT_LE(n.pitch, 72);
    }

    // A hold at the start of a chord strikes it anyway; bass letters sit at the range's floor.
    notes = compile_notes("piece 1 T\ntrack b ch=2 range=e2-d#3\n pat 2 R -\n C:2 G:2 |\nend\n");
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].pitch, 48);
    EXPECT_EQ(notes[1].pitch, 43);
    EXPECT_EQ(notes[1].on, 192);
}

TEST(Music, RepeatsPhrasesShiftsAndOverlaps)
{
    auto notes = compile_notes("piece 1 T\ndefine P\n c4:8 e4:8\nend\n"
                               "track m ch=1\n [ $P ]x4 |\n shift=12\n $P r:4 c5:2 |\nend\n");
    ASSERT_EQ(notes.size(), 11u);
    EXPECT_EQ(notes[8].pitch, 72);
    EXPECT_EQ(notes[9].pitch, 76);
    // The same key struck twice at once in one voice sounds once and is released once.
    auto a = compile_notes("piece 1 T\ntrack m ch=1\n <c4 c4 e4>:2 <c4 g4>:2 |\nend\n");
    EXPECT_EQ(a.size(), 4u);
}

TEST(Music, MistakesNameTheFileAndLine)
{
    struct Case {
        const char* text;
        const char* where;
    } cases[] = {
        {"piece 1 T\ntrack m ch=1\n c4:4 d4:4 e4:4 |\nend\n", "t.txt:3: bar line"},
        {"piece 1 T\ntrack m ch=1\n c4:1 |\nend\ntrack n ch=2\n c4:2\nend\n", "t.txt:5: track n lasts 2"},
        {"piece 1 T\ntrack m ch=1\n pat 4 x\n Cmaj13:1 |\nend\n", "t.txt:4: not a chord"},
        {"piece 1 T\ntrack m ch=1\n h4:1\nend\n", "t.txt:3: unknown word"},
        {"piece 1 T\ntrack m ch=1\n c4:3\nend\n", "t.txt:3: a duration"},
        {"piece 1 T\ntrack m ch=10\n beat b 8 cowbell=x\nend\n", "t.txt:3: unknown drum"},
        {"piece 1 T\ntrack m ch=1\n [ c4:1 |\nend\n", "t.txt:3: '[' without ']'"},
        {"piece 1 T\ntrack m ch=1\n c4:1\n", "track without 'end'"},
        {"tempo 90\n", "t.txt:1: a piece starts with"},
        {"piece 1 T\ntrack m ch=1\nend\ntrack n ch=1\nend\n", "t.txt:4: two tracks on channel 1"},
    };
    for (auto& c : cases) {
        std::string e = error_of([&] { compile_music(c.text, "t.txt"); });
        EXPECT_NE(e.find(c.where), std::string::npos) << "got: " << e << "\nwanted: " << c.where;
    }
}

// ---------------------------------------------------------------- sounds

TEST(Sounds, EveryRecipeIsAudibleUnclippedAndClickFree)
{
    auto all = sources("sound");
    ASSERT_GE(all.size(), 36u);
    for (auto& src : all) {
        SCOPED_TRACE(src.path);
        SoundRecipe r = parse_sound(src.text, src.path);
        auto pcm = render_sound(r);
        ASSERT_EQ((long)pcm.size(), std::lround(r.length * r.rate));
        EXPECT_EQ(pcm, render_sound(r)) << "rendering is not deterministic";
        double sum = 0;
        int top = 0;
        for (int16_t s : pcm) {
            sum += (double)s * s;
            top = std::max(top, std::abs((int)s));
        }
        EXPECT_GT(std::sqrt(sum / pcm.size()), 800.0) << "too quiet";
        EXPECT_LE(top, (int)(0.95 * 32767) + 1) << "clips";
        EXPECT_NEAR(top, r.peak * 32767, 2);
        if (r.loop <= 0) {
            EXPECT_LT(std::abs(pcm.front()), 1500);
            EXPECT_LT(std::abs(pcm.back()), 200);
        }
    }
}

TEST(Sounds, LoopsJoinWithoutASeamOrAFade)
{
    int loops = 0;
    for (auto& src : sources("sound")) {
        SoundRecipe r = parse_sound(src.text, src.path);
        if (r.loop <= 0) continue;
        SCOPED_TRACE(src.path);
        loops++;
        auto pcm = render_sound(r);
        // The jump from the last sample back to the first is no bigger than
        // the steps inside the sound.
        int biggest = 0;
        for (size_t i = 1; i < pcm.size(); i++) biggest = std::max(biggest, std::abs(pcm[i] - pcm[i - 1]));
        EXPECT_LE(std::abs(pcm.front() - pcm.back()), biggest);
        // Both ends are as loud as the middle: nothing fades at the seam.
        auto rms = [&](size_t from, size_t n) {
            double s = 0;
            for (size_t i = from; i < from + n; i++) s += (double)pcm[i] * pcm[i];
            return std::sqrt(s / n);
        };
        size_t tenth = pcm.size() / 10;
        double head = rms(0, tenth), tail = rms(pcm.size() - tenth, tenth), mid = rms(pcm.size() / 2, tenth);
        EXPECT_GT(head, mid * 0.5);
        EXPECT_GT(tail, mid * 0.5);
    }
    EXPECT_GE(loops, 7); // ghost, dread, quake, rain, grind, sand, glow
}

TEST(Sounds, MistakesNameTheFileAndLine)
{
    struct Case {
        const char* text;
        const char* where;
    } cases[] = {
        {"sample 1 A\nlength 0.5\nlayer sine freq=abc\n", "bad.txt:3: not a number"},
        {"sample 1 A\nlength 0.5\nlayer harp\n", "bad.txt:3: unknown wave"},
        {"sample 1 A\nlength 0.5\nlayer sine pitch=3\n", "bad.txt:3: unknown layer setting"},
        {"length 0.5\n", "bad.txt:1: a recipe starts with"},
        {"sample 1 A\nlength 0.5\n  freq=3\n", "bad.txt:3: settings without a layer"},
        {"sample 1 A\nlength 0.5\nlayer sine\nvolume 3\n", "bad.txt:4: unknown word"},
        {"sample 1 A\nlength 0.5\n", "no layers"},
        {"sample 1 A\nlength 1\nloop 0.8\nlayer noise\n", "loop crossfade longer"},
        {"sample 1 A\nlength 0.5\npeak 1.2\nlayer sine\n", "bad.txt:3: peak"},
    };
    for (auto& c : cases) {
        std::string e = error_of([&] { parse_sound(c.text, "bad.txt"); });
        EXPECT_NE(e.find(c.where), std::string::npos) << "got: " << e << "\nwanted: " << c.where;
    }
}

TEST(Sounds, SweepsAndNotesLandWhereWritten)
{
    // A single A440 sine crosses zero 880 times a second.
    auto pcm = render_sound(parse_sound("sample 1 A\nlength 1\nlayer sine freq=440\n", "a.txt"));
    int crossings = 0;
    for (size_t i = 1; i < pcm.size(); i++) crossings += (pcm[i - 1] < 0) != (pcm[i] < 0);
    EXPECT_NEAR(crossings, 880, 4);
    // notes= strikes the layer once per note, step seconds apart.
    auto r = parse_sound("sample 1 A\nlength 1\nlayer sine notes=69,81 step=0.5 dur=0.4\n", "a.txt");
    pcm = render_sound(r);
    double early = 0, gap = 0;
    for (int i = 0; i < 8000; i++) early += std::abs(pcm[i]);
    for (int i = 9500; i < 10500; i++) gap += std::abs(pcm[i]);
    EXPECT_GT(early / 8000, 20 * gap / 1000);
}

// ---------------------------------------------------------------- manifest and datafile

TEST(AudioData, ManifestListsEverySourceOnce)
{
    auto man = manifest();
    std::map<int, std::string> built;
    for (auto& src : sources("sound")) {
        SoundRecipe r = parse_sound(src.text, src.path);
        ASSERT_FALSE(built.count(r.number)) << "number " << r.number << " used twice";
        built[r.number] = r.name;
        ASSERT_TRUE(man.count(r.number)) << src.path;
        EXPECT_EQ(man[r.number].first, "SAMP");
        EXPECT_EQ(man[r.number].second, r.name);
    }
    for (auto& src : sources("music")) {
        MidiPiece m = compile_music(src.text, src.path);
        ASSERT_FALSE(built.count(m.number)) << "number " << m.number << " used twice";
        built[m.number] = m.name;
        ASSERT_TRUE(man.count(m.number)) << src.path;
        EXPECT_EQ(man[m.number].first, "MIDI");
        EXPECT_EQ(man[m.number].second, m.name);
    }
    EXPECT_EQ(built.size(), man.size()) << "the manifest lists objects no source builds";
}

TEST(AudioData, BuiltDatafileHoldsTheSoundsAndMusicAtTheirNumbers)
{
    DATAFILE* dat = built_datafile("data");
    ASSERT_NE(dat, nullptr) << "data.dat was not built or does not load";
    int count = 0;
    while (dat[count].type != DAT_END) count++;
    for (auto& src : sources("sound")) {
        SoundRecipe r = parse_sound(src.text, src.path);
        ASSERT_LT(r.number, count);
        ASSERT_EQ(dat[r.number].type, (int)DAT_SAMPLE) << src.path;
        SAMPLE* s = (SAMPLE*)dat[r.number].dat;
        auto pcm = render_sound(r);
        ASSERT_EQ(s->bits, 16);
        EXPECT_EQ(s->freq, r.rate);
        ASSERT_EQ(s->len, pcm.size());
        // Allegro keeps 16-bit samples unsigned; the signed wave must come back intact.
        const uint16_t* d = (const uint16_t*)s->data;
        for (size_t i = 0; i < pcm.size(); i += 97)
            ASSERT_EQ((int16_t)(d[i] ^ 0x8000), pcm[i]) << src.path << " at " << i;
    }
    for (auto& src : sources("music")) {
        MidiPiece m = compile_music(src.text, src.path);
        ASSERT_LT(m.number, count);
        ASSERT_EQ(dat[m.number].type, (int)DAT_MIDI) << src.path;
        MIDI* mid = (MIDI*)dat[m.number].dat;
        EXPECT_EQ(mid->divisions, m.divisions);
        for (size_t t = 0; t < m.tracks.size(); t++) {
            ASSERT_EQ(mid->track[t].len, (int)m.tracks[t].size());
            EXPECT_TRUE(std::equal(m.tracks[t].begin(), m.tracks[t].end(), mid->track[t].data));
        }
    }
}
