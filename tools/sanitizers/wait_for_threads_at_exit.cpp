// Linked into every program of the sanitizer build only.
//
// LeakSanitizer checks for leaks at exit, after the program's own clean-up.
// A thread that Qt has already joined may still be on its way out then:
// QThread::wait() returns once the thread's work is done, while the thread
// itself goes on to run its exit-time destructors, the sanitizer's own
// among them. The leak check's tracer can fault reading such a half-gone
// thread ("Tracer caught signal 11"), which fails a run that has no leak.
// This handler runs after Qt's exit-time clean-up and before the leak check
// (handlers run in the reverse order of their registration, and the
// sanitizer registers its check before any program code runs), and waits
// until the exiting threads are gone.
#include <cstdlib>
#include <ctime>

#include <dirent.h>

namespace {

int threadCount()
{
    DIR *tasks = opendir("/proc/self/task");
    if (!tasks)
        return 1;
    int count = 0;
    while (const dirent *entry = readdir(tasks)) {
        if (entry->d_name[0] != '.')
            ++count;
    }
    closedir(tasks);
    return count;
}

void waitForOtherThreads()
{
    // A thread that never ends (none of ours does) costs one second, never
    // a hang.
    constexpr int attempts = 1000;
    constexpr timespec oneMillisecond{0, 1'000'000};
    for (int attempt = 0; attempt < attempts && threadCount() > 1; ++attempt)
        nanosleep(&oneMillisecond, nullptr);
}

const int registered = std::atexit(waitForOtherThreads);

} // namespace
