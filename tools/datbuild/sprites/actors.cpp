// The walking actors of the character datafile: every townsperson, hero,
// soldier and map monster as eight 16 x 16 frames, composed from the
// hand-drawn parts under assets/chr/actors by the recipes of cast.txt.
//
// Parts are drawn in "material" letters (skin, hair, top, ...) instead of
// colours, so one body or hairstyle serves many actors: the recipe of an
// actor says which colour ramp each material takes. See cast.txt.
#include "datafiles/datafiles.h"
#include "px.h"

#include <array>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

constexpr int kSide = 16; // every walking frame is kSide x kSide
const char* const kDirName[4] = {"down", "left", "right", "up"};
const char* const kDirTag[4] = {"DN", "LT", "RT", "UP"};

// Material letters: light, middle and dark shade of each recipe slot.
// A slot's letter is its light shade; the recipe names it by that letter.
struct Slot {
    char key;
    std::array<char, 3> shades;
};
// clang-format off
const Slot kSlots[] = {
    {'S', {'S', 's', '1'}},   // skin
    {'H', {'H', 'h', '2'}},   // hair, beards
    {'T', {'T', 't', '3'}},   // top: shirt, dress, robe, coat
    {'B', {'B', 'b', '4'}},   // bottom: trousers, skirt
    {'F', {'F', 'f', '5'}},   // feet
    {'A', {'A', 'a', '6'}},   // accent: belts, trims, aprons, ribbons
    {'M', {'M', 'm', '7'}},   // metal: helmets, armour, blades
    {'C', {'C', 'c', '8'}},   // cloak, hats, second cloth
};
// clang-format on

struct Ramp {
    std::array<int, 3> rgb{}; // light, middle, dark as 0xRRGGBB
};

struct BodyDef {
    int head_y = 0; // where the head's first row lands
    int bob = 0;    // the head sinks this much on the stepping frames
};

struct Layer {
    std::string part;
    bool at_head = false; // drawn at the head's offset instead of the body's
};

struct Actor {
    std::string name;
    int at = -1;           // object number of its first frame
    std::vector<int> dirs; // directions it is drawn in, in datafile order
    std::string body, head;
    std::vector<Layer> under, over;
    std::map<char, std::string> ramp_of; // slot key -> ramp name
    int line = 0;
};

struct Cast {
    std::map<std::string, Ramp> ramps;
    std::map<std::string, BodyDef> bodies;
    std::vector<Actor> actors;
};

struct Parts {
    std::vector<std::unique_ptr<PxFile>> files;
    std::map<std::string, std::pair<const PxFile*, const PxSprite*>> by_name;
};

std::string upper(std::string s)
{
    for (auto& c : s) c = (char)toupper((unsigned char)c);
    return s;
}

std::vector<std::string> split(const std::string& s, char sep)
{
    std::vector<std::string> out;
    std::string cur;
    std::istringstream in(s);
    while (std::getline(in, cur, sep))
        if (!cur.empty()) out.push_back(cur);
    return out;
}

int parse_int(const std::string& s, const std::string& where)
{
    char* end = nullptr;
    long v = strtol(s.c_str(), &end, 10);
    if (s.empty() || *end) tool_fail("%s: '%s' is not a number", where.c_str(), s.c_str());
    return (int)v;
}

int dir_index(const std::string& d, const std::string& where)
{
    for (int i = 0; i < 4; i++)
        if (d == kDirName[i]) return i;
    tool_fail("%s: unknown direction '%s'", where.c_str(), d.c_str());
}

void parse_layers(const std::string& v, std::vector<Layer>& out)
{
    for (auto& item : split(v, ',')) {
        Layer l;
        size_t at = item.find('@');
        l.part = item.substr(0, at);
        l.at_head = at != std::string::npos && item.substr(at + 1) == "head";
        out.push_back(l);
    }
}

