#pragma once

struct AppContext;

// Closes every open window in the order they were opened, each running its
// own closing step, then ends the process with exit code 0. Safe to enter
// again from a closing step: the inner run ends the process.
void shutdownApplication(AppContext &context);
