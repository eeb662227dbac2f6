#pragma once

class QDialog;

// The look the two saved-game dialogs share: parchment colours and the
// game's serif type, centred on the screen.
namespace SavedGameDialogStyle {
void apply(QDialog* dialog);
void centre(QDialog* dialog);
}  // namespace SavedGameDialogStyle