// cast.txt: "ramp NAME r g b r g b r g b", "body NAME head_y=N bob=N" and
// "actor NAME at=N key=value ..." lines; '#' starts a comment.
Cast load_cast(const std::string& path)
{
    std::ifstream in(path);
    if (!in) tool_fail("%s: cannot open", path.c_str());
    Cast c;
    std::string raw;
    int line = 0;
    while (std::getline(in, raw)) {
        line++;
        std::string where = path + ":" + std::to_string(line);
        std::istringstream ss(raw.substr(0, raw.find('#')));
        std::string word, name;
        if (!(ss >> word)) continue;
        if (!(ss >> name)) tool_fail("%s: '%s' needs a name", where.c_str(), word.c_str());
        if (word == "ramp") {
            Ramp r;
            for (int i = 0; i < 3; i++) {
                int v[3];
                if (!(ss >> v[0] >> v[1] >> v[2]))
                    tool_fail("%s: a ramp is three r g b colours", where.c_str());
                for (int k : v)
                    if (k < 0 || k > 255) tool_fail("%s: colour component %d out of range", where.c_str(), k);
                r.rgb[i] = (v[0] << 16) | (v[1] << 8) | v[2];
            }
            if (!c.ramps.emplace(name, r).second)
                tool_fail("%s: ramp %s given twice", where.c_str(), name.c_str());
            continue;
        }
        if (word != "body" && word != "actor") tool_fail("%s: unexpected '%s'", where.c_str(), word.c_str());
        BodyDef body;
        Actor a;
        a.name = name;
        a.line = line;
        std::string kv;
        while (ss >> kv) {
            size_t eq = kv.find('=');
            if (eq == std::string::npos)
                tool_fail("%s: expected key=value, got '%s'", where.c_str(), kv.c_str());
            std::string k = kv.substr(0, eq), v = kv.substr(eq + 1);
            if (word == "body" && k == "head_y")
                body.head_y = parse_int(v, where);
            else if (word == "body" && k == "bob")
                body.bob = parse_int(v, where);
            else if (word == "body")
                tool_fail("%s: unknown body key '%s'", where.c_str(), k.c_str());
            else if (k == "at")
                a.at = parse_int(v, where);
            else if (k == "frames")
                for (auto& d : split(v, ',')) a.dirs.push_back(dir_index(d, where));
            else if (k == "body")
                a.body = v;
            else if (k == "head")
                a.head = v;
            else if (k == "under")
                parse_layers(v, a.under);
            else if (k == "over")
                parse_layers(v, a.over);
            else if (k.size() == 1 && isupper((unsigned char)k[0])) {
                bool known = false;
                for (auto& s : kSlots) known |= s.key == k[0];
                if (!known) tool_fail("%s: no material slot '%s'", where.c_str(), k.c_str());
                a.ramp_of[k[0]] = v;
            } else
                tool_fail("%s: unknown actor key '%s'", where.c_str(), k.c_str());
        }
        if (word == "body") {
            c.bodies[name] = body;
            continue;
        }
        if (a.at < 0) tool_fail("%s: actor %s has no at=", where.c_str(), name.c_str());
        if (a.body.empty()) tool_fail("%s: actor %s has no body=", where.c_str(), name.c_str());
        if (a.dirs.empty()) a.dirs = {0, 1, 2, 3};
        for (auto& kvp : a.ramp_of)
            if (!c.ramps.count(kvp.second))
                tool_fail("%s: unknown ramp '%s'", where.c_str(), kvp.second.c_str());
        c.actors.push_back(a);
    }
    return c;
}

Parts load_parts(const std::string& dir)
{
    Parts p;
    auto materials = std::make_unique<PxFile>(px_load(dir + "/materials.px"));
    for (const char* f : {"bodies.px", "heads.px", "gear.px", "monsters.px"}) {
        auto file = std::make_unique<PxFile>(px_load(dir + "/" + f, materials.get()));
        for (auto& s : file->sprites) {
            if (s.rows.size() > (size_t)kSide || s.rows[0].size() != (size_t)kSide)
                tool_fail("%s:%d: %s must be %d pixels wide and at most %d high", file->path.c_str(), s.line,
                          s.name.c_str(), kSide, kSide);
            if (!p.by_name.emplace(s.name, std::make_pair(file.get(), &s)).second)
                tool_fail("%s:%d: part %s is drawn twice", file->path.c_str(), s.line, s.name.c_str());
        }
        p.files.push_back(std::move(file));
    }
    p.files.push_back(std::move(materials));
    return p;
}

struct Found {
    const PxFile* file = nullptr;
    const PxSprite* sprite = nullptr;
    bool mirror = false;
};

// A part for one direction and step: its own picture when drawn, else the
// same part without the step, else (for "right") the left one mirrored.
Found find_part(const Parts& p, const std::string& part, int dir, int step)
{
    const char* st = step ? "b" : "a";
    auto look = [&](const std::string& n) -> const std::pair<const PxFile*, const PxSprite*>* {
        auto it = p.by_name.find(n);
        return it == p.by_name.end() ? nullptr : &it->second;
    };
    for (int d : {dir, dir == 2 ? 1 : -1}) {
        if (d < 0) break;
        std::string base = part + "_" + kDirName[d];
        auto hit = look(base + "_" + st);
        if (!hit) hit = look(base);
        if (hit) return Found{hit->first, hit->second, d != dir};
    }
    return Found{};
}

int material_colour(const Cast& cast, const Actor& a, const PxFile& f, char ch, const std::string& part)
{
    for (auto& s : kSlots)
        for (int i = 0; i < 3; i++)
            if (s.shades[i] == ch) {
                auto it = a.ramp_of.find(s.key);
                if (it == a.ramp_of.end())
                    tool_fail("cast.txt:%d: %s uses material %c in %s but has no %c= ramp", a.line,
                              a.name.c_str(), s.key, part.c_str(), s.key);
                return cast.ramps.at(it->second).rgb[i];
            }
    return f.colors.at(ch);
}

