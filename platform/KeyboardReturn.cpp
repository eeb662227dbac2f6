#include "platform/KeyboardReturn.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

struct KeyboardReturn::Place {
    QPointer<QWidget> window;
    QPointer<QWidget> control;
    QPointer<QWidget> fallback;
};

KeyboardReturn::KeyboardReturn(QWidget* fallback) : m_place(std::make_unique<Place>())
{
    m_place->window = QApplication::activeWindow();
    m_place->control = QApplication::focusWidget();
    m_place->fallback = fallback;
}

KeyboardReturn::~KeyboardReturn()
{
    QWidget* window = m_place->window;
    if (!window || !window->isVisible())
        window = m_place->fallback;
    if (!window || !window->isVisible())
        return;
    window->activateWindow();
    QWidget* control = m_place->control;
    if (control && control->window() == window && control->isVisible() && control->isEnabled())
        control->setFocus(Qt::ActiveWindowFocusReason);
}
