#pragma once

#include "editor/dialogs/AreaProperties.h"

#include <QDialog>
#include <QRectF>

#include <array>

class AreaPointersPanel;
class AreaVariablesPanel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

// "Area Properties": how one clickable area of the edited frame looks, which
// mouse pointer it shows, what a click on it does, which variable it changes
// and under which values it is visible, and whether it can be picked up. In
// its second mode it edits what dropping an inventory object on the area does.
// The area is the one whose number is in ProcessState::StatusText.
class frmAreaProperties : public QDialog {
    Q_OBJECT

public:
    explicit frmAreaProperties(QWidget* mainWindow = nullptr);
    // Writes the project's variables, however the dialog ends.
    ~frmAreaProperties() override;

    void Command1_Click();  // Cancel
    // The title bar's close box cancels, as "Cancel" does.
    void reject() override;
    // Clicking the picture's preview chooses a picture for the area.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // 0: an area's properties; 1: the event of an object dropped on it.
    void SetType(int type);
    void RefreshIconsList();
    void RefreshComboBoxes();
    void RefreshEnabled();
    void OpenMousePointer();
    void RefreshVariablesLists();
    void SaveVariablesList();
    void LoadVariablesList();
    // False (after telling the author) when a file could not be written.
    bool SaveAreaProperties();
    // False (after telling the author) when the placement or action file
    // could not be read whole; what was read is shown.
    bool LoadAreaProperties();
    int CheckValidity();
    void UpdateAreaAppearance();
    bool SaveObjectOnArea();
    void LoadObjectOnArea();

    // The area's rectangle on the canvas in twips, written with the area.
    void setAreaRectangle(const QRectF& twips) { m_rectangle = twips; }
    // True when the checks passed and the dialog closed.
    bool Command2_Click();  // OK
    void Command5_Click();   // Browse... pictures
    void Command6_Click();   // Remove picture
    void Command15_Click();  // Browse... icons
    void Command14_Click();  // Remove icon
    void Command17_Click();  // Browse... sounds
    void Command16_Click();  // Remove sound
    void Command9_Click(int list);   // add to a condition list
    void Command10_Click(int list);  // remove from a condition list
    void setPointer(const QString& pointer);
    QString pointer() const;

    // What the controls hold, as the area's files take it; and back.
    AreaProperties properties() const;
    void showProperties(const AreaProperties& p);

    static const QString PictureFilter;
    static const QString IconFilter;
    static const QString SoundFilter;

    QTabWidget* SSTab1 = nullptr;
    std::array<QRadioButton*, 2> AppearanceOption{};
    QWidget* FramePicture = nullptr;
    QComboBox* Combo2 = nullptr;
    QCheckBox* StretchOption = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* ImgMousePointer = nullptr;
    QLabel* lblMousePointer = nullptr;
    QPushButton* Command20 = nullptr;  // Change...
    QPushButton* Command19 = nullptr;  // DEFAULT
    std::array<QCheckBox*, 5> Action{};
    QComboBox* Combo1 = nullptr;
    QLineEdit* TextMessage = nullptr;
    QWidget* FrameSound = nullptr;
    QComboBox* Combo6 = nullptr;
    std::array<QCheckBox*, 2> VariablesOption{};
    QWidget* FrameChange = nullptr;
    QComboBox* Combo3 = nullptr;
    std::array<QRadioButton*, 3> NewValue{};
    QWidget* FrameConditions = nullptr;
    QComboBox* Combo4 = nullptr;
    QListWidget* List1 = nullptr;
    QListWidget* List2 = nullptr;
    std::array<QCheckBox*, 1> ObjectOption{};
    QWidget* FrameObject = nullptr;
    QLineEdit* TextObjectName = nullptr;
    QComboBox* Combo5 = nullptr;
    QLabel* Image2 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;
    AreaPointersPanel* FrameMousePointers = nullptr;
    AreaVariablesPanel* FrameVariables = nullptr;

signals:
    // A save changed what the objects list shows.
    void objectsChanged();

private:
    QWidget* appearanceTab();
    QWidget* actionTab();
    QWidget* variablesTab();
    QWidget* objectTab();
    void showPanel(QWidget* panel);
    void showTabs();
    void browse(QComboBox* list, const QString& filter);
    void remove(QComboBox* list, QLabel* preview);
    void preview(QComboBox* list, QLabel* image);
    static int areaNumber();

    QRectF m_rectangle;
};
