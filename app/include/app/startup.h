#pragma once

struct AppContext;

// Runs once before any window is visible: refuses a second instance, seeds
// the random generator, runs the update reminder, shows the main window and
// picks the banner. Each step's failure is swallowed.
void startApplication(AppContext &context);
