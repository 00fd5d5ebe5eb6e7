#pragma once

struct AppContext;

// Closes every open window in the order they were opened, each running its
// own closing step, then ends the event loop with exit code 0. Safe to enter
// again from a closing step: the inner run ends the loop and the outer one
// stops where it is.
void shutdownApplication(AppContext &context);
