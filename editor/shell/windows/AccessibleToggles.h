#pragma once

// Check boxes and option buttons as assistive tools see them. Qt's own
// interface toggles a box without a click, so a dialog that does something
// on the author's click (ticks "Stop any playing sound." with a sound, warns
// before leaving out a system file) would not do it for a screen reader's
// user. Here the toggle and press actions click the control, exactly as the
// mouse or the space bar does; a box ticked by the program itself (a dialog
// loading a file) is still told apart from one the author ticked.
namespace AccessibleToggles {

// Puts these interfaces in place of Qt's for the whole application.
void install();

}  // namespace AccessibleToggles
