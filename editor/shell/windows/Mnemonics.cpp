#include "editor/shell/windows/Mnemonics.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>
#include <QSet>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>
#include <functional>

namespace Mnemonics {

namespace {

bool usable(QChar c) { return c.unicode() < 128 && c.isLetterOrNumber(); }

// The index in `text` of the letter to mark, or -1 when every letter is taken.
qsizetype choose(const QString& text, const QSet<QChar>& taken)
{
    // Words' first letters, in order, then every other letter.
    for (int pass = 0; pass < 2; ++pass) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const bool wordStart = i == 0 || text[i - 1].isSpace() || text[i - 1] == QLatin1Char('(');
            if ((pass == 0) != wordStart || !usable(text[i]))
                continue;
            if (!taken.contains(text[i].toLower()))
                return i;
        }
    }
    return -1;
}

// The pages under `window` that `w` lies on, outermost first.
QList<QWidget*> pagesOf(QWidget* w, QWidget* window, const QSet<QWidget*>& pages)
{
    QList<QWidget*> chain;
    for (QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
        if (pages.contains(p))
            chain.prepend(p);
    }
    return chain;
}

bool startsWith(const QList<QWidget*>& chain, const QList<QWidget*>& prefix)
{
    return prefix.size() <= chain.size() && std::equal(prefix.begin(), prefix.end(), chain.begin());
}

}  // namespace

QChar letterOf(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

QString withoutMarkers(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

void assign(QWidget* window, const QList<QWidget*>& pages)
{
    QSet<QWidget*> allPages(pages.begin(), pages.end());
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i)
            allPages.insert(tabs->widget(i));
    }
    // A caption to mark: a button's, or a tab's (Alt+letter shows its page).
    struct Control {
        QString text;
        std::function<void(const QString&)> set;
        QList<QWidget*> chain;
    };
    QList<Control> controls;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        // Qt's own inner buttons (a tab bar's scroll arrows) are not ours.
        if (button->text().isEmpty() || button->objectName().startsWith(QLatin1String("qt_")))
            continue;
        controls.push_back({button->text(), [button](const QString& text) { button->setText(text); },
                            pagesOf(button, window, allPages)});
    }
    // A label names the field after it (its buddy): Alt+letter goes to the field.
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const bool plain = label->textFormat() == Qt::PlainText ||
                           (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(label->text()));
        if (!label->buddy() || !plain || label->text().isEmpty())
            continue;
        controls.push_back({label->text(), [label](const QString& text) { label->setText(text); },
                            pagesOf(label, window, allPages)});
    }
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        const QList<QWidget*> chain = pagesOf(tabs, window, allPages);
        for (int i = 0; i < tabs->count(); ++i) {
            const QPointer<QTabWidget> owner(tabs);
            controls.push_back({tabs->tabText(i), [owner, i](const QString& text) { owner->setTabText(i, text); }, chain});
        }
    }
    // The window's own controls choose first, then those of each page, the
    // outer pages before the inner; within those the order they were made.
    std::stable_sort(controls.begin(), controls.end(),
                     [](const Control& a, const Control& b) { return a.chain.size() < b.chain.size(); });

    QList<std::pair<QList<QWidget*>, QChar>> given;
    for (const Control& c : controls) {
        if (const QChar letter = letterOf(c.text); !letter.isNull())
            given.push_back({c.chain, letter});
    }
    for (const Control& c : controls) {
        if (c.text.contains(QLatin1Char('&')))
            continue;
        // Seen with this control: those on the same pages or on pages around them.
        QSet<QChar> taken;
        for (const auto& [chain, letter] : given) {
            if (startsWith(c.chain, chain) || startsWith(chain, c.chain))
                taken.insert(letter);
        }
        const qsizetype at = choose(c.text, taken);
        if (at < 0)
            continue;
        given.push_back({c.chain, c.text[at].toLower()});
        c.set(c.text.left(at) + QLatin1Char('&') + c.text.mid(at));
    }
}

}  // namespace Mnemonics
