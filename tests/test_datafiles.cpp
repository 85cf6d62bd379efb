// The built datafiles against their manifests (assets/manifest/*.txt): every
// listed object is there with its type, size and name; the game's own code
// only names objects that exist; chrctrs.dat needs its password; and the
// builder is quick and gives the same bytes every time.
#include "harness.h"
#include <gtest/gtest.h>

#include <allegro.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <unistd.h>
#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Entry {
    int number = -1;
    std::string type, size, name, file;   // file: manifest file and line, for messages
};

// datafile name ("data", "chrctrs", ...) -> number -> entry
using Manifest = std::map<std::string, std::map<int, Entry>>;

struct ParseResult {
    Manifest manifest;
    std::vector<std::string> errors;
};

const std::set<std::string> kTypes = {"BMP", "RLE", "FONT", "SAMP", "MIDI", "PAL", "DATA"};

ParseResult parse_manifests()
{
    ParseResult r;
    std::vector<fs::path> files;
    for (auto& e : fs::directory_iterator(fs::path(VANTOR_SOURCE_DIR) / "assets" / "manifest"))
        if (e.path().extension() == ".txt") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    for (auto& path : files) {
        std::string stem = path.stem().string();
        std::string datafile = stem.substr(0, stem.find('_'));
        std::ifstream in(path);
        std::string line;
        int n = 0;
        while (std::getline(in, line)) {
            n++;
            std::string s = line.substr(0, line.find('#'));
            std::istringstream ss(s);
            Entry e;
            std::string num;
            if (!(ss >> num)) continue;
            e.file = path.filename().string() + ":" + std::to_string(n);
            if (!(ss >> e.type >> e.size >> e.name) || num.find_first_not_of("0123456789") != std::string::npos) {
                r.errors.push_back(e.file + ": expected NUMBER TYPE SIZE NAME DESCRIPTION");
                continue;
            }
            e.number = std::stoi(num);
            std::string description;
            std::getline(ss, description);
            if (description.find_first_not_of(" \t") == std::string::npos) r.errors.push_back(e.file + ": no description");
            if (!kTypes.count(e.type)) r.errors.push_back(e.file + ": unknown type " + e.type);
            if (!std::regex_match(e.name, std::regex("[A-Za-z0-9_]+"))) r.errors.push_back(e.file + ": bad name " + e.name);
            bool picture = e.type == "BMP" || e.type == "RLE";
            if (picture != std::regex_match(e.size, std::regex("[0-9]+x[0-9]+")) || (!picture && e.size != "-"))
                r.errors.push_back(e.file + ": size " + e.size + " does not suit " + e.type);
            auto& objects = r.manifest[datafile];
            if (objects.count(e.number))
                r.errors.push_back(e.file + ": object " + num + " already listed at " + objects[e.number].file);
            else
                objects[e.number] = e;
        }
    }
    return r;
}

const Manifest& manifest()
{
    static ParseResult r = parse_manifests();
    return r.manifest;
}

int allegro_type(const std::string& t)
{
    if (t == "BMP") return DAT_BITMAP;
    if (t == "RLE") return DAT_RLE_SPRITE;
    if (t == "FONT") return DAT_FONT;
    if (t == "SAMP") return DAT_SAMPLE;
    if (t == "MIDI") return DAT_MIDI;
    if (t == "PAL") return DAT_PALETTE;
    return DAT_DATA;
}

void start_library() { headless_library_start(); }

std::string data_path(const std::string& datafile) { return std::string(VANTOR_DATA_DIR) + "/" + datafile + ".dat"; }

// Loads a built datafile once per run; null when it was not built.
DATAFILE* loaded(const std::string& datafile)
{
    static std::map<std::string, DATAFILE*> cache;
    if (cache.count(datafile)) return cache[datafile];
    start_library();
    DATAFILE* d = nullptr;
    if (fs::exists(data_path(datafile))) {
        packfile_password(datafile == "chrctrs" ? "quorl52" : nullptr);
        d = load_datafile(data_path(datafile).c_str());
        packfile_password(nullptr);
    }
    return cache[datafile] = d;
}

int object_count(DATAFILE* d)
{
    int n = 0;
    while (d[n].type != DAT_END) n++;
    return n;
}

bool required(const std::string& datafile) { return datafile == "data" || datafile == "lgmovie"; }

