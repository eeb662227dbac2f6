#include "editor/shell/windows/WrapButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int kPaddingX = 6;
constexpr int kPaddingY = 4;
}  // namespace

WrapButton::WrapButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QRect WrapButton::textRect(int width) const
{
    const int textWidth = std::max(1, width - 2 * kPaddingX);
    // The mnemonic marker takes no room: it underlines the letter after it.
    return fontMetrics().boundingRect(QRect(0, 0, textWidth, 10000),
                                      Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
}

int WrapButton::heightForWidth(int width) const
{
    const int oneLine = QPushButton::sizeHint().height();
    return std::max(oneLine, textRect(width).height() + 2 * kPaddingY + 4);
}

QSize WrapButton::sizeHint() const
{
    const int width = std::min(QPushButton::sizeHint().width(), 160);
    return QSize(width, heightForWidth(width));
}

QSize WrapButton::minimumSizeHint() const
{
    return QSize(40, QPushButton::minimumSizeHint().height());
}

void WrapButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    QRect area = rect().adjusted(kPaddingX, kPaddingY, -kPaddingX, -kPaddingY);
    if (isDown())
        area.translate(1, 1);
    // The letter of an Alt key is underlined when the style shows them.
    const int mnemonic =
        style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this) ? Qt::TextShowMnemonic : Qt::TextHideMnemonic;
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap | mnemonic, palette(), isEnabled(), caption,
                         QPalette::ButtonText);
}
