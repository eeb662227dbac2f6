#pragma once

#include <functional>

// What "wait" means for a play command: the call returns when `done` says
// so. Meanwhile the windows keep repainting and timers keep running, but
// mouse clicks, keys and the wheel are thrown away, so the player cannot act
// on the game while a video or a waited sound plays. Also returns when the
// application is quitting.
void waitUntil(const std::function<bool()>& done);
