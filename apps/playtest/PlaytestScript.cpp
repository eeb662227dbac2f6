#include "apps/playtest/PlaytestScript.h"

#include "platform/Dialogs.h"
#include "platform/FileNames.h"

#include <QFile>
#include <QRegularExpression>

#include <cmath>
#include <limits>
#include <optional>

namespace {

// Walks through a line word by word and hands out what is left.
class Words {
public:
    explicit Words(const QString& line) : m_line(line) {}

    QString next()
    {
        skipBlanks();
        const qsizetype start = m_pos;
        while (m_pos < m_line.size() && !m_line[m_pos].isSpace())
            ++m_pos;
        return m_line.mid(start, m_pos - start);
    }

    // The rest after the one blank that separates it from the last word,
    // exactly as written.
    QString restAsWritten() const
    {
        qsizetype from = m_pos;
        if (from < m_line.size() && m_line[from].isSpace())
            ++from;
        return m_line.mid(from);
    }

    QString rest() const { return m_line.mid(m_pos).trimmed(); }
    bool atEnd() const { return rest().isEmpty(); }

private:
    void skipBlanks()
    {
        while (m_pos < m_line.size() && m_line[m_pos].isSpace())
            ++m_pos;
    }

    QString m_line;
    qsizetype m_pos = 0;
};

bool same(const QString& word, const char* keyword)
{
    return word.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

// A whole number from `low` up; nothing when the word is not one.
std::optional<int> number(const QString& word, int low)
{
    bool ok = false;
    const int n = word.toInt(&ok);
    if (!ok || n < low)
        return std::nullopt;
    return n;
}

// "\n" stands for a line break and "\\" for a backslash; any other backslash
// stays as written.
QString unescape(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size()) {
            if (text[i + 1] == QLatin1Char('n')) {
                out += QLatin1Char('\n');
                ++i;
                continue;
            }
            if (text[i + 1] == QLatin1Char('\\')) {
                out += QLatin1Char('\\');
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace

PlaytestScript PlaytestScript::parse(const QString& text)
{
    PlaytestScript script;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        script.parseLine(int(i + 1), line);
    }
    return script;
}

PlaytestScript PlaytestScript::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        PlaytestScript script;
        script.m_errors.append({0, QStringLiteral("cannot read the script: %1").arg(file.errorString())});
        return script;
    }
    return parse(QString::fromUtf8(file.readAll()));
}

void PlaytestScript::parseLine(int number, const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
        return;

    PlaytestCommand c;
    c.line = number;
    c.text = trimmed;
    Words words(line);
    const QString verb = words.next();
    QString error;
    auto fail = [&](const QString& message) { error = message; };
    // A command whose words are all read must end there.
    auto finish = [&](PlaytestCommand::Kind kind) {
        c.kind = kind;
        if (error.isEmpty() && !words.atEnd())
            fail(QStringLiteral("unexpected '%1' after the command").arg(words.rest()));
    };

    if (same(verb, "new")) {
        finish(PlaytestCommand::Kind::New);
    } else if (same(verb, "click")) {
        const QString n = words.next();
        if (const auto area = ::number(n, 1))
            c.area = *area;
        else
            fail(QStringLiteral("click needs an area number from 1, not '%1'").arg(n));
        finish(PlaytestCommand::Kind::Click);
    } else if (same(verb, "drag")) {
        const QString k = words.next();
        const QString n = words.next();
        const auto icon = ::number(k, 1);
        const auto area = ::number(n, 1);
        if (!icon || !area)
            fail(QStringLiteral("drag needs an inventory icon number and an area number, both from 1: drag K N"));
        else
            c.icon = *icon, c.area = *area;
        finish(PlaytestCommand::Kind::Drag);
    } else if (same(verb, "key")) {
        const QString key = words.next();
        if (!same(key, "escape"))
            fail(QStringLiteral("the only key is 'escape', not '%1'").arg(key));
        finish(PlaytestCommand::Kind::KeyEscape);
    } else if (same(verb, "menu")) {
        const QString item = words.next();
        if (!same(item, "exit"))
            fail(QStringLiteral("the only menu command is 'menu exit' (use 'save NAME' to save), not '%1'").arg(item));
        finish(PlaytestCommand::Kind::MenuExit);
    } else if (same(verb, "save") || same(verb, "load")) {
        c.kind = same(verb, "save") ? PlaytestCommand::Kind::Save : PlaytestCommand::Kind::Load;
        c.name = words.rest();
        if (c.name.isEmpty())
            fail(QStringLiteral("%1 needs the saved game's name").arg(verb.toLower()));
    } else if (same(verb, "answer")) {
        const QString answer = words.next();
        if (same(answer, "ok"))
            c.answer = Dialogs::OK;
        else if (same(answer, "cancel"))
            c.answer = Dialogs::Cancel;
        else if (same(answer, "yes"))
            c.answer = Dialogs::Yes;
        else if (same(answer, "no"))
            c.answer = Dialogs::No;
        else
            fail(QStringLiteral("answer must be OK, Cancel, Yes or No, not '%1'").arg(answer));
        finish(PlaytestCommand::Kind::Answer);
    } else if (same(verb, "wait")) {
        const QString seconds = words.next();
        bool ok = false;
        const double s = seconds.toDouble(&ok);
        if (!ok || !std::isfinite(s) || s < 0 || s > kMaxWaitSeconds)
            fail(QStringLiteral("wait needs a number of seconds from 0 to %1, not '%2'").arg(kMaxWaitSeconds).arg(seconds));
        else
            c.milliseconds = qint64(std::llround(s * 1000));
        finish(PlaytestCommand::Kind::Wait);
    } else if (same(verb, "screenshot")) {
        c.kind = PlaytestCommand::Kind::Screenshot;
        c.name = words.rest();
        // The name becomes a file in the screenshots folder, never a path
        // that leads out of it.
        if (!FileNames::isPlainName(c.name))
            fail(QStringLiteral("screenshot needs a plain file name (no folder), not '%1'").arg(c.name));
    } else if (same(verb, "expect")) {
        const QString what = words.next();
        if (same(what, "frame")) {
            c.kind = PlaytestCommand::Kind::ExpectFrame;
            c.name = words.rest();
            if (c.name.isEmpty())
                fail(QStringLiteral("expect frame needs a frame name"));
        } else if (same(what, "var")) {
            c.kind = PlaytestCommand::Kind::ExpectVar;
            // The value is the last word; the name is everything before it,
            // so names with blanks work.
            const QString rest = words.rest();
            const qsizetype blank = rest.lastIndexOf(QRegularExpression(QStringLiteral("\\s")));
            bool ok = false;
            const int value = blank < 0 ? 0 : rest.mid(blank + 1).toInt(&ok);
            if (blank < 0 || !ok || value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max()) {
                fail(QStringLiteral("expect var needs a variable name and a whole number: expect var NAME VALUE"));
            } else {
                c.name = rest.left(blank).trimmed();
                c.value = value;
            }
        } else if (same(what, "inventory")) {
            c.kind = PlaytestCommand::Kind::ExpectInventory;
            const QString list = words.rest();
            if (!list.isEmpty()) {
                for (const QString& item : list.split(QLatin1Char(','))) {
                    if (item.trimmed().isEmpty())
                        fail(QStringLiteral("expect inventory has an empty name in '%1'").arg(list));
                    c.names.append(item.trimmed());
                }
            }
        } else if (same(what, "visible")) {
            const QString n = words.next();
            const QString answer = words.next();
            if (const auto area = ::number(n, 1))
                c.area = *area;
            else
                fail(QStringLiteral("expect visible needs an area number from 1, not '%1'").arg(n));
            if (same(answer, "yes"))
                c.shown = true;
            else if (same(answer, "no"))
                c.shown = false;
            else if (error.isEmpty())
                fail(QStringLiteral("expect visible needs 'yes' or 'no' after the area number"));
            finish(PlaytestCommand::Kind::ExpectVisible);
        } else if (same(what, "message")) {
            c.kind = PlaytestCommand::Kind::ExpectMessage;
            c.name = unescape(words.restAsWritten());
        } else if (same(what, "welcome")) {
            finish(PlaytestCommand::Kind::ExpectWelcome);
        } else {
            fail(QStringLiteral("unknown expectation '%1' (frame, var, inventory, visible, message, welcome)").arg(what));
        }
    } else {
        fail(QStringLiteral("unknown command '%1'").arg(verb));
    }

    if (!error.isEmpty())
        m_errors.append({number, error});
    else
        m_commands.append(c);
}
