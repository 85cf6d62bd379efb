#include "tilecat.h"

#include "datwriter.h"

#include <fstream>
#include <sstream>

std::vector<TileEntry> load_tile_catalogue(const std::string& path)
{
    std::ifstream in(path);
    if (!in) tool_fail("%s: cannot open", path.c_str());
    std::vector<TileEntry> out;
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        n++;
        if (line.empty() || line[0] == '#' || line.find_first_not_of(" \t\r") == std::string::npos) continue;
        std::istringstream ss(line);
        TileEntry e;
        std::string solid, groups;
        if (!(ss >> e.index >> e.name >> solid >> groups >> e.look))
            tool_fail("%s:%d: expected index name solid groups look", path.c_str(), n);
        if (solid != "S" && solid != "-") tool_fail("%s:%d: solid must be S or -", path.c_str(), n);
        e.solid = solid == "S";
        std::getline(ss >> std::ws, e.description);
        std::stringstream gs(groups);
        std::string g;
        while (std::getline(gs, g, ',')) e.groups.push_back(g);
        if (!out.empty() && e.index != out.back().index + 1)
            tool_fail("%s:%d: index %d out of order", path.c_str(), n, e.index);
        out.push_back(e);
    }
    return out;
}

const std::map<std::string, std::vector<int>>& tile_group_maps()
{
    static const std::map<std::string, std::vector<int>> groups = [] {
        std::map<std::string, std::vector<int>> g;
        auto range = [](int a, int b) {
            std::vector<int> v;
            for (int i = a; i <= b; i++) v.push_back(i);
            return v;
        };
        g["W"] = {-1};
        g["BR"] = {1};
        g["WD"] = range(2, 16);
        g["SG"] = range(19, 30);
        g["LV"] = {101};
        g["AG"] = {103};
        g["MY"] = {104};
        g["LVI"] = range(10101, 10110);
        g["LVI"].push_back(10192);
        g["LC"] = range(10201, 10226);
        g["AGI"] = range(10301, 10310);
        g["MYI"] = range(10401, 10409);
        return g;
    }();
    return groups;
}
