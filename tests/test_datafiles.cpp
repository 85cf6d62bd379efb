// The built datafiles against their manifests (assets/manifest/*.txt): every
// listed object is there with its type, size and name; every name the code
// uses finds its object; chrctrs.dat needs its password; and the builder gives
// the same bytes every time.
#include "dat_names.h"
#include "harness.h"
#include <gtest/gtest.h>

#include <allegro.h>

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
    std::string type, size, name, file; // file: manifest file and line, for messages
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
            if (!(ss >> e.type >> e.size >> e.name) ||
                num.find_first_not_of("0123456789") != std::string::npos) {
                r.errors.push_back(e.file + ": expected NUMBER TYPE SIZE NAME DESCRIPTION");
                continue;
            }
            e.number = std::stoi(num);
            std::string description;
            std::getline(ss, description);
            if (description.find_first_not_of(" \t") == std::string::npos)
                r.errors.push_back(e.file + ": no description");
            if (!kTypes.count(e.type)) r.errors.push_back(e.file + ": unknown type " + e.type);
            if (!std::regex_match(e.name, std::regex("[A-Za-z0-9_]+")))
                r.errors.push_back(e.file + ": bad name " + e.name);
            bool picture = e.type == "BMP" || e.type == "RLE";
            if (picture != std::regex_match(e.size, std::regex("[0-9]+x[0-9]+")) ||
                (!picture && e.size != "-"))
                r.errors.push_back(e.file + ": size " + e.size + " does not suit " + e.type);
            auto& objects = r.manifest[datafile];
            if (objects.count(e.number))
                r.errors.push_back(e.file + ": object " + num + " already listed at " +
                                   objects[e.number].file);
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

std::string data_path(const std::string& datafile)
{
    return std::string(VANTOR_DATA_DIR) + "/" + datafile + ".dat";
}

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

std::vector<uint8_t> read_bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Runs the builder; returns its exit status.
int run_datbuild(const std::string& which, const std::string& out)
{
    std::string cmd = std::string(VANTOR_BUILD_DIR) + "/datbuild " + which + " " + out + " " +
                      VANTOR_SOURCE_DIR + "/assets > " + out + ".log 2>&1";
    return std::system(cmd.c_str());
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
            EXPECT_TRUE(fresh) << datafile << ": name " << e.name << " at " << e.file << " and "
                               << it->second;
        }
    }
}

TEST(Manifest, TheLogoMovieHasItsElevenFrames) { EXPECT_EQ(manifest().at("lgmovie").size(), 11u); }

// The game reads objects by the generated names; each must find, in the file
// the build made, an object of the type and name the header promises.
TEST(BuiltDatafiles, EveryNamedObjectIsThereWithItsTypeAndName)
{
    struct Named {
        const char* datafile;
        const dat_object_type* objects;
        size_t size;
        int count;
    };
    const Named files[] = {
        {"data", data_dat_types, std::size(data_dat_types), data_dat_count},
        {"chrctrs", chrctrs_dat_types, std::size(chrctrs_dat_types), chrctrs_dat_count},
        {"tiles", tiles_dat_types, std::size(tiles_dat_types), tiles_dat_count},
        {"lgmovie", lgmovie_dat_types, std::size(lgmovie_dat_types), lgmovie_dat_count},
    };
    for (const Named& f : files) {
        SCOPED_TRACE(f.datafile);
        DATAFILE* d = loaded(f.datafile);
        ASSERT_NE(d, nullptr) << "not built or does not load";
        EXPECT_EQ(object_count(d), f.count);
        for (size_t i = 0; i < f.size; i++) {
            const dat_object_type& o = f.objects[i];
            ASSERT_LT(o.num, object_count(d)) << o.name;
            EXPECT_EQ(d[o.num].type, o.type) << o.name;
            const char* name = get_datafile_property(&d[o.num], DAT_NAME);
            EXPECT_STREQ(name, o.name) << "object " << o.num;
        }
    }
}

TEST(BuiltDatafiles, MatchTheirManifestsInTypeSizeAndName)
{
    for (auto& [datafile, objects] : manifest()) {
        DATAFILE* d = loaded(datafile);
        if (!d) {
            ADD_FAILURE() << datafile << ".dat was not built or does not load";
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
                EXPECT_TRUE(objects.count(i))
                    << datafile << ".dat object " << i << " (" << get_datafile_property(&d[i], DAT_NAME)
                    << ") is not in the manifest";
            }
    }
}

TEST(BuiltDatafiles, CharacterFileNeedsItsPassword)
{
    ASSERT_TRUE(fs::exists(data_path("chrctrs"))) << "chrctrs.dat was not built";
    start_library();
    packfile_password(nullptr);
    DATAFILE* plain = load_datafile(data_path("chrctrs").c_str());
    EXPECT_EQ(plain, nullptr) << "chrctrs.dat loads without its password";
    if (plain) unload_datafile(plain);
    EXPECT_NE(loaded("chrctrs"), nullptr) << "chrctrs.dat does not load with its password";
    // And the other files must not be locked.
    for (const char* other : {"data", "lgmovie"}) EXPECT_NE(loaded(other), nullptr) << other;
}

TEST(Builder, DataAndLogoBuildTheSameBytesTwice)
{
    std::string dir = make_temp_dir();
    for (const char* which : {"lgmovie", "data"}) {
        SCOPED_TRACE(which);
        if (run_datbuild(which, dir + "/a.dat") != 0) {
            auto log = read_bytes(dir + "/a.dat.log");
            FAIL() << "datbuild failed: " << std::string(log.begin(), log.end());
        }
        ASSERT_EQ(run_datbuild(which, dir + "/b.dat"), 0);
        auto a = read_bytes(dir + "/a.dat"), b = read_bytes(dir + "/b.dat");
        EXPECT_GT(a.size(), 1000u);
        EXPECT_TRUE(a == b) << "two builds differ";
    }
}
