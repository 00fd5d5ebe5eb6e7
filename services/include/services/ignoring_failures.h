#pragma once

// Runs one step of a handler that ignores failures of its own steps: a step
// that fails is skipped, nothing is reported, and the handler goes on.
template <typename Step>
void IgnoringFailures(Step step)
{
    try {
        step();
    } catch (...) {
    }
}
