// Every caption of every editor and player window must be readable whole:
// opens each window, panel and tab offscreen at the fonts and scale the test
// runs with (CTest runs it at scale 1 and at 1.5) and reports every button,
// check box, option button, label, group title and tab whose text is wider
// than the room its control gives it.
#include "EveryWindow.h"
#include "editor/shell/windows/WrapButton.h"
#include "editor/shell/windows/WrapCheckBox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QtTest>

namespace {

// The text a control shows: mnemonic markers are not drawn.
QString shown(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

int widest(const QFontMetrics& metrics, const QString& text)
{
    int w = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        w = std::max(w, metrics.horizontalAdvance(line));
    return w;
}

int linesHigh(const QFontMetrics& metrics, const QString& text)
{
    return metrics.lineSpacing() * int(text.count(QLatin1Char('\n')) + 1);
}

class CaptionCheck {
public:
    QStringList findings;

    void check(const QString& where, QWidget* top)
    {
        for (QWidget* w : top->findChildren<QWidget*>()) {
            if (w->isVisibleTo(top) && w->width() > 0)
                checkOne(where, w);
        }
    }

private:
    void report(const QString& where, const QWidget* w, const QString& text, int need, int have)
    {
        const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
        findings << QStringLiteral("%1: %2 \"%3\" needs %4 px, has %5").arg(where, name, text).arg(need).arg(have);
    }

    void checkOne(const QString& where, QWidget* w)
    {
        const QFontMetrics metrics = w->fontMetrics();
        if (auto* wrap = qobject_cast<WrapButton*>(w)) {
            if (wrap->heightForWidth(wrap->width()) > wrap->height() + 1)
                report(where, w, wrap->text(), wrap->heightForWidth(wrap->width()), wrap->height());
            return;
        }
        if (auto* wrap = qobject_cast<WrapCheckBox*>(w)) {
            if (wrap->heightForWidth(wrap->width()) > wrap->height() + 1)
                report(where, w, wrap->text(), wrap->heightForWidth(wrap->width()), wrap->height());
            return;
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            const QString text = shown(button->text());
            if (text.isEmpty())
                return;
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = text;
            QStyle::SubElement contents = QStyle::SE_PushButtonContents;
            if (qobject_cast<QCheckBox*>(w))
                contents = QStyle::SE_CheckBoxContents;
            else if (qobject_cast<QRadioButton*>(w))
                contents = QStyle::SE_RadioButtonContents;
            else if (!qobject_cast<QPushButton*>(w))
                return;
            const QRect room = w->style()->subElementRect(contents, &option, w);
            const int need = widest(metrics, text);
            if (need > room.width() + 1)
                report(where, w, text, need, room.width());
            if (linesHigh(metrics, text) > w->height() + 2)
                report(where, w, text, linesHigh(metrics, text), w->height());
            return;
        }
        if (auto* label = qobject_cast<QLabel*>(w)) {
            const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
            QString text = label->text();
            if (text.isEmpty() || room.width() <= 0)
                return;
            if (label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
                QTextDocument document;
                document.setDefaultFont(label->font());
                document.setHtml(text);
                document.setDocumentMargin(0);
                if (label->wordWrap())
                    document.setTextWidth(room.width());
                text = document.toPlainText();
                const int needWidth = int(document.idealWidth());
                const int needHeight = int(document.size().height());
                if (needWidth > room.width() + 2 || needHeight > room.height() + 2)
                    report(where, w, text, needWidth, room.width());
                return;
            }
            if (label->wordWrap()) {
                const QRect need = metrics.boundingRect(QRect(0, 0, room.width(), 100000),
                                                        Qt::TextWordWrap | Qt::TextShowMnemonic, text);
                if (need.height() > room.height() + 2 || need.width() > room.width() + 1)
                    report(where, w, text, need.height(), room.height());
                return;
            }
            const int need = widest(metrics, shown(text));
            if (need > room.width() + 1)
                report(where, w, text, need, room.width());
            else if (linesHigh(metrics, text) > room.height() + 3)
                report(where, w, text, linesHigh(metrics, text), room.height());
            return;
        }
        if (auto* group = qobject_cast<QGroupBox*>(w)) {
            if (group->title().isEmpty())
                return;
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = group->title();
            option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            option.textAlignment = group->alignment();
            const QRect label = group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
            const int need = widest(metrics, shown(group->title()));
            if (label.right() >= group->width() || need > label.width())
                report(where, w, group->title(), label.right() + 1, group->width());
            return;
        }
        if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            // A tab bar too narrow for its tabs scrolls or elides them.
            if (tabs->sizeHint().width() > tabs->width() + 1)
                report(where, w, tabs->tabText(0), tabs->sizeHint().width(), tabs->width());
        }
    }
};

}  // namespace

class tst_CaptionsFit : public QObject {
    Q_OBJECT

private slots:
    void everyCaptionFitsItsControl()
    {
        EveryWindow windows;
        CaptionCheck check;
        windows.visit([&check](const QString& where, QWidget* window) { check.check(where, window); });
        if (!check.findings.isEmpty())
            QFAIL(qPrintable(QStringLiteral("\n") + check.findings.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(tst_CaptionsFit)
#include "tst_CaptionsFit.moc"
