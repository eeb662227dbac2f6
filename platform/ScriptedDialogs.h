#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QQueue>

#include <functional>

// A Dialogs service that shows nothing: every dialog is recorded and answered
// from a queue. Tests use it to check what the user would have been asked;
// headless players use it to answer from a script.
class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        enum class Kind { Message, Input, OpenFile, Colour };
        Kind kind = Kind::Message;
        QString text;
        QString title;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::OK;
        int answer = 0;
    };

    // What happens when a dialog appears with no answer queued.
    enum class Unqueued {
        FirstButton,  // answer with its first button (OK or Yes)
        Record,       // answer with the first button and keep it in unexpected()
    };

    ScriptedDialogs();   // installs itself as the service
    ~ScriptedDialogs() override;  // restores the previous service

    void setUnqueued(Unqueued policy) { m_policy = policy; }

    void queueAnswer(int answer) { m_answers.enqueue(answer); }
    void queueInput(std::optional<QString> text) { m_inputs.enqueue(std::move(text)); }
    void queueFile(const QString& path) { m_files.enqueue(path); }
    void queueColour(std::optional<QColor> colour) { m_colours.enqueue(colour); }

    // Called whenever a dialog is shown, after it was answered.
    void setObserver(std::function<void(const Shown&)> observer) { m_observer = std::move(observer); }

    const QList<Shown>& shown() const { return m_shown; }
    const QList<Shown>& unexpected() const { return m_unexpected; }
    QStringList messages() const;
    void clear();
    int pendingAnswers() const { return int(m_answers.size()); }

    int messageBox(const QString& text, Icon icon, Buttons buttons, const QString& title) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& initial) override;
    QString openFile(const QString& title, const QString& folder, const QString& filter) override;
    std::optional<QColor> pickColour(const QColor& initial) override;

private:
    void record(Shown shown, bool queued);

    Dialogs* m_previous = nullptr;
    Unqueued m_policy = Unqueued::Record;
    QQueue<int> m_answers;
    QQueue<std::optional<QString>> m_inputs;
    QQueue<QString> m_files;
    QQueue<std::optional<QColor>> m_colours;
    QList<Shown> m_shown;
    QList<Shown> m_unexpected;
    std::function<void(const Shown&)> m_observer;
};
