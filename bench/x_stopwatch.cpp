// Times one run of a program from outside, through the X server:
//   1. from the fork until two windows of the program are viewable (the main
//      window and the dialog it opens over itself at start-up);
//   2. the CPU time (user + system) the program has used at that moment;
//   3. the peak resident memory (VmHWM) half a second later;
//   4. OK at (168, 224) of the 338x329 dialog, then a click at (74, 322) of
//      the main window's client area below its menu bar (menu bar height =
//      main window height - 481), and the time from that click until a
//      313x113 window of the program is viewable.
// Prints "startup_ms peak_kib click_ms cpu_ms" and ends the program.
// Usage: corvella_bench_stopwatch INSTANCE_NAME PROGRAM
//
// Windows are found by their WM_CLASS instance name. The X server reports
// every map and reparent as an event, and the window tree is checked on each
// one, so the figures carry no polling delay. The click is real X input
// through the XTEST extension (as xdotool's), loaded from libXtst at run time.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <dirent.h>
#include <dlfcn.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using FakeButton = int (*)(Display *, unsigned int, Bool, unsigned long);

struct Found
{
    Window id;
    int width;
    int height;
};

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Windows vanish while they are looked at; such errors are expected.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

bool hasInstance(Display *display, Window window, const std::string &instance)
{
    XClassHint hint{};
    if (!XGetClassHint(display, window, &hint))
        return false;
    const bool same = hint.res_name && instance == hint.res_name;
    XFree(hint.res_name);
    XFree(hint.res_class);
    return same;
}

void collect(Display *display, Window window, const std::string &instance, std::vector<Found> &found)
{
    Window root = 0;
    Window parent = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable)
            continue;
        if (hasInstance(display, children[i], instance))
            found.push_back({children[i], attributes.width, attributes.height});
        else
            collect(display, children[i], instance, found);
    }
    if (children)
        XFree(children);
}

class Watcher
{
public:
    Watcher(Display *display, std::string instance) : m_display(display), m_instance(std::move(instance))
    {
        const Window root = DefaultRootWindow(display);
        XSelectInput(display, root, SubstructureNotifyMask);
        Window unusedRoot = 0;
        Window unusedParent = 0;
        Window *children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(display, root, &unusedRoot, &unusedParent, &children, &count)) {
            for (unsigned int i = 0; i < count; ++i)
                XSelectInput(display, children[i], SubstructureNotifyMask);
            if (children)
                XFree(children);
        }
    }

    std::vector<Found> viewable() const
    {
        std::vector<Found> found;
        collect(m_display, DefaultRootWindow(m_display), m_instance, found);
        return found;
    }

    // Waits until the test holds for the program's viewable windows, checking
    // on every structure change the X server reports (and every 50 ms).
    template <typename Test>
    std::optional<std::vector<Found>> waitFor(Test test, double timeoutMs = 20000)
    {
        const auto start = Clock::now();
        for (;;) {
            std::vector<Found> found = viewable();
            if (test(found))
                return found;
            if (millisecondsSince(start) > timeoutMs)
                return std::nullopt;
            pollfd descriptor{ConnectionNumber(m_display), POLLIN, 0};
            if (XPending(m_display) == 0)
                poll(&descriptor, 1, 50);
            while (XPending(m_display) > 0) {
                XEvent event;
                XNextEvent(m_display, &event);
                // New frames of the window manager: watch their children too.
                if (event.type == CreateNotify && event.xcreatewindow.parent == DefaultRootWindow(m_display))
                    XSelectInput(m_display, event.xcreatewindow.window, SubstructureNotifyMask);
            }
        }
    }

private:
    Display *m_display;
    std::string m_instance;
};

std::optional<Found> ofSize(const std::vector<Found> &found, int width, int height)
{
    for (const Found &window : found) {
        if (window.width == width && (height < 0 || window.height == height))
            return window;
    }
    return std::nullopt;
}

void pointAt(Display *display, Window window, int x, int y)
{
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    const Window root = DefaultRootWindow(display);
    XTranslateCoordinates(display, window, root, x, y, &rootX, &rootY, &child);
    XWarpPointer(display, None, root, 0, 0, 0, 0, rootX, rootY);
    XSync(display, False);
}

void click(Display *display, FakeButton fakeButton)
{
    fakeButton(display, 1, True, CurrentTime);
    fakeButton(display, 1, False, CurrentTime);
    XFlush(display);
}

long peakKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

// The CPU time (user + system) the process has used so far, in ms. The run
// time of its threads from /proc/PID/task/*/schedstat has nanoseconds; the
// process's utime + stime in /proc/PID/stat only 10 ms ticks, but it keeps
// the time of threads that have already ended. The larger of the two is the
// better lower bound (they agree within a tick unless a thread has ended).
double cpuMs(pid_t pid)
{
    const std::string process = "/proc/" + std::to_string(pid);
    double threadsNs = 0;
    if (DIR *tasks = opendir((process + "/task").c_str())) {
        while (const dirent *task = readdir(tasks)) {
            if (task->d_name[0] == '.')
                continue;
            std::ifstream schedstat(process + "/task/" + task->d_name + "/schedstat");
            double runNs = 0;
            if (schedstat >> runNs)
                threadsNs += runNs;
        }
        closedir(tasks);
    }

    double ticksMs = 0;
    std::ifstream statFile(process + "/stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    // The command name in parentheses may hold spaces: fields are counted
    // from the last ')', after which come field 3 (state) onwards.
    const std::size_t nameEnd = stat.rfind(')');
    if (nameEnd != std::string::npos) {
        std::istringstream fields(stat.substr(nameEnd + 1));
        std::string field;
        long utime = 0;
        long stime = 0;
        for (int number = 3; number <= 15 && fields >> field; ++number) {
            if (number == 14)
                utime = std::stol(field);
            else if (number == 15)
                stime = std::stol(field);
        }
        ticksMs = double(utime + stime) * 1000.0 / double(sysconf(_SC_CLK_TCK));
    }
    return std::max(threadsNs / 1e6, ticksMs);
}

// Asks the program to end, and kills it if it is still there after 5 s.
void endProgram(pid_t child)
{
    kill(child, SIGTERM);
    for (int i = 0; i < 500; ++i) {
        if (waitpid(child, nullptr, WNOHANG) == child)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

int fail(pid_t child, const char *what)
{
    std::fprintf(stderr, "stopwatch: %s\n", what);
    if (child > 0)
        endProgram(child);
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s INSTANCE_NAME PROGRAM\n", argv[0]);
        return 2;
    }
    const std::string instance = argv[1];

    void *xtest = dlopen("libXtst.so.6", RTLD_NOW);
    const auto fakeButton = xtest ? reinterpret_cast<FakeButton>(dlsym(xtest, "XTestFakeButtonEvent")) : nullptr;
    Display *display = XOpenDisplay(nullptr);
    if (!display || !fakeButton)
        return fail(0, "needs an X display and libXtst.so.6");
    XSetErrorHandler(ignoreErrors);
    Watcher watcher(display, instance);
    XSync(display, False);

    const auto started = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(argv[2], argv[2], static_cast<char *>(nullptr));
        _exit(127);
    }
    if (child < 0)
        return fail(0, "cannot start the program");

    if (!watcher.waitFor([](const std::vector<Found> &found) { return found.size() >= 2; }))
        return fail(child, "the main window and the dialog did not both appear");
    const double startupMs = millisecondsSince(started);
    const double startupCpuMs = cpuMs(child);

    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const long peak = peakKib(child);

    auto dialog = watcher.waitFor([](const std::vector<Found> &found) { return ofSize(found, 338, 329).has_value(); });
    if (!dialog)
        return fail(child, "no 338x329 dialog");
    pointAt(display, ofSize(*dialog, 338, 329)->id, 168, 224);
    click(display, fakeButton);
    const auto afterOk = watcher.waitFor([](const std::vector<Found> &found) {
        return !ofSize(found, 338, 329) && ofSize(found, 633, -1);
    });
    if (!afterOk)
        return fail(child, "OK did not close the 338x329 dialog");
    const Found main = *ofSize(*afterOk, 633, -1);
    pointAt(display, main.id, 74, 322 + (main.height - 481));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));

    const auto clicked = Clock::now();
    click(display, fakeButton);
    if (!watcher.waitFor([](const std::vector<Found> &found) { return ofSize(found, 313, 113).has_value(); }))
        return fail(child, "no 313x113 window after the click");
    const double clickMs = millisecondsSince(clicked);

    endProgram(child);
    XCloseDisplay(display);
    std::printf("%.1f %ld %.1f %.1f\n", startupMs, peak, clickMs, startupCpuMs);
    return 0;
}
