#include "shot.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

namespace {

const char SHOT_DIR[] = "screenshots";
int f10_was_down = FALSE;

// The number in "vantor-NNNN.png", or 0 when the name is anything else.
int shot_number(const std::string& name)
{
    if (name.size() != 15 || name.compare(0, 7, "vantor-") != 0 || name.compare(11, 4, ".png") != 0) return 0;
    int n = 0;
    for (int i = 7; i < 11; i++) {
        if (name[i] < '0' || name[i] > '9') return 0;
        n = n * 10 + (name[i] - '0');
    }
    return n;
}

} // namespace

int next_screenshot_number(const char* dir)
{
    int top = 0;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        int n = shot_number(it->path().filename().string());
        if (n > top) top = n;
    }
    return top >= 9999 ? 0 : top + 1;
}

std::string save_numbered_screenshot(const char* dir, BITMAP* bmp)
{
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    int n = next_screenshot_number(dir);
    if (n == 0) return "";
    char path[1024];
    snprintf(path, sizeof path, "%s/vantor-%04d.png", dir, n);
    return write_png(path, bmp) == 0 ? std::string(path) : std::string();
}

void screenshot_key(BITMAP* bmp)
{
    int down = key[KEY_F10] ? TRUE : FALSE;
    if (down && !f10_was_down) save_numbered_screenshot(SHOT_DIR, bmp);
    f10_was_down = down;
}
