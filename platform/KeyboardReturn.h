#pragma once

#include <memory>

class QWidget;

// Around a modal dialog: remembers the window and the control that have the
// keyboard, and gives the keyboard back to them when the dialog has closed.
// Qt activates a dialog's parent window when it closes, which is not always
// where the author was (a message asked from the frames list is parented to
// the main window). When no window had the keyboard, or that window has
// gone, `fallback` gets it.
class KeyboardReturn {
public:
    explicit KeyboardReturn(QWidget* fallback = nullptr);
    ~KeyboardReturn();
    KeyboardReturn(const KeyboardReturn&) = delete;
    KeyboardReturn& operator=(const KeyboardReturn&) = delete;

private:
    struct Place;
    std::unique_ptr<Place> m_place;
};
