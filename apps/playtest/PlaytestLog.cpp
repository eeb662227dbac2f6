#include "apps/playtest/PlaytestLog.h"

#include <QFileDevice>
#include <QJsonArray>
#include <QJsonDocument>

QString PlaytestLog::iconName(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information:
        return QStringLiteral("information");
    case Dialogs::Icon::Exclamation:
        return QStringLiteral("exclamation");
    case Dialogs::Icon::Question:
        return QStringLiteral("question");
    case Dialogs::Icon::Critical:
        return QStringLiteral("critical");
    case Dialogs::Icon::None:
        break;
    }
    return QStringLiteral("none");
}

QString PlaytestLog::buttonsName(Dialogs::Buttons buttons)
{
    switch (buttons) {
    case Dialogs::Buttons::OKCancel:
        return QStringLiteral("OKCancel");
    case Dialogs::Buttons::YesNo:
        return QStringLiteral("YesNo");
    case Dialogs::Buttons::YesNoCancel:
        return QStringLiteral("YesNoCancel");
    case Dialogs::Buttons::OK:
        break;
    }
    return QStringLiteral("OK");
}

QString PlaytestLog::answerName(int answer)
{
    switch (answer) {
    case Dialogs::OK:
        return QStringLiteral("OK");
    case Dialogs::Cancel:
        return QStringLiteral("Cancel");
    case Dialogs::Yes:
        return QStringLiteral("Yes");
    case Dialogs::No:
        return QStringLiteral("No");
    default:
        return QString::number(answer);
    }
}

QByteArray PlaytestLog::line(const QString& event, const QJsonObject& fields)
{
    // QJsonObject keeps its keys sorted; "event" goes first by hand so that
    // lines can be told apart at a glance and with grep.
    const QByteArray head = "{\"event\":" + QJsonDocument(QJsonArray{event}).toJson(QJsonDocument::Compact).mid(1).chopped(1);
    const QByteArray rest = QJsonDocument(fields).toJson(QJsonDocument::Compact);
    if (fields.isEmpty())
        return head + "}\n";
    return head + ',' + rest.mid(1) + '\n';
}

void PlaytestLog::write(const QString& event, const QJsonObject& fields)
{
    if (!m_device)
        return;
    m_device->write(line(event, fields));
    if (auto* file = qobject_cast<QFileDevice*>(m_device))
        file->flush();
}

void PlaytestLog::message(const ScriptedDialogs::Shown& shown)
{
    write(QStringLiteral("message"), QJsonObject{{QStringLiteral("text"), shown.text},
                                                 {QStringLiteral("title"), shown.title},
                                                 {QStringLiteral("icon"), iconName(shown.icon)},
                                                 {QStringLiteral("buttons"), buttonsName(shown.buttons)},
                                                 {QStringLiteral("answer"), answerName(shown.answer)}});
}

void PlaytestLog::frame(const QString& name)
{
    write(QStringLiteral("frame"), QJsonObject{{QStringLiteral("name"), name}});
}

void PlaytestLog::warning(const QString& text, const QString& file)
{
    write(QStringLiteral("warning"), QJsonObject{{QStringLiteral("text"), text}, {QStringLiteral("file"), file}});
}

void PlaytestLog::mci(const QString& command, int result, const QString& reply)
{
    QJsonObject fields{{QStringLiteral("command"), command}, {QStringLiteral("result"), result}};
    if (!reply.isEmpty())
        fields.insert(QStringLiteral("reply"), reply);
    write(QStringLiteral("mci"), fields);
}

void PlaytestLog::state(int step, const QString& command, const PlaytestState& state)
{
    QJsonObject fields = state.toJson();
    fields.insert(QStringLiteral("step"), step);
    fields.insert(QStringLiteral("command"), command);
    write(QStringLiteral("state"), fields);
}
