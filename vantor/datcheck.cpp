// Start-up checks of the datafiles against the generated object tables.
#include "datcheck.h"

#include <cstdint>
#include <cstdio>
#include <iterator>

#include "tilemap.h"
#include "vantor.h"

const datafile_layout data_dat_layout = {"data.dat", data_dat_types, std::size(data_dat_types),
                                         data_dat_count};
const datafile_layout chrctrs_dat_layout = {"chrctrs.dat", chrctrs_dat_types, std::size(chrctrs_dat_types),
                                            chrctrs_dat_count};
const datafile_layout tiles_dat_layout = {"tiles.dat", tiles_dat_types, std::size(tiles_dat_types),
                                          tiles_dat_count};
const datafile_layout lgmovie_dat_layout = {"lgmovie.dat", lgmovie_dat_types, std::size(lgmovie_dat_types),
                                            lgmovie_dat_count};

namespace {

bool read_long(PACKFILE* f, long* v)
{
    unsigned char b[4];
    if (pack_fread(b, 4, f) != 4) return false;
    *v = (long)(int32_t)((uint32_t)b[0] << 24 | (uint32_t)b[1] << 16 | (uint32_t)b[2] << 8 | b[3]);
    return true;
}

bool skip(PACKFILE* f, long n)
{
    char buf[4096];
    while (n > 0) {
        long part = n < (long)sizeof buf ? n : (long)sizeof buf;
        if (pack_fread(buf, part, f) != part) return false;
        n -= part;
    }
    return true;
}

// Walks the objects the way the library's loader will, without loading them:
// the loader itself reads on past the end of a cut-off file and calls the
// loader of "no type" there, which crashes.
bool objects_complete(PACKFILE* f)
{
    long magic, count;
    if (!read_long(f, &magic) || magic != DAT_MAGIC || !read_long(f, &count) || count < 0) return false;
    for (long c = 0; c < count; c++) {
        long type, a, b;
        if (!read_long(f, &type)) return false;
        if (type == DAT_PROPERTY) {
            // Properties come before their object: id, size, text.
            if (!read_long(f, &a) || !read_long(f, &b) || b < 0 || !skip(f, b)) return false;
            c--;
            continue;
        }
        // The game's files hold no nested datafiles, and an end mark is no object.
        if (type == DAT_END || type == DAT_FILE) return false;
        // A chunk: its size on disk, then its size unpacked (negative when packed).
        if (!read_long(f, &a) || !read_long(f, &b) || a < 0 || !skip(f, a)) return false;
    }
    return true;
}

} // namespace

bool datafile_complete(const char* file, const char* password)
{
    packfile_password(password);
    PACKFILE* f = pack_fopen(file, F_READ_PACKED);
    packfile_password(nullptr);
    if (!f) return false;
    bool ok = objects_complete(f);
    pack_fclose(f);
    return ok;
}

const char* datafile_mismatch(DATAFILE* d, const datafile_layout& layout)
{
    static char why[160];
    if (!d) return "it does not load";
    int count = count_objects(d);
    if (count != layout.count) {
        snprintf(why, sizeof why, "it holds %d objects, not %d", count, layout.count);
        return why;
    }
    for (size_t i = 0; i < layout.named_count; i++) {
        const dat_object_type& o = layout.named[i];
        // A null body would be read as the object all the same.
        if (o.num >= count || d[o.num].type != o.type || !d[o.num].dat) {
            snprintf(why, sizeof why, "object %d is not the %s the game reads there", o.num, o.name);
            return why;
        }
    }
    return nullptr;
}

DATAFILE* load_checked_datafile(const datafile_layout& layout, const char* password)
{
    char text[256];
    DATAFILE* d = nullptr;
    if (datafile_complete(layout.file, password)) {
        packfile_password(password);
        d = load_datafile(layout.file);
        packfile_password(nullptr);
    }
    if (!d) {
        // A missing file keeps the plain message; one that is there but will not load is named for what it is.
        if (exists(layout.file))
            snprintf(text, sizeof text, "error loading %s\n%s is damaged or out of date.\n\n", layout.file,
                     layout.file);
        else
            snprintf(text, sizeof text, "error loading %s\n\n", layout.file);
        fatalerror(text);
    }
    if (const char* why = datafile_mismatch(d, layout)) {
        snprintf(text, sizeof text, "error loading %s\n%s is damaged or out of date (%s).\n\n", layout.file,
                 layout.file, why);
        unload_datafile(d);
        fatalerror(text);
    }
    return d;
}