std::vector<uint8_t> read_bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Runs the builder; returns its exit status and the seconds it took.
std::pair<int, double> run_datbuild(const std::string& which, const std::string& out)
{
    std::string cmd = std::string(VANTOR_BUILD_DIR) + "/datbuild " + which + " " + out + " " + VANTOR_SOURCE_DIR +
                      "/assets > " + out + ".log 2>&1";
    auto t0 = std::chrono::steady_clock::now();
    int status = std::system(cmd.c_str());
    double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    return {status, s};
}

} // namespace

TEST(Manifest, EveryLineIsWellFormedAndEachNumberListedOnce)
{
    ParseResult r = parse_manifests();
    for (auto& e : r.errors) ADD_FAILURE() << e;
    EXPECT_TRUE(r.manifest.count("data")) << "no manifest for data.dat";
    EXPECT_TRUE(r.manifest.count("lgmovie")) << "no manifest for lgmovie.dat";
}

TEST(Manifest, NamesAreUniqueWithinEachDatafile)
{
    for (auto& [datafile, objects] : manifest()) {
        std::map<std::string, std::string> seen;
        for (auto& [n, e] : objects) {
            auto [it, fresh] = seen.emplace(e.name, e.file);
            EXPECT_TRUE(fresh) << datafile << ": name " << e.name << " at " << e.file << " and " << it->second;
        }
    }
}

TEST(Manifest, ResidentFontsPaletteAndTitlePicturesAreListed)
{
    // The shell addresses these by number before anything else runs.
    const auto& data = manifest().at("data");
    for (int n : {30, 52, 53, 54, 55}) EXPECT_TRUE(data.count(n)) << "data.dat object " << n;
    for (int n : {20, 83, 84, 87, 94}) EXPECT_TRUE(data.count(n)) << "data.dat picture " << n;
    EXPECT_EQ(manifest().at("lgmovie").size(), 11u);
}

TEST(BuiltDatafiles, MatchTheirManifestsInTypeSizeAndName)
{
    for (auto& [datafile, objects] : manifest()) {
        DATAFILE* d = loaded(datafile);
        if (!d) {
            if (required(datafile)) {
                ADD_FAILURE() << datafile << ".dat was not built or does not load";
            } else {
                std::printf("[ note ] %s.dat not built yet; not checked\n", datafile.c_str());
            }
            continue;
        }
        int count = object_count(d);
        for (auto& [n, e] : objects) {
            SCOPED_TRACE(datafile + " object " + std::to_string(n) + " (" + e.file + ")");
            ASSERT_LT(n, count) << "missing";
            EXPECT_EQ(d[n].type, allegro_type(e.type)) << "wrong type";
            const char* name = get_datafile_property(&d[n], DAT_NAME);
            EXPECT_EQ(std::string(name ? name : ""), e.name);
            int w = 0, h = 0;
            if (d[n].type == DAT_BITMAP) {
                w = ((BITMAP*)d[n].dat)->w;
                h = ((BITMAP*)d[n].dat)->h;
                EXPECT_EQ(bitmap_color_depth((BITMAP*)d[n].dat), 16);
            } else if (d[n].type == DAT_RLE_SPRITE) {
                w = ((RLE_SPRITE*)d[n].dat)->w;
                h = ((RLE_SPRITE*)d[n].dat)->h;
                EXPECT_EQ(((RLE_SPRITE*)d[n].dat)->color_depth, 16);
            }
            if (e.type == "BMP" || e.type == "RLE") {
                EXPECT_EQ(std::to_string(w) + "x" + std::to_string(h), e.size);
            }
        }
    }
}

TEST(BuiltDatafiles, HoldNothingTheManifestDoesNotList)
{
    for (auto& [datafile, objects] : manifest()) {
        DATAFILE* d = loaded(datafile);
        if (!d) continue;
        for (int i = 0; d[i].type != DAT_END; i++)
            if (d[i].type != DAT_DATA) {
                EXPECT_TRUE(objects.count(i)) << datafile << ".dat object " << i << " ("
                                              << get_datafile_property(&d[i], DAT_NAME) << ") is not in the manifest";
            }
    }
}

