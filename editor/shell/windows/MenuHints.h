#pragma once

class frmMenu;

// The main window's keyboard shortcuts and the tooltips of its panels'
// buttons, each saying what the button does and, where it has one, its key.
namespace MenuHints {

void apply(frmMenu& menu);

}  // namespace MenuHints
