#pragma once

#include <QColor>
#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// "Frame properties": one frame's background (picture, tiled or not, or a
// solid colour), soundtrack, the stopping of playing sounds, the video
// played before it, and the timer that moves on to another frame.
class frmFrameProperties : public QDialog {
    Q_OBJECT

public:
    // What Browse... offers for the background picture, the soundtrack and
    // the video.
    static const QString PictureFilter;
    static const QString SoundtrackFilter;
    static const QString VideoFilter;

    explicit frmFrameProperties(QWidget* mainWindow = nullptr);

    void LoadFrameProperties(const QString& name);
    void RefreshComboBoxes();
    // False (after telling the author) when the frame file could not be written.
    bool SaveFrameProperties(const QString& name);
    void SetTab();

    void Option1_Click();
    void Check2_Click();
    void Check4_Click();
    void CheckVideo_Click();
    void Combo1_Click();
    void Command1_Click();   // Change... (colour)
    void Command17_Click();  // Browse... pictures
    void Command5_Click();   // Browse... soundtracks
    void Command7_Click();   // Browse... videos
    void Command16_Click();  // Remove picture
    void Command4_Click();   // Remove soundtrack
    void Command6_Click();   // Remove video
    // True when the checks passed and the dialog closed.
    bool Command2_Click();
    void Command3_Click();

    QColor colour() const { return m_colour; }

    QTabWidget* SSTab1 = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtPath = nullptr;
    std::array<QRadioButton*, 2> Option1{};  // 0 solid colour, 1 picture
    QWidget* Frame1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QLabel* Image1 = nullptr;
    QWidget* Frame2 = nullptr;
    QLabel* Color = nullptr;
    QCheckBox* Check4 = nullptr;
    QWidget* Frame4 = nullptr;
    QLineEdit* txtSeconds = nullptr;
    QComboBox* Combo3 = nullptr;
    QCheckBox* Check2 = nullptr;
    QWidget* Frame3 = nullptr;
    QComboBox* Combo2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* CheckVideo = nullptr;
    QWidget* FrameVideo = nullptr;
    QComboBox* Combo4 = nullptr;
    QCheckBox* Check5 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;

private:
    void setColour(const QColor& colour);
    void browse(QComboBox* list, const QString& filter);
    void remove(QComboBox* list, bool clearPreview);

    QColor m_colour = Qt::black;
};
