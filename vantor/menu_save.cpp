// The save file: the saved part of the game state, its one table of keys,
// the text lines, and a slot file written and read so that no game is lost.
#include "menu_save.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <unistd.h>
#include <unordered_map>
#include <vector>

#include <allegro/lzss.h>

#include "battle.h"
#include "vantor.h"
#include "world.h"

namespace {

// The gear lines, in the order the file holds them.
struct gear_row {
    const char* key;
    weapon** w;
    armor** a;
};

// clang-format off
const gear_row gear_rows[SAVE_GEAR] = {
    {"ironvesthave", nullptr, &iron_vest},      {"mythrilvesthave", nullptr, &mythril_vest},
    {"applecopperhave", nullptr, &apple_copper}, {"steelbladehave", &steel_blade, nullptr},
    {"sslasherhave", &stainless_slasher, nullptr}, {"applecopperbladehave", &apple_copper_blade, nullptr},
    {"mkatanahave", &mythril_katana, nullptr},  {"scalderhave", &scalder, nullptr},
    {"ironswordhave", &iron_sword, nullptr},    {"warriorvesthave", nullptr, &warrior_vest},
    {"shortrodhave", &short_rod, nullptr},      {"rockvesthave", nullptr, &rock_vest},
    {"soldiermailhave", nullptr, &soldier_mail}, {"dreamerhave", &dreamer, nullptr},
    {"jademelthave", &jade_melt, nullptr},      {"moonrodhave", &moon_rod, nullptr},
};
// clang-format on

const char* const hero_prefix[SAVE_HEROES] = {"mike", "charlie", "runhon", "eliz"};

ftchar* hero_record(int h)
{
    ftchar* const heroes[SAVE_HEROES] = {ftmike, ftcharlie, ftrunhon, ftelizabeth};
    return heroes[h];
}

// The weapon ids each hero's saved id may choose from (Runhon keeps his own weapon).
const std::vector<int> hero_weapon_ids[SAVE_HEROES] = {{0, 2, 4, 7}, {1, 3, 5, 8}, {}, {6, 9}};

weapon* weapon_by_id(int id)
{
    weapon* const ws[] = {steel_blade, stainless_slasher, apple_copper_blade, mythril_katana,
                          scalder,     iron_sword,        short_rod,          dreamer,
                          jade_melt,   moon_rod};
    return id >= 0 && id < 10 ? ws[id] : nullptr;
}

armor* armor_by_id(int id)
{
    if (id == -1) return NO_ARMOR;
    armor* const as[] = {iron_vest, mythril_vest, apple_copper, warrior_vest, soldier_mail, rock_vest};
    return id >= 0 && id < 6 ? as[id] : nullptr;
}

// Builds the table once: every key's offset is taken from a model record.
std::vector<save_key> build_keys()
{
    static saved_game model;
    std::vector<save_key> keys;
    auto add = [&keys](const std::string& name, int count, const void* field, int style = SK_PLAIN) {
        size_t at = (size_t)((const char*)field - (const char*)&model);
        keys.push_back({name, count, at, style});
    };
    add("animatewater", 0, &model.animate_water);
    add("walkinglayer", 0, &model.walking_layer);
    add("gmapnum", 0, &model.map_num);
    add("windowlayerflag", 0, &model.window_layer_flag);
    add("ggp", 0, &model.gp);
    add("mx", 0, &model.mx);
    add("my", 0, &model.my);
    add("oldmikex", 0, &model.old_mike_x);
    add("oldmikey", 0, &model.old_mike_y);
    add("oldmx", 0, &model.old_mx);
    add("oldmy", 0, &model.old_my);
    add("item", 101, model.items);
    for (int h = 0; h < SAVE_HEROES; h++)
        add(std::string(hero_prefix[h]) + "action", 100, model.heroes[h].actions);
    add("sflag", 101, model.story_flags);
    add("pot", 101, model.pots);
    add("chest", 501, model.chests);
    add("mikex", 0, &model.mike_x);
    add("mikey", 0, &model.mike_y);
    add("mikevisible", 0, &model.mike_visible);
    for (int h = 0; h < SAVE_HEROES; h++) {
        saved_hero& s = model.heroes[h];
        std::string p = hero_prefix[h];
        add(p + "lvl", 0, &s.level);
        add(p + "hp", 0, &s.hp);
        add(p + "hpmax", 0, &s.hpmax);
        add(p + "mp", 0, &s.mp);
        add(p + "max", 0, &s.mpmax);
        add(p + "dfp", 0, &s.dfp);
        add(p + "agp", 0, &s.agp);
        add(p + "atp", 0, &s.atp);
        add(p + "exp", 0, &s.exp);
        add(p + "nextexp", 0, &s.nextexp);
        add(p + "nextexp_c", 0, &s.nextexp_c);
        add(p + "alive", 0, &s.alive);
        add(p + "infight", 0, &s.in_fight);
        add(p + "charweaponid", 0, &s.weapon_id);
        add(p + "chararmorid", 0, &s.armor_id);
        add(p + "stat", 20, s.status);
    }
    // Older games wrote the last gear line with the number glued to its key and a
    // blank after it; it is kept so, and reads back because a blank in the pattern
    // may match nothing.
    for (int i = 0; i < SAVE_GEAR; i++)
        add(gear_rows[i].key, 0, &model.gear[i], i == SAVE_GEAR - 1 ? SK_GLUED : SK_PLAIN);
    add("swindspeed", 0, &model.swind_speed);
    add("showtimebar", 0, &model.show_timebar);
    add("saveversion", 0, nullptr, SK_VERSION);
    return keys;
}

const char* skip_space(const char* p)
{
    while (isspace((unsigned char)*p)) p++;
    return p;
}

// An int as scanf's "%d" reads one (leading blanks, a sign, digits); null when there
// is none or it does not fit an int, so an absurd number is refused, not wrapped.
const char* read_int(const char* p, int* out)
{
    p = skip_space(p);
    const char* digits = p + (*p == '-' || *p == '+');
    if (!isdigit((unsigned char)*digits)) return nullptr;
    errno = 0;
    char* end = nullptr;
    long long v = strtoll(p, &end, 10);
    if (errno == ERANGE || v < INT_MIN || v > INT_MAX) return nullptr;
    *out = (int)v;
    return end;
}

// Every key, by its name.
const std::unordered_map<std::string_view, const save_key*>& keys_by_name()
{
    static const std::unordered_map<std::string_view, const save_key*> by_name = [] {
        std::unordered_map<std::string_view, const save_key*> m;
        for (const save_key& k : save_keys())
            if (k.style != SK_VERSION) m[k.name] = &k;
        return m;
    }();
    return by_name;
}

// A line goes to the key it begins with, read by that key's pattern: the key, a
// blank that may match nothing, the value (indexed keys: the index, a blank, the
// value). A key followed by more letters is another word, so that "oldmx" is
// never an "mx" line nor "mikehpmax" a "mikehp" one; only the whole leading
// word can be a line's key.
void offer_line(const char* line, saved_game* g)
{
    size_t n = 0;
    while (isalpha((unsigned char)line[n]) || line[n] == '_') n++;
    auto found = keys_by_name().find(std::string_view(line, n));
    if (found == keys_by_name().end()) return;
    const save_key& k = *found->second;
    const char* p = line + n;
    int index = 0, value = 0;
    if (k.count > 0) {
        // Indices past either end of the table are not the game's.
        if (!(p = read_int(p, &index)) || index < 0 || index >= k.count) return;
    }
    if (!read_int(p, &value)) return;
    *save_slot(*g, k, index) = value;
}

void keep_hero_sane(saved_hero* h)
{
    h->level = std::clamp(h->level, 1, 99);
    h->hpmax = std::clamp(h->hpmax, 1, 9999);
    h->hp = std::clamp(h->hp, 0, h->hpmax);
    h->mpmax = std::clamp(h->mpmax, 0, 9999);
    h->mp = std::clamp(h->mp, 0, h->mpmax);
    h->dfp = std::clamp(h->dfp, 0, 9999);
    h->agp = std::clamp(h->agp, 0, 9999);
    h->atp = std::clamp(h->atp, 0, 9999);
    h->exp = std::max(h->exp, 0);
    h->nextexp_c = std::max(h->nextexp_c, 1);
    h->nextexp = std::max(h->nextexp, 0);
}

// The rename of a slot file lasts only once its folder is on the disk too.
void sync_folder_of(const std::string& file)
{
    size_t slash = file.rfind('/');
    int fd = open(slash == std::string::npos ? "." : file.substr(0, slash + 1).c_str(), O_RDONLY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

// A packfile that only gathers what is written into a string (userdata).
int gather_close(void*) { return 0; }
int gather_getc(void*) { return EOF; }
int gather_ungetc(int, void*) { return EOF; }
long gather_fread(void*, long, void*) { return 0; }
int gather_putc(int c, void* out)
{
    static_cast<std::string*>(out)->push_back((char)c);
    return c;
}
long gather_fwrite(const void* p, long n, void* out)
{
    static_cast<std::string*>(out)->append(static_cast<const char*>(p), (size_t)n);
    return n;
}
int gather_fseek(void*, int) { return -1; }
int gather_feof(void*) { return 0; }
int gather_ferror(void*) { return 0; }
const PACKFILE_VTABLE gather_vtable = {gather_close,  gather_getc,  gather_ungetc, gather_fread, gather_putc,
                                       gather_fwrite, gather_fseek, gather_feof,   gather_ferror};

// The bytes of a compressed packfile holding text, as the library's own compressed
// writer lays them out (its magic number, then the compressed stream). They are
// made in memory because that writer has no way back from a failed write to disk:
// it crashes when the disk fills up under it.
int pack_in_memory(const std::string& text, std::string* out)
{
    out->clear();
    PACKFILE* pf = pack_fopen_vtable(&gather_vtable, out);
    LZSS_PACK_DATA* lz = create_lzss_pack_data();
    int ok = pf && lz ? TRUE : FALSE;
    if (ok) pack_mputl(F_PACK_MAGIC, pf);
    // The library feeds its compressor a buffer at a time and flags the last one.
    std::vector<unsigned char> bytes(text.begin(), text.end());
    for (size_t at = 0; ok;) {
        size_t n = std::min(bytes.size() - at, (size_t)F_BUF_SIZE);
        bool last = at + n >= bytes.size();
        if (lzss_write(pf, lz, (int)n, bytes.data() + at, last) != 0) ok = FALSE;
        at += n;
        if (last) break;
    }
    if (lz) free_lzss_pack_data(lz);
    if (pf) pack_fclose(pf);
    return ok;
}

// Writes bytes into a new file and makes sure they are on the disk.
int write_synced(const char* path, const std::string& bytes)
{
    int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return FALSE;
    int ok = TRUE;
    for (size_t at = 0; ok && at < bytes.size();) {
        ssize_t n = write(fd, bytes.data() + at, bytes.size() - at);
        if (n > 0)
            at += (size_t)n;
        else if (!(n < 0 && errno == EINTR))
            ok = FALSE;
    }
    if (ok && fsync(fd) != 0) ok = FALSE;
    if (close(fd) != 0) ok = FALSE;
    return ok;
}

// The decompressed bytes of a packfile, or FALSE when it does not open, fails, or is
// too long to be a save file.
int read_packed(const char* file, std::string* text)
{
    PACKFILE* f = pack_fopen(file, "rp");
    if (!f) return FALSE;
    text->clear();
    char buf[4096];
    int ok = TRUE;
    for (;;) {
        long got = pack_fread(buf, sizeof buf, f);
        if (got > 0) text->append(buf, (size_t)got);
        if (text->size() > SAVE_TEXT_MAX) ok = FALSE;
        if (got < (long)sizeof buf || !ok) break;
    }
    if (pack_ferror(f)) ok = FALSE;
    pack_fclose(f);
    return ok;
}

} // namespace

const std::vector<save_key>& save_keys()
{
    static const std::vector<save_key> keys = build_keys();
    return keys;
}

int* save_slot(saved_game& g, const save_key& k, int i)
{
    return reinterpret_cast<int*>(reinterpret_cast<char*>(&g) + k.offset) + i;
}

const int* save_slot(const saved_game& g, const save_key& k, int i)
{
    return reinterpret_cast<const int*>(reinterpret_cast<const char*>(&g) + k.offset) + i;
}

int known_map_number(int n)
{
    auto in = [n](int lo, int hi) { return n >= lo && n <= hi; };
    return (n == -1 || in(1, 17) || in(19, 31) || n == 101 || n == 103 || n == 104 || in(10101, 10110) ||
            n == 10192 || in(10201, 10226) || in(10301, 10310) || in(10401, 10409))
               ? TRUE
               : FALSE;
}

void capture_saved_game(saved_game* g)
{
    *g = saved_game{};
    g->animate_water = animate_water;
    g->walking_layer = walking_layer;
    g->map_num = g_map_num;
    g->window_layer_flag = window_layer_flag;
    g->gp = g_gp;
    g->mx = mx;
    g->my = my;
    g->old_mike_x = old_mike_x;
    g->old_mike_y = old_mike_y;
    g->old_mx = old_mx;
    g->old_my = old_my;
    for (int i = 0; i < 101; i++) {
        g->items[i] = items[i].have;
        g->story_flags[i] = story_flag[i];
        g->pots[i] = pots[i];
    }
    for (int i = 0; i < 501; i++) g->chests[i] = chests[i].opened;
    if (mike) {
        g->mike_x = mike->x;
        g->mike_y = mike->y;
        g->mike_visible = mike->visible;
    }
    for (int h = 0; h < SAVE_HEROES; h++) {
        const ftchar* f = hero_record(h);
        if (!f) continue;
        saved_hero& s = g->heroes[h];
        s.level = f->level;
        s.hp = f->hp;
        s.hpmax = f->hpmax;
        s.mp = f->mp;
        s.mpmax = f->mpmax;
        s.dfp = f->dfp;
        s.agp = f->agp;
        s.atp = f->atp;
        s.exp = f->exp;
        s.nextexp = f->nextexp;
        s.nextexp_c = f->nextexp_c;
        s.alive = f->alive;
        s.in_fight = f->in_fight;
        s.weapon_id = f->charweapon ? f->charweapon->id : -1;
        s.armor_id = f->chararmor ? f->chararmor->id : -1;
        for (int i = 0; i < 20; i++) s.status[i] = f->status[i];
        for (int i = 0; i < 100; i++) s.actions[i] = f->actions[i].have;
    }
    for (int i = 0; i < SAVE_GEAR; i++) {
        const gear_row& r = gear_rows[i];
        if (r.w && *r.w) g->gear[i] = (*r.w)->have;
        if (r.a && *r.a) g->gear[i] = (*r.a)->have;
    }
    g->swind_speed = swind_speed;
    g->show_timebar = show_timebar;
}

void apply_saved_game(const saved_game& g)
{
    animate_water = g.animate_water;
    walking_layer = g.walking_layer;
    g_map_num = g.map_num;
    window_layer_flag = g.window_layer_flag;
    g_gp = g.gp;
    mx = g.mx;
    my = g.my;
    old_mike_x = g.old_mike_x;
    old_mike_y = g.old_mike_y;
    old_mx = g.old_mx;
    old_my = g.old_my;
    for (int i = 0; i < 101; i++) {
        items[i].have = g.items[i];
        story_flag[i] = g.story_flags[i];
        pots[i] = g.pots[i];
    }
    for (int i = 0; i < 501; i++) chests[i].opened = g.chests[i];
    if (mike) {
        mike->x = g.mike_x;
        mike->y = g.mike_y;
        mike->visible = g.mike_visible;
    }
    for (int h = 0; h < SAVE_HEROES; h++) {
        ftchar* f = hero_record(h);
        if (!f) continue;
        const saved_hero& s = g.heroes[h];
        f->level = s.level;
        f->hp = s.hp;
        f->hpmax = s.hpmax;
        f->mp = s.mp;
        f->mpmax = s.mpmax;
        f->dfp = s.dfp;
        f->agp = s.agp;
        f->atp = s.atp;
        f->exp = s.exp;
        f->nextexp = s.nextexp;
        f->nextexp_c = s.nextexp_c;
        f->alive = s.alive;
        f->in_fight = s.in_fight;
        for (int i = 0; i < 20; i++) f->status[i] = s.status[i];
        for (int i = 0; i < 100; i++) f->actions[i].have = (signed char)s.actions[i];
        const std::vector<int>& ids = hero_weapon_ids[h];
        if (std::find(ids.begin(), ids.end(), s.weapon_id) != ids.end() && weapon_by_id(s.weapon_id))
            f->charweapon = weapon_by_id(s.weapon_id);
        if (armor* a = armor_by_id(s.armor_id)) f->chararmor = a;
    }
    // A weapon is worn while any hero holds it: Elizabeth and Runhon share one rod,
    // so her change of weapon must not take it out of his hands.
    for (int id = 0; id < 10; id++)
        if (weapon* w = weapon_by_id(id)) w->equipped = FALSE;
    for (int h = 0; h < SAVE_HEROES; h++)
        if (hero_record(h) && hero_record(h)->charweapon) hero_record(h)->charweapon->equipped = TRUE;
    for (int i = 0; i < SAVE_GEAR; i++) {
        const gear_row& r = gear_rows[i];
        if (r.w && *r.w) (*r.w)->have = g.gear[i];
        if (r.a && *r.a) (*r.a)->have = g.gear[i];
    }
    swind_speed = g.swind_speed;
    show_timebar = g.show_timebar;
}

int sanitise_saved_game(saved_game* g)
{
    if (!known_map_number(g->map_num)) return FALSE;
    g->gp = std::clamp(g->gp, 0, 9999999);
    for (int& n : g->items) n = std::clamp(n, 0, 99);
    for (int& n : g->gear) n = std::clamp(n, -1, 99);
    for (saved_hero& h : g->heroes) keep_hero_sane(&h);
    // Mike's cell is looked up in the map; a place far off every map is no place.
    g->mike_x = std::clamp(g->mike_x, 0, 32767);
    g->mike_y = std::clamp(g->mike_y, 0, 32767);
    g->walking_layer = std::clamp(g->walking_layer, 0, 7);
    g->swind_speed = std::clamp(g->swind_speed, 0, 5);
    if (g->show_timebar) g->show_timebar = TRUE;
    return TRUE;
}

std::string save_text(const saved_game& g, int for_dump)
{
    std::string text;
    char line[512];
    for (const save_key& k : save_keys()) {
        if (k.style == SK_VERSION) {
            snprintf(line, sizeof line, "%s %f\n", k.name.c_str(), 0.32);
            text += line;
            continue;
        }
        if (k.count == 0) {
            const char* form = k.style == SK_GLUED && !for_dump ? "%s%d \n" : "%s %d\n";
            snprintf(line, sizeof line, form, k.name.c_str(), *save_slot(g, k, 0));
            text += line;
            continue;
        }
        for (int i = 0; i < k.count; i++) {
            snprintf(line, sizeof line, "%s%d %d\n", k.name.c_str(), i, *save_slot(g, k, i));
            text += line;
        }
    }
    return text;
}

int parse_save_text(const char* text, size_t len, saved_game* g)
{
    // A line holds at most 99 characters; the rest of a longer one is no key's.
    char line[100];
    size_t n = 0;
    bool overlong = false, versioned = false, ended = true;
    for (size_t i = 0; i < len; i++) {
        char c = text[i];
        if (c == '\n' || c == '\r') {
            line[n] = 0;
            if (!overlong) {
                offer_line(line, g);
                if (strncmp(line, "saveversion", 11) == 0) versioned = true;
            }
            n = 0;
            overlong = false;
            ended = true;
            continue;
        }
        ended = false;
        // A zero byte would end the line early for every key: such a line is no key's.
        if (c == 0) overlong = true;
        if (n < sizeof line - 1)
            line[n++] = c;
        else
            overlong = true;
    }
    return ended && versioned ? TRUE : FALSE;
}

int write_save_file(const char* file, const saved_game& g)
{
    std::string text = save_text(g), packed, back;
    std::string side = std::string(file) + ".new";
    int ok = pack_in_memory(text, &packed) && write_synced(side.c_str(), packed);
    // Only a side file that reads back as exactly what was meant may replace the slot.
    if (ok && !(read_packed(side.c_str(), &back) && back == text)) ok = FALSE;
    if (ok && rename(side.c_str(), file) != 0) ok = FALSE;
    if (!ok) {
        remove(side.c_str());
        return FALSE;
    }
    sync_folder_of(file);
    return TRUE;
}

int read_save_file(const char* file, saved_game* g)
{
    std::string text;
    if (!read_packed(file, &text)) return FALSE;
    return parse_save_text(text.data(), text.size(), g);
}
