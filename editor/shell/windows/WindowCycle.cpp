#include "editor/shell/windows/WindowCycle.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

WindowCycle::WindowCycle(QObject* parent) : QObject(parent) {}

void WindowCycle::add(QWidget* window, std::function<void()> arrive)
{
    m_windows.push_back({window, std::move(arrive)});
    const auto bind = [&](const QKeySequence& keys, int by) {
        auto* shortcut = new QShortcut(keys, window);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, window, by] { step(window, by); });
    };
    bind(QKeySequence(Qt::Key_F6), 1);
    bind(QKeySequence(Qt::SHIFT | Qt::Key_F6), -1);
}

QWidget* WindowCycle::next(QWidget* from, int by) const
{
    QList<QWidget*> shown;
    for (const Entry& e : m_windows) {
        if (e.window && (e.window->isVisible() || e.window == from))
            shown.push_back(e.window);
    }
    const qsizetype at = shown.indexOf(from);
    if (at < 0 || shown.isEmpty())
        return from;
    const qsizetype n = shown.size();
    return shown[((at + by) % n + n) % n];
}

void WindowCycle::step(QWidget* from, int by)
{
    QWidget* to = next(from, by);
    if (!to || to == from)
        return;
    to->raise();
    to->activateWindow();
    for (const Entry& e : m_windows) {
        if (e.window != to)
            continue;
        if (e.arrive) {
            e.arrive();
        } else if (QWidget* last = to->focusWidget()) {
            last->setFocus(Qt::ActiveWindowFocusReason);
        } else {
            for (QWidget* w = to->nextInFocusChain(); w && w != to; w = w->nextInFocusChain()) {
                if (w->window() == to && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(to) && w->isEnabled()) {
                    w->setFocus(Qt::ActiveWindowFocusReason);
                    break;
                }
            }
        }
    }
}
