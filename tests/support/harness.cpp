#include "harness.h"

#include "door.h"
#include "vantor.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void link_data_files(const std::string& dir, const std::map<std::string, std::string>& skip = {})
{
    DIR* d = opendir(VANTOR_DATA_DIR);
    if (!d) return;
    while (dirent* e = readdir(d)) {
        std::string n = e->d_name;
        bool wanted = n.size() > 4 &&
                      (n.compare(n.size() - 4, 4, ".dat") == 0 || n.compare(n.size() - 4, 4, ".map") == 0);
        if (!wanted || skip.count(n)) continue;
        std::string from = std::string(VANTOR_DATA_DIR) + "/" + n;
        std::string to = dir + "/" + n;
        if (symlink(from.c_str(), to.c_str()) != 0) ADD_FAILURE() << "cannot link " << from;
    }
    closedir(d);
}

// The temporary folders of this test process, removed when it ends. A forked
// child (a death test) ends too, but must leave its parent's folders alone.
struct TempDirs {
    pid_t owner = getpid();
    std::vector<std::string> paths;
    ~TempDirs()
    {
        if (getpid() != owner) return;
        std::error_code ec;
        for (const std::string& p : paths) std::filesystem::remove_all(p, ec);
    }
};

TempDirs& temp_dirs()
{
    static TempDirs dirs;
    return dirs;
}

void write_file(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

} // namespace

std::string make_temp_dir()
{
    char tmpl[] = "/tmp/vantor-test-XXXXXX";
    char* d = mkdtemp(tmpl);
    if (!d) {
        ADD_FAILURE() << "cannot make a temporary directory";
        return "/tmp";
    }
    temp_dirs().paths.push_back(d);
    return d;
}

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return "";
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string make_game_dir()
{
    std::string dir = make_temp_dir();
    link_data_files(dir);
    return dir;
}

int GameRun::dump_int(const std::string& key) const
{
    auto it = dump.find(key);
    if (it == dump.end()) {
        ADD_FAILURE() << "the dump has no key " << key << "\n" << output;
        return 0;
    }
    return atoi(it->second.c_str());
}

bool GameRun::heard(const std::string& prefix) const
{
    for (const std::string& s : sounds)
        if (s.compare(0, prefix.size(), prefix) == 0) return true;
    return false;
}

bool GameRun::said(const std::string& text) const
{
    for (const std::string& w : windows)
        if (w == text) return true;
    return false;
}

GameRun run_game(const std::string& script, const std::vector<std::string>& args,
                 const std::map<std::string, std::string>& files, unsigned seed, bool full_start)
{
    GameRun run;
    run.dir = make_temp_dir();
    link_data_files(run.dir, files);
    for (const auto& f : files)
        if (f.second != HARNESS_ABSENT) write_file(run.dir + "/" + f.first, f.second);
    write_file(run.dir + "/script.txt", script);
    mkdir((run.dir + "/shots").c_str(), 0755);
    std::string out_path = run.dir + "/output.txt";
    std::string dump_path = run.dir + "/dump.txt";

    auto start = std::chrono::steady_clock::now();
    pid_t pid = fork();
    if (pid == 0) {
        if (chdir(run.dir.c_str()) != 0) _exit(120);
        int fd = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) {
            dup2(fd, 1);
            dup2(fd, 2);
            close(fd);
        }
        setenv("VANTOR_SCRIPT", (run.dir + "/script.txt").c_str(), 1);
        setenv("VANTOR_SEED", std::to_string(seed).c_str(), 1);
        setenv("VANTOR_DUMP", dump_path.c_str(), 1);
        setenv("VANTOR_SHOTS", (run.dir + "/shots").c_str(), 1);
        if (full_start)
            unsetenv("VANTOR_START");
        else
            setenv("VANTOR_START", "world", 1);
        unsetenv("DISPLAY");
        std::vector<char*> argv;
        argv.push_back((char*)VANTOR_BINARY);
        for (const std::string& a : args) argv.push_back((char*)a.c_str());
        argv.push_back(nullptr);
        execv(VANTOR_BINARY, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    run.wall_seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.output = read_file(out_path);
    std::istringstream dump(read_file(dump_path));
    std::string line;
    while (std::getline(dump, line)) {
        size_t sp = line.find(' ');
        std::string k = line.substr(0, sp), v = sp == std::string::npos ? "" : line.substr(sp + 1);
        if (k == "sound")
            run.sounds.push_back(v);
        else if (k == "window")
            run.windows.push_back(v);
        else if (k == "turn")
            run.turns.push_back(v);
        else
            run.dump[k] = v;
    }
    return run;
}

void headless_library_start()
{
    if (!system_driver && install_allegro(SYSTEM_NONE, &errno, atexit) != 0)
        FAIL() << "cannot start the library";
    set_color_depth(16);
}

DATAFILE* built_datafile(const std::string& name)
{
    static std::map<std::string, DATAFILE*> loaded;
    auto it = loaded.find(name);
    if (it != loaded.end()) return it->second;
    headless_library_start();
    std::string path = std::string(VANTOR_DATA_DIR) + "/" + name + ".dat";
    if (name == "chrctrs") packfile_password("quorl52");
    DATAFILE* d = load_datafile(path.c_str());
    packfile_password(nullptr);
    return loaded[name] = d;
}

void headless_game_start(const char* script)
{
    static bool started = false;
    door_begin_script(script ? script : "", 1);
    if (started) return;
    started = true;
    std::string dir = make_game_dir();
    if (chdir(dir.c_str()) != 0) FAIL() << "cannot enter " << dir;
    vantor_init();
}
