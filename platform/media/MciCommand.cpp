#include "platform/media/MciCommand.h"

#include "platform/media/Mci.h"

#include <QStringList>

#include <cmath>

namespace {

struct Token {
    QString text;
    bool quoted = false;
};

// Words are separated by blanks; a word in double quotes may hold blanks.
int tokenize(const QString& text, QList<Token>& tokens)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        while (i < n && text.at(i).isSpace())
            ++i;
        if (i >= n)
            break;
        if (text.at(i) == QLatin1Char('"')) {
            const qsizetype end = text.indexOf(QLatin1Char('"'), i + 1);
            if (end < 0)
                return Mci::NoClosingQuote;
            tokens.append({text.mid(i + 1, end - i - 1), true});
            i = end + 1;
            // A closing quote glued to the next word ("a"b) is not a command
            // the Windows layer accepts either.
            if (i < n && !text.at(i).isSpace())
                return Mci::ExtraCharacters;
            continue;
        }
        qsizetype end = i;
        while (end < n && !text.at(end).isSpace())
            ++end;
        tokens.append({text.mid(i, end - i), false});
        i = end;
    }
    return 0;
}

bool is(const Token& token, const char* keyword)
{
    return !token.quoted && token.text.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

// Positions are whole milliseconds for the Windows layer; a fraction is
// accepted and rounded by the device, since the float-to-text conversion of a
// seek may write one.
std::optional<double> number(const Token& token)
{
    bool ok = false;
    const double value = token.text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

class Parser {
public:
    explicit Parser(QList<Token> tokens)
        : m_tokens(std::move(tokens))
    {
    }

    MciCommand::Result run()
    {
        MciCommand::Result result;
        MciCommand& c = result.command;
        if (m_tokens.isEmpty()) {
            result.error = Mci::MissingCommandString;
            return result;
        }
        const Token verb = m_tokens.takeFirst();
        static const struct {
            const char* word;
            MciCommand::Verb verb;
        } verbs[] = {
            {"open", MciCommand::Verb::Open}, {"close", MciCommand::Verb::Close},
            {"play", MciCommand::Verb::Play}, {"pause", MciCommand::Verb::Pause},
            {"resume", MciCommand::Verb::Resume}, {"stop", MciCommand::Verb::Stop},
            {"seek", MciCommand::Verb::Seek}, {"status", MciCommand::Verb::Status},
        };
        bool known = false;
        for (const auto& v : verbs) {
            if (is(verb, v.word)) {
                c.verb = v.verb;
                known = true;
            }
        }
        if (!known) {
            result.error = Mci::UnrecognizedCommand;
            return result;
        }
        if (m_tokens.isEmpty()) {
            result.error = Mci::MissingDeviceName;
            return result;
        }
        c.target = m_tokens.takeFirst().text;
        if (c.target.isEmpty()) {
            result.error = Mci::MissingDeviceName;
            return result;
        }
        if (c.verb == MciCommand::Verb::Status) {
            if (m_tokens.isEmpty() || m_tokens.first().quoted) {
                result.error = Mci::MissingParameter;
                return result;
            }
            c.item = m_tokens.takeFirst().text.toLower();
        }
        result.error = flags(c);
        if (!result.error && c.verb == MciCommand::Verb::Seek && !m_seekGiven)
            result.error = Mci::MissingParameter;
        return result;
    }

private:
    int flags(MciCommand& c)
    {
        QStringList seen;
        while (!m_tokens.isEmpty()) {
            const Token word = m_tokens.takeFirst();
            const QString key = word.text.toLower();
            if (word.quoted)
                return Mci::UnrecognizedKeyword;
            if (seen.contains(key))
                return Mci::DuplicateFlags;
            seen.append(key);
            int error = 0;
            if (key == QLatin1String("wait"))
                c.wait = true;
            else if (key == QLatin1String("notify") || key == QLatin1String("shareable"))
                continue;  // no notification windows here; sharing changes nothing
            else if (c.verb == MciCommand::Verb::Open)
                error = openFlag(c, key);
            else if (c.verb == MciCommand::Verb::Play)
                error = playFlag(c, key);
            else if (c.verb == MciCommand::Verb::Seek)
                error = seekFlag(c, key);
            else
                error = Mci::UnrecognizedKeyword;
            if (error)
                return error;
        }
        return 0;
    }

    int value(QString& out)
    {
        if (m_tokens.isEmpty())
            return Mci::MissingParameter;
        out = m_tokens.takeFirst().text;
        return out.isEmpty() ? int(Mci::MissingParameter) : 0;
    }

    int numberValue(std::optional<double>& out)
    {
        if (m_tokens.isEmpty())
            return Mci::MissingParameter;
        out = number(m_tokens.takeFirst());
        return out ? 0 : int(Mci::BadInteger);
    }

    int openFlag(MciCommand& c, const QString& key)
    {
        if (key == QLatin1String("alias"))
            return value(c.alias);
        if (key == QLatin1String("type"))
            return value(c.type);
        if (key == QLatin1String("parent")) {
            QString text;
            if (const int error = value(text))
                return error;
            bool ok = false;
            const quint64 handle = text.toULongLong(&ok);
            if (!ok)
                return Mci::BadInteger;
            c.parentWindow = handle;
            return 0;
        }
        if (key == QLatin1String("style")) {
            QString style;
            if (const int error = value(style))
                return error;
            style = style.toLower();
            if (style == QLatin1String("child"))
                c.childStyle = true;
            else if (style != QLatin1String("popup") && style != QLatin1String("overlapped"))
                return Mci::BadConstant;
            return 0;
        }
        return Mci::UnrecognizedKeyword;
    }

    int playFlag(MciCommand& c, const QString& key)
    {
        if (key == QLatin1String("from"))
            return numberValue(c.from);
        if (key == QLatin1String("to"))
            return numberValue(c.to);
        return Mci::UnrecognizedKeyword;
    }

    int seekFlag(MciCommand& c, const QString& key)
    {
        m_seekGiven = true;
        if (key == QLatin1String("to")) {
            if (m_tokens.isEmpty())
                return Mci::MissingParameter;
            const Token where = m_tokens.takeFirst();
            if (is(where, "start")) {
                c.seekTarget = MciCommand::SeekTarget::Start;
                return 0;
            }
            if (is(where, "end")) {
                c.seekTarget = MciCommand::SeekTarget::End;
                return 0;
            }
            const std::optional<double> position = number(where);
            if (!position)
                return Mci::BadInteger;
            c.position = *position;
            return 0;
        }
        if (key == QLatin1String("start")) {  // "seek a to start" also reads as "seek a start"
            c.seekTarget = MciCommand::SeekTarget::Start;
            return 0;
        }
        if (key == QLatin1String("end")) {
            c.seekTarget = MciCommand::SeekTarget::End;
            return 0;
        }
        return Mci::UnrecognizedKeyword;
    }

    QList<Token> m_tokens;
    bool m_seekGiven = false;
};

}  // namespace

MciCommand::Result MciCommand::parse(const QString& text)
{
    QList<Token> tokens;
    if (const int error = tokenize(text, tokens)) {
        Result result;
        result.error = error;
        return result;
    }
    return Parser(std::move(tokens)).run();
}
