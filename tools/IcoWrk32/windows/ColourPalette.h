#pragma once

#include <QList>
#include <QRgb>
#include <QWidget>

class QLabel;
class QPushButton;
class QToolButton;

// The drawing colour and where it is chosen: a button for each colour of
// the standard palette, "Transparent", and "Other colour..." for any colour
// of the colour dialog. Shows the colour in use with its name.
class ColourPalette : public QWidget {
    Q_OBJECT

public:
    explicit ColourPalette(QWidget* parent = nullptr);

    QRgb colour() const { return m_colour; }
    void setColour(QRgb colour);

    void OtherColour_Click();

    QList<QToolButton*> colourButtons;
    QToolButton* cmdTransparent = nullptr;
    QPushButton* cmdOtherColour = nullptr;
    QLabel* lblSwatch = nullptr;
    QLabel* lblColour = nullptr;  // the colour's name

signals:
    void colourChanged(QRgb colour);

private:
    QRgb m_colour = 0xff000000;
};
