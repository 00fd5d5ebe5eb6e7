#pragma once

#include <cstdint>
#include <memory>

class SymbolTest;
class RandomSource;
class Platform;
class WindowRegistry;
class HistoryKeeper;

// The object graph of one run, built in main() (or by a test) and handed to
// every window.
struct AppContext
{
    SymbolTest &test;
    RandomSource &random;
    Platform &platform;
    // The open windows, a list kept by the window layer; the services only
    // carry it.
    WindowRegistry &windows;

    // The guesses kept across runs, read and written on a thread of its own.
    // Null until start-up has opened it after the main window is up, and in
    // tests that keep none. (A shared_ptr, so that whoever owns a context
    // needs no complete HistoryKeeper type.)
    std::shared_ptr<HistoryKeeper> history = nullptr;

    // The banner pick of this run, 0 until start-up has made it.
    std::int16_t bannerNumber = 0;
    // Set once the shutdown has ended the event loop: nothing more may run.
    bool ended = false;
};
