#pragma once

#include <QDialog>

class DriveList;
class FolderList;
class QCheckBox;
class QCloseEvent;
class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

struct InstallerOptions;

// "Distribute the adventure": the name and place of the installer to make,
// the installer's options, then the installer compiler, which the author
// drives; the finished installer is moved where the author asked.
class frmCompile : public QDialog {
    Q_OBJECT

public:
    explicit frmCompile(QWidget* mainWindow = nullptr);
    ~frmCompile() override;

    void Form_Load();
    void Drive1_Change();
    void Command1_Click();  // Options...
    void Command2_Click();  // OK of the options
    void Command4_Click();  // Cancel
    void Command5_Click();  // Default
    void Check1_Click();
    void Check2_Click();
    // Builds the installer; false when a check refused the name (the dialog
    // stays open), true when the dialog closed.
    bool Command3_Click();

    // Writes the installer script; false (after telling the author) when it
    // cannot.
    bool CreateFiles();
    void StartCompilation() {}

    InstallerOptions options() const;

    QWidget* Frame1 = nullptr;
    QWidget* Frame2 = nullptr;
    QWidget* Frame3 = nullptr;
    QLineEdit* txtFileName = nullptr;
    DriveList* Drive1 = nullptr;
    FolderList* Dir2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* CheckEnable = nullptr;
    QComboBox* Color = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    // The installer's folder and name as they will be used.
    QLineEdit* txtTarget = nullptr;

    // Inno Setup's per-user settings key, under which the compiler finds the
    // script to open.
    static const QString& compilerSettingsKey();

    // While the compiler runs the dialog cannot be closed.
    bool isBuilding() const { return m_building; }
    void reject() override;

protected:
    void done(int result) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showFrame(QWidget* frame);
    // The list's open folder, ending with a separator.
    QString targetFolder() const;
    void showTarget();

    bool m_building = false;
};
