#include "editor/shell/windows/AboutBox.h"

#include "player/windows/artwork/WelcomeArtwork.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

AboutBox::AboutBox(const QString& versionText, QWidget* parent)
    : QWidget(parent)
    , texture(WelcomeArtwork::paperTile())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette ink = palette();
    ink.setColor(QPalette::WindowText, QColor(0x3b, 0x24, 0x12));
    setPalette(ink);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 14, 8, 14);
    layout->setSpacing(6);
    auto* name = new QLabel(QStringLiteral("Quendara"), this);
    QFont big = font();
    big.setPointSizeF(font().pointSizeF() * 1.8);
    big.setBold(true);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);
    lblVersion = new QLabel(versionText, this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setAlignment(Qt::AlignCenter);
    auto* what = new QLabel(QStringLiteral("Point-and-click adventure game maker"), this);
    what->setAlignment(Qt::AlignCenter);
    what->setWordWrap(true);
    auto* parts = new QLabel(QStringLiteral("The editor and the player of the games it makes"), this);
    parts->setAlignment(Qt::AlignCenter);
    parts->setWordWrap(true);
    QFont small = font();
    small.setPointSizeF(font().pointSizeF() * 0.9);
    parts->setFont(small);
    layout->addWidget(name);
    layout->addWidget(lblVersion);
    layout->addSpacing(10);
    layout->addWidget(what);
    layout->addStretch();
    layout->addWidget(parts);
}

void AboutBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = texture.width();
    const int h = texture.height();
    // An empty texture would never advance; paint the plain background.
    if (w <= 0 || h <= 0) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    // Columns outer, rows inner, up to and including the box's far edges.
    for (int x = 0; x <= width(); x += w)
        for (int y = 0; y <= height(); y += h)
            painter.drawPixmap(x, y, texture);
}
