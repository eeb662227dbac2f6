#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

// F6 and Shift+F6 take the keyboard from one of the editor's open windows to
// the next or the one before (the main window, the frames list, the frame
// canvas, the objects list, the game check's report), in the order they were added; windows that are
// not shown are passed over. Each window has a control the keyboard lands
// on when it arrives there.
class WindowCycle : public QObject {
    Q_OBJECT

public:
    explicit WindowCycle(QObject* parent = nullptr);

    // `window` joins the cycle and gets the keys. `arrive` puts the focus
    // where it goes in that window; without it the focus goes back to the
    // control that had it last, or to the window's first.
    void add(QWidget* window, std::function<void()> arrive = {});
    // The window `by` steps after `from` (before it when negative), among
    // those shown; `from` itself when it is the only one.
    QWidget* next(QWidget* from, int by) const;
    // Moves the keyboard to that window.
    void step(QWidget* from, int by);

private:
    struct Entry {
        QPointer<QWidget> window;
        std::function<void()> arrive;
    };
    QList<Entry> m_windows;
};