TEST(BuiltDatafiles, CharacterFileNeedsItsPassword)
{
    if (!fs::exists(data_path("chrctrs"))) GTEST_SKIP() << "chrctrs.dat not built yet";
    start_library();
    packfile_password(nullptr);
    DATAFILE* plain = load_datafile(data_path("chrctrs").c_str());
    EXPECT_EQ(plain, nullptr) << "chrctrs.dat loads without its password";
    if (plain) unload_datafile(plain);
    EXPECT_NE(loaded("chrctrs"), nullptr) << "chrctrs.dat does not load with its password";
    // And the other files must not be locked.
    for (const char* other : {"data", "lgmovie"}) EXPECT_NE(loaded(other), nullptr) << other;
}

TEST(CodeReferences, ObjectNumbersInTheGameExistWithAFittingType)
{
    struct Pattern {
        std::regex re;
        std::string datafile;
        std::set<std::string> types;
    };
    std::vector<Pattern> patterns = {
        {std::regex(R"(\bdata\[(\d+)\])"), "data", {"BMP", "RLE", "FONT", "PAL", "SAMP", "MIDI"}},
        {std::regex(R"(door_(?:play|adjust|stop)_sample\((\d+))"), "data", {"SAMP"}},
        {std::regex(R"(door_play_midi\((\d+))"), "data", {"MIDI"}},
        {std::regex(R"(\bchr_sprite\((\d+)\))"), "chrctrs", {"RLE"}},
        {std::regex(R"(\bcharacters\[(\d+)\])"), "chrctrs", {"RLE", "BMP"}},
    };
    bool sounds_listed = false;
    for (auto& [n, e] : manifest().at("data")) sounds_listed |= e.type == "SAMP" || e.type == "MIDI";
    int checked = 0;
    for (auto& f : fs::directory_iterator(fs::path(VANTOR_SOURCE_DIR) / "vantor")) {
        if (f.path().extension() != ".cpp" && f.path().extension() != ".h") continue;
        std::ifstream in(f.path());
        std::string line;
        int ln = 0;
        while (std::getline(in, line)) {
            ln++;
            for (auto& p : patterns) {
                for (std::sregex_iterator it(line.begin(), line.end(), p.re), end; it != end; ++it) {
                    int n = std::stoi((*it)[1]);
                    bool sound = p.types.count("SAMP") && p.types.size() == 1;
                    sound |= p.types.count("MIDI") && p.types.size() == 1;
                    if (sound && !sounds_listed) continue;   // the sound manifest is not written yet
                    auto df = manifest().find(p.datafile);
                    if (df == manifest().end()) continue;
                    checked++;
                    std::string where = f.path().filename().string() + ":" + std::to_string(ln);
                    auto e = df->second.find(n);
                    if (e == df->second.end()) {
                        ADD_FAILURE() << where << ": " << p.datafile << ".dat object " << n << " is not in the manifest";
                        continue;
                    }
                    EXPECT_TRUE(p.types.count(e->second.type))
                        << where << ": " << (*it)[0] << " names " << e->second.name << ", a " << e->second.type;
                }
            }
        }
    }
    std::printf("[ note ] %d object references checked\n", checked);
}

TEST(Builder, DataAndLogoBuildTheSameBytesTwiceAndQuickly)
{
    std::string dir = (fs::temp_directory_path() / ("vantor_datbuild_" + std::to_string(getpid()))).string();
    fs::create_directories(dir);
    for (const char* which : {"lgmovie", "data"}) {
        SCOPED_TRACE(which);
        auto [s1, t1] = run_datbuild(which, dir + "/a.dat");
        if (s1 != 0) {
            auto log = read_bytes(dir + "/a.dat.log");
            FAIL() << "datbuild failed: " << std::string(log.begin(), log.end());
        }
        auto [s2, t2] = run_datbuild(which, dir + "/b.dat");
        ASSERT_EQ(s2, 0);
        auto a = read_bytes(dir + "/a.dat"), b = read_bytes(dir + "/b.dat");
        EXPECT_GT(a.size(), 1000u);
        EXPECT_TRUE(a == b) << "two builds differ";
        std::printf("[ note ] %s.dat built in %.2f s and %.2f s (%zu bytes)\n", which, t1, t2, a.size());
        EXPECT_LT(std::max(t1, t2), 30.0);
    }
    fs::remove_all(dir);
}