void draw_part(BITMAP* bmp, const Cast& cast, const Actor& a, const Found& fd, int y0)
{
    const auto& rows = fd.sprite->rows;
    for (size_t r = 0; r < rows.size(); r++)
        for (int c = 0; c < kSide; c++) {
            char ch = rows[r][c];
            int rgb = material_colour(cast, a, *fd.file, ch, fd.sprite->name);
            if (rgb == 0xFF00FF) continue;
            int x = fd.mirror ? kSide - 1 - c : c;
            int y = y0 + (int)r;
            if (y < 0 || y >= kSide) continue;
            putpixel(bmp, x, y, makecol16(rgb >> 16, (rgb >> 8) & 255, rgb & 255));
        }
}

BITMAP* compose(const Cast& cast, const Parts& parts, const Actor& a, int dir, int step)
{
    BITMAP* bmp = create_bitmap_ex(16, kSide, kSide);
    if (!bmp) tool_fail("out of memory");
    clear_to_color(bmp, makecol16(255, 0, 255));
    auto bit = cast.bodies.find(a.body);
    BodyDef body = bit == cast.bodies.end() ? BodyDef{} : bit->second;
    int head_y = body.head_y + (step ? body.bob : 0);
    auto layer = [&](const std::string& part, int y, bool required) {
        Found fd = find_part(parts, part, dir, step);
        if (!fd.sprite) {
            if (required)
                tool_fail("cast.txt:%d: %s needs a part %s_%s", a.line, a.name.c_str(), part.c_str(),
                          kDirName[dir]);
            return;
        }
        draw_part(bmp, cast, a, fd, y);
    };
    // Gear is optional per direction: a sword on the back shows from behind
    // over the body but from the front only as a hilt behind the shoulder.
    for (auto& l : a.under) layer(l.part, l.at_head ? head_y : 0, false);
    layer(a.body, 0, true);
    if (!a.head.empty()) layer(a.head, head_y, true);
    for (auto& l : a.over) layer(l.part, l.at_head ? head_y : 0, false);
    return bmp;
}

// The manifest lists every object made here; a picture added to the cast
// without its manifest line (or the other way round) stops the build.
void check_manifest(const std::string& path, const std::map<int, std::string>& made)
{
    std::ifstream in(path);
    if (!in) tool_fail("%s: cannot open", path.c_str());
    std::map<int, std::string> listed;
    std::string raw;
    int line = 0;
    while (std::getline(in, raw)) {
        line++;
        std::istringstream ss(raw.substr(0, raw.find('#')));
        std::string num, type, size, name;
        if (!(ss >> num)) continue;
        if (!(ss >> type >> size >> name))
            tool_fail("%s:%d: expected NUMBER TYPE SIZE NAME", path.c_str(), line);
        int n = parse_int(num, path + ":" + std::to_string(line));
        if (type != "RLE" || size != "16x16")
            tool_fail("%s:%d: walking frames are RLE 16x16", path.c_str(), line);
        if (!listed.emplace(n, name).second)
            tool_fail("%s:%d: object %d listed twice", path.c_str(), line, n);
    }
    for (auto& m : made) {
        auto it = listed.find(m.first);
        if (it == listed.end())
            tool_fail("%s: object %d (%s) is not listed", path.c_str(), m.first, m.second.c_str());
        if (it->second != m.second)
            tool_fail("%s: object %d is %s, listed as %s", path.c_str(), m.first, m.second.c_str(),
                      it->second.c_str());
    }
    for (auto& l : listed)
        if (!made.count(l.first)) tool_fail("%s: object %d is listed but not made", path.c_str(), l.first);
}

} // namespace

void gen_chr_actors(DatFile& f, const std::string& assets)
{
    std::string dir = assets + "/chr/actors";
    Cast cast = load_cast(dir + "/cast.txt");
    Parts parts = load_parts(dir);
    std::map<int, std::string> made;
    for (auto& a : cast.actors) {
        int n = a.at;
        for (int d : a.dirs)
            for (int step = 0; step < 2; step++, n++) {
                std::string name = "ACT_" + upper(a.name) + "_" + kDirTag[d] + (step ? "_B" : "_A");
                if (made.count(n))
                    tool_fail("cast.txt:%d: %s frame %d is already %s; a shared frame has one owner", a.line,
                              a.name.c_str(), n, made[n].c_str());
                BITMAP* bmp = compose(cast, parts, a, d, step);
                dat_put(f, n, dat_rle(name, bmp));
                destroy_bitmap(bmp);
                made[n] = name;
            }
    }
    check_manifest(assets + "/manifest/chrctrs_actors.txt", made);
}
