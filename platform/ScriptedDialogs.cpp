#include "platform/ScriptedDialogs.h"

namespace {
Dialogs* g_current = nullptr;
}

ScriptedDialogs::ScriptedDialogs()
    : m_previous(g_current)
{
    g_current = this;
    Dialogs::set(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    g_current = m_previous;
    Dialogs::set(m_previous);
}

QStringList ScriptedDialogs::messages() const
{
    QStringList texts;
    for (const Shown& s : m_shown) {
        if (s.kind == Shown::Kind::Message)
            texts.append(s.text);
    }
    return texts;
}

void ScriptedDialogs::clear()
{
    m_answers.clear();
    m_inputs.clear();
    m_files.clear();
    m_colours.clear();
    m_shown.clear();
    m_unexpected.clear();
}

void ScriptedDialogs::record(Shown shown, bool queued)
{
    m_shown.append(shown);
    if (!queued && m_policy == Unqueued::Record)
        m_unexpected.append(shown);
    if (m_observer)
        m_observer(shown);
}

int ScriptedDialogs::messageBox(const QString& text, Icon icon, Buttons buttons, const QString& title)
{
    const bool queued = !m_answers.isEmpty();
    const int first = (buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel) ? Yes : OK;
    const int answer = queued ? m_answers.dequeue() : first;
    record({Shown::Kind::Message, text, title, icon, buttons, answer}, queued);
    return answer;
}

std::optional<QString> ScriptedDialogs::inputBox(const QString& prompt, const QString& title, const QString& initial)
{
    const bool queued = !m_inputs.isEmpty();
    const std::optional<QString> answer = queued ? m_inputs.dequeue() : std::optional<QString>(initial);
    record({Shown::Kind::Input, prompt, title, Icon::None, Buttons::OKCancel, answer ? int(OK) : int(Cancel)}, queued);
    return answer;
}

QString ScriptedDialogs::openFile(const QString& title, const QString&, const QString&)
{
    const bool queued = !m_files.isEmpty();
    const QString answer = queued ? m_files.dequeue() : QString();
    record({Shown::Kind::OpenFile, answer, title, Icon::None, Buttons::OKCancel, answer.isEmpty() ? int(Cancel) : int(OK)},
           queued);
    return answer;
}

std::optional<QColor> ScriptedDialogs::pickColour(const QColor& initial)
{
    const bool queued = !m_colours.isEmpty();
    const std::optional<QColor> answer = queued ? m_colours.dequeue() : std::optional<QColor>(initial);
    record({Shown::Kind::Colour, QString(), QString(), Icon::None, Buttons::OKCancel, answer ? int(OK) : int(Cancel)},
           queued);
    return answer;
}
