// One datafile from its sources: the generators fill its objects, the result
// is held against the generated names, and it is written (with its contact
// sheet when asked for).
#include "datafiles/datafiles.h"

#include "dat_names.h"

namespace {

// The game reads objects by the names generated from the manifests: a builder
// that puts something else at a named number, or stops short of the count,
// must fail here rather than in the game.
template <size_t N>
void check_names(const DatFile& f, const char* which, const dat_object_type (&named)[N], int count)
{
    int built = f.empty() ? 0 : f.rbegin()->first + 1;
    if (built != count) tool_fail("%s.dat: %d objects built, the manifests list %d", which, built, count);
    for (const dat_object_type& o : named) {
        auto it = f.find(o.num);
        if (it == f.end()) tool_fail("%s.dat: object %d (%s) is listed but not built", which, o.num, o.name);
        if ((int)it->second.type != o.type || it->second.name != o.name)
            tool_fail("%s.dat: object %d is %s, listed as %s", which, o.num, it->second.name.c_str(), o.name);
    }
}

} // namespace

void build_datafile(const std::string& which, const char* out, const std::string& assets, const char* sheet)
{
    DatFile f;
    const char* password = nullptr;
    if (which == "data") {
        gen_data(f, assets);
        check_names(f, "data", data_dat_types, data_dat_count);
    } else if (which == "chrctrs") {
        gen_chr_actors(f, assets);
        gen_chr_battle(f, assets);
        check_names(f, "chrctrs", chrctrs_dat_types, chrctrs_dat_count);
        password = "quorl52";
    } else if (which == "tiles") {
        gen_tiles(f, assets);
        check_names(f, "tiles", tiles_dat_types, tiles_dat_count);
    } else if (which == "lgmovie") {
        gen_lgmovie(f, assets);
        check_names(f, "lgmovie", lgmovie_dat_types, lgmovie_dat_count);
    } else {
        tool_fail("datbuild: unknown datafile %s", which.c_str());
    }
    int count = f.empty() ? 1 : f.rbegin()->first + 1;
    if (dat_write(out, f, count, password) != 0) tool_fail("datbuild: cannot write %s", out);
    if (sheet) write_contact_sheet(f, sheet);
}
