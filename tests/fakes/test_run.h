#pragma once

#include "fakes/fake_platform.h"
#include "fakes/scripted_random.h"
#include "services/app_context.h"
#include "symboltest/symbol_test.h"
#include "ui/window_registry.h"

// One run's object graph with a scripted desktop and pinned random values.
struct TestRun
{
    SymbolTest test;
    ScriptedRandom random;
    FakePlatform platform;
    WindowRegistry windows;
    AppContext context{test, random, platform, windows};
};
