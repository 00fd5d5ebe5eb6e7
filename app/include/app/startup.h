#pragma once

struct AppContext;

// Runs once before any window is visible: refuses a second instance, seeds
// the random generator, runs the update reminder, shows the main window and
// picks the banner; the guess history opens right after, from the event
// loop. A reminder that cannot read or write its date stays
// silent; the main window comes up regardless.
void startApplication(AppContext &context);
