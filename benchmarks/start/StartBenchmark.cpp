// Start-up as the user meets it, on the X display of $DISPLAY (an Xvfb without a window manager):
// the time from the process start to its first mapped window for Pinwall-Builder (sample page and
// empty program folder), PinEdit and a bare Qt dialog, the programs started in turn, round after
// round, so that the load of a shared machine falls on all alike; and the time from a click on
// "Speichern / HTML erstellen" to the page shown in the preview, the first and a later time.
// Each folder given on the command line holds one build (Pinwall-Builder, Pinwall-Preview when it
// has one, PinEdit); every build is measured in the same run.
//   start_benchmarks [--rounds=N] BUILD_FOLDER...
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

Display* display = nullptr;
fs::path scratch;

double Seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

void Put(const fs::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

// A hard link where the file system allows it: the program must lie in its folder as a file of
// its own, since it finds its data beside the path it was started from.
void Place(const fs::path& from, const fs::path& folder)
{
    if (!fs::exists(from)) return;
    std::error_code error;
    fs::create_hard_link(from, folder / from.filename(), error);
    if (error) fs::copy_file(from, folder / from.filename(), fs::copy_options::overwrite_existing);
}

// A program folder: empty, or with the sample library and page as the first start lays them out.
fs::path ProgramFolder(const std::string& name, const fs::path& build, bool sample)
{
    const fs::path folder = scratch / name;
    fs::create_directories(folder / "Library");
    Place(build / "Pinwall-Builder", folder);
    Place(build / "Pinwall-Preview", folder);
    Place(build / "PinEdit", folder / "Library");
    if (sample) {
        for (const char* sub : {"Back", "Forms", "Banner", "Library", "PnwFiles"})
            fs::copy(fs::path(PINWALL_DATA_DIR) / sub, folder / sub,
                     fs::copy_options::recursive | fs::copy_options::skip_existing);
        Put(folder / "Pinwall-Builder.ini", "[PinwallEdit]\r\nLastEdit=Beispiel\r\n");
    }
    return folder;
}

pid_t Launch(const fs::path& program)
{
    // A program that ended normally leaves no lock behind; a killed one would send the next
    // start down the stale lock's slower road.
    for (const auto& entry : fs::directory_iterator(scratch / "runtime")) fs::remove_all(entry.path());
    const pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        const std::string runtime = (scratch / "runtime").string();
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        unsetenv("QT_QPA_PLATFORM");
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    setpgid(pid, pid);
    return pid;
}

void End(pid_t pid)
{
    kill(-pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    // The preview program ends with its socket; wait until its group is gone.
    for (int i = 0; i < 200 && kill(-pid, 0) == 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    kill(-pid, SIGKILL);
}

// The first top-level window mapped after `since` (the caller selected the root's substructure).
Window WaitForMap(Clock::time_point since, double& seconds)
{
    while (Seconds(Clock::now() - since) < 30) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == DefaultRootWindow(display)) {
                seconds = Seconds(Clock::now() - since);
                return event.xmap.window;
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    seconds = 30;
    return 0;
}

void DrainEvents()
{
    XSync(display, False);
    while (XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
    }
}

// Seconds from the start of `program` to its first mapped window.
double TimeToFirstWindow(const fs::path& program)
{
    DrainEvents();
    const Clock::time_point start = Clock::now();
    const pid_t pid = Launch(program);
    double seconds = 0;
    WaitForMap(start, seconds);
    End(pid);
    return seconds;
}

unsigned long PixelAt(int x, int y)
{
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return 0;
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel;
}

// A page background of one colour (a 1 x 1 GIF that the page tiles).
std::string SolidGif(unsigned char r, unsigned char g, unsigned char b)
{
    const unsigned char bytes[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, r, g, b, 0, 0, 0,
                                   0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 1, 0, 0x3B};
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

void Click(int x, int y)
{
    XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);
}

// Seconds from the click until the preview shows the page's background colour `pixel`.
double TimeToPage(int x, int y, unsigned long pixel)
{
    const Clock::time_point start = Clock::now();
    Click(x, y);
    while (Seconds(Clock::now() - start) < 20) {
        // A spot of the preview's page below the columns, where only the background shows.
        if (PixelAt(300, 650) == pixel) return Seconds(Clock::now() - start);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return 20;
}

// The first and a later preview of the sample page, in a fresh start of the program.
std::pair<double, double> TimeToPreview(const fs::path& folder)
{
    const fs::path back = folder / "Back" / "_back03.gif";
    Put(back, SolidGif(0xFF, 0, 0));
    DrainEvents();
    const pid_t pid = Launch(folder / "Pinwall-Builder");
    double seconds = 0;
    const Window editor = WaitForMap(Clock::now(), seconds);
    std::this_thread::sleep_for(std::chrono::milliseconds(700));  // the start has settled
    XWindowAttributes a{};
    XGetWindowAttributes(display, editor, &a);
    // The generator button lies at the right end of the editor's bottom frame.
    const int x = a.x + a.width - 109, y = a.y + a.height - 33;
    const double first = TimeToPage(x, y, 0xFF0000);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    Put(back, SolidGif(0, 0, 0xFF));
    // The user brings the editor back over the preview to click again.
    XRaiseWindow(display, editor);
    XSync(display, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const double later = TimeToPage(x, y, 0x0000FF);
    End(pid);
    return {first, later};
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    int rounds = 15;
    std::vector<fs::path> builds;
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--rounds=", 0) == 0) rounds = std::atoi(arg.c_str() + 9);
        else if (arg.rfind("--", 0) == 0) rest.push_back(argv[i]);
        else builds.push_back(fs::absolute(arg));
    }
    display = XOpenDisplay(nullptr);
    if (!display || builds.empty()) {
        std::cerr << "usage: start_benchmarks [--rounds=N] BUILD_FOLDER... (on an X display without a window manager)\n";
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    char pattern[] = "/tmp/pinwall-start-XXXXXX";
    scratch = mkdtemp(pattern);
    fs::create_directories(scratch / "runtime");
    fs::permissions(scratch / "runtime", fs::perms::owner_all);

    // name -> what to start; all measured in turn within each round.
    std::vector<std::pair<std::string, std::function<double()>>> cases;
    const fs::path bare = fs::path(argv[0]).parent_path() / "bare_dialog";
    cases.emplace_back("bare Qt dialog", [bare] { return TimeToFirstWindow(bare); });
    std::vector<std::pair<std::string, fs::path>> previewFolders;
    for (std::size_t b = 0; b < builds.size(); ++b) {
        const std::string label = builds[b].filename().string();
        const fs::path sample = ProgramFolder("sample" + std::to_string(b), builds[b], true);
        const fs::path empty = ProgramFolder("empty" + std::to_string(b), builds[b], false);
        cases.emplace_back(label + " Pinwall-Builder sample page",
                           [sample] { return TimeToFirstWindow(sample / "Pinwall-Builder"); });
        cases.emplace_back(label + " Pinwall-Builder empty folder",
                           [empty] { return TimeToFirstWindow(empty / "Pinwall-Builder"); });
        cases.emplace_back(label + " PinEdit", [sample] { return TimeToFirstWindow(sample / "Library" / "PinEdit"); });
        previewFolders.emplace_back(label, ProgramFolder("preview" + std::to_string(b), builds[b], true));
    }

    std::map<std::string, std::vector<double>> samples;
    for (int round = 0; round < rounds; ++round) {
        for (auto& [name, run] : cases) samples[name].push_back(run());
        for (auto& [label, folder] : previewFolders) {
            const auto [first, later] = TimeToPreview(folder);
            samples[label + " preview first"].push_back(first);
            samples[label + " preview later"].push_back(later);
        }
    }
    const double bareMedian = Median(samples["bare Qt dialog"]);

    // Each sample is one repetition of manual time; the report's median is the figure to read,
    // `x_bare` the median as a multiple of the bare dialog's.
    for (auto& [name, values] : samples) {
        const bool start = name.find("preview") == std::string::npos;
        const double median = Median(values);
        auto next = std::make_shared<std::size_t>(0);
        benchmark::RegisterBenchmark(name.c_str(), [values, median, bareMedian, start, next](benchmark::State& state) {
            for (auto _ : state) state.SetIterationTime(values[(*next)++ % values.size()]);
            if (start) state.counters["x_bare"] = median / bareMedian;
        })
            ->UseManualTime()
            ->Iterations(1)
            ->Repetitions(static_cast<int>(values.size()))
            ->ReportAggregatesOnly(true)
            ->Unit(benchmark::kMillisecond);
    }
    int restCount = static_cast<int>(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    XCloseDisplay(display);
    fs::remove_all(scratch);
    return 0;
}
