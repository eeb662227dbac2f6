#pragma once

#include <QDialog>

#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

// "Project Properties": the game's name, version, starting frame and screen
// size, and its author. Opened for the project in use, or as the last step
// of creating a new one (StatusText "CreateNewProject"), when OK also makes
// the project's folders and first files.
class frmProjectProperties : public QDialog {
    Q_OBJECT

public:
    // `mainWindow`, when given, is the window the dialog stands beside.
    explicit frmProjectProperties(QWidget* mainWindow = nullptr);

    enum ScreenSize { Size320x200 = 0, Size320x240 = 1, Size640x480 = 2, Custom = 3 };

    void LoadProject();
    void RefreshComboBoxes();

    void Form_Activate();
    void txtName_Change();
    void AdventureArea_Click(int index);
    // False when a check failed or the record could not be written: the
    // dialog stays open.
    bool Command2_Click();
    void Command3_Click();

    QTabWidget* SSTab1 = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtFileName = nullptr;
    QLineEdit* txtAdventureName = nullptr;
    QLineEdit* txtVersion = nullptr;
    QComboBox* Combo1 = nullptr;
    std::array<QRadioButton*, 4> AdventureArea{};
    QWidget* FrameResolution = nullptr;
    QLineEdit* txtWidth = nullptr;
    QLineEdit* txtHeight = nullptr;
    QLineEdit* txtAuthor = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtHomepage = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

public:
    void reject() override;

private:
    int choice() const;
};
