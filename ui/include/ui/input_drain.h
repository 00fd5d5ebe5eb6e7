#pragma once

// During the guess pause the user-interface thread sleeps, and whatever the
// user does meanwhile waits in the window system's queue. Called right after
// the pause, this takes all of that input out of the queue without acting on
// it, so a click made during the pause cannot start a second guess, press a
// button or close a window afterwards.
void dropInputQueuedDuringPause();
