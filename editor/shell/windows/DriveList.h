#pragma once

#include <QComboBox>

// The drives of the classic file dialogs: on this system, the roots of the
// mounted volumes, the file system's root first.
class DriveList : public QComboBox {
    Q_OBJECT

public:
    explicit DriveList(QWidget* parent = nullptr);

    // The chosen drive's root folder.
    QString drive() const { return currentData().toString(); }
    // Chooses the drive that holds `folder` (the one with the longest root
    // that contains it), without signalling a change.
    void showDriveOf(const QString& folder);

signals:
    // The author chose another drive.
    void driveChanged(const QString& root);
};
