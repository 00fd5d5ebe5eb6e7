#pragma once

#include <cstdint>

class SymbolTest;
class RandomSource;
class Platform;
class WindowRegistry;

// The object graph of one run, built in main() (or by a test) and handed to
// every window.
struct AppContext
{
    SymbolTest &test;
    RandomSource &random;
    Platform &platform;
    WindowRegistry &windows;

    // The banner pick of this run, 0 until start-up has made it.
    std::int16_t bannerNumber = 0;
    // Set once the shutdown has ended the event loop: nothing more may run.
    bool ended = false;
};
