#include "editor/shell/windows/WrapCheckBox.h"

#include "editor/shell/windows/Mnemonics.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
// Wide enough for a short sentence on one line, narrow enough that a
// paragraph does not stretch its dialog across the screen.
constexpr int kPreferredTextWidth = 420;
// The mnemonic marker takes no room: it underlines the letter after it.
constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
}  // namespace

WrapCheckBox::WrapCheckBox(const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int WrapCheckBox::indent() const
{
    return style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this)
        + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this) + 2;
}

QRect WrapCheckBox::textRect(int width) const
{
    const int textWidth = std::max(1, width - indent());
    return fontMetrics().boundingRect(QRect(indent(), 0, textWidth, 100000), kFlags, text());
}

int WrapCheckBox::heightForWidth(int width) const
{
    const int box = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
    return std::max(box, textRect(width).height()) + 2;
}

QSize WrapCheckBox::sizeHint() const
{
    const int oneLine = fontMetrics().horizontalAdvance(Mnemonics::withoutMarkers(text())) + 2;
    const int width = indent() + std::min(oneLine, kPreferredTextWidth);
    return QSize(width, heightForWidth(width));
}

QSize WrapCheckBox::minimumSizeHint() const
{
    // The longest word must still fit on its line.
    int longest = 0;
    for (const QString& word : Mnemonics::withoutMarkers(text()).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        longest = std::max(longest, fontMetrics().horizontalAdvance(word));
    const int width = indent() + longest + 2;
    return QSize(width, heightForWidth(width));
}

bool WrapCheckBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

void WrapCheckBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int lineHeight = fontMetrics().height();
    QStyleOptionButton box = option;
    box.text.clear();
    const int boxWidth = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
    const int boxHeight = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
    box.rect = QRect(0, 1 + std::max(0, (lineHeight - boxHeight) / 2), boxWidth, boxHeight);
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, box);

    const QRect words = textRect(width()).intersected(rect().adjusted(0, 1, 0, 0)).translated(0, 1);
    const int shown = style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this)
                          ? kFlags
                          : (kFlags & ~Qt::TextShowMnemonic) | Qt::TextHideMnemonic;
    painter.drawItemText(words, shown, palette(), isEnabled(), option.text, QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = words.adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
