#include "tools/IcoWrk32/windows/ColourPalette.h"

#include "platform/Dialogs.h"
#include "tools/IcoWrk32/IconPalette.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int swatch = 20;

// A square of the colour; transparency shown as a chequerboard.
QIcon swatchIcon(QRgb colour)
{
    QPixmap pixmap(swatch, swatch);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.fillRect(0, 0, swatch / 2, swatch / 2, QColor(204, 204, 204));
    painter.fillRect(swatch / 2, swatch / 2, swatch / 2, swatch / 2, QColor(204, 204, 204));
    painter.fillRect(pixmap.rect(), QColor::fromRgba(colour));
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, swatch - 1, swatch - 1);
    return QIcon(pixmap);
}

}  // namespace

ColourPalette::ColourPalette(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("Colours"));
    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    const QList<IconPalette::Colour>& colours = IconPalette::standard();
    for (int i = 0; i < colours.size(); ++i) {
        auto* button = new QToolButton;
        button->setIcon(swatchIcon(colours[i].value));
        button->setIconSize(QSize(swatch, swatch));
        button->setToolTip(colours[i].name);
        button->setAccessibleName(colours[i].name);
        const QRgb value = colours[i].value;
        connect(button, &QToolButton::clicked, this, [this, value] { setColour(value); });
        grid->addWidget(button, i / 4, i % 4);
        colourButtons.append(button);
    }
    cmdTransparent = new QToolButton;
    cmdTransparent->setText(QStringLiteral("Transparent"));
    cmdTransparent->setIcon(swatchIcon(0));
    cmdTransparent->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    cmdTransparent->setAccessibleName(QStringLiteral("Transparent"));
    connect(cmdTransparent, &QToolButton::clicked, this, [this] { setColour(0); });
    cmdOtherColour = new QPushButton(QStringLiteral("Other colour..."));
    cmdOtherColour->setAccessibleName(QStringLiteral("Other colour"));
    connect(cmdOtherColour, &QPushButton::clicked, this, &ColourPalette::OtherColour_Click);
    lblSwatch = new QLabel;
    lblSwatch->setAccessibleName(QStringLiteral("Drawing colour swatch"));
    lblColour = new QLabel;
    lblColour->setAccessibleName(QStringLiteral("Drawing colour"));
    auto* current = new QHBoxLayout;
    current->addWidget(lblSwatch);
    current->addWidget(lblColour, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addWidget(cmdTransparent);
    layout->addWidget(cmdOtherColour);
    layout->addLayout(current);
    setColour(m_colour);
}

void ColourPalette::setColour(QRgb colour)
{
    // Every transparent colour is the one transparent value of the picture.
    m_colour = qAlpha(colour) == 0 ? 0 : colour;
    lblSwatch->setPixmap(swatchIcon(m_colour).pixmap(swatch, swatch));
    lblColour->setText(IconPalette::nameOf(m_colour));
    emit colourChanged(m_colour);
}

void ColourPalette::OtherColour_Click()
{
    const std::optional<QColor> chosen = Dialogs::instance().pickColour(QColor::fromRgba(m_colour));
    if (chosen && chosen->isValid())
        setColour(chosen->rgb());
}
