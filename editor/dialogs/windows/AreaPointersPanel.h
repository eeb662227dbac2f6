#pragma once

#include <QWidget>

class QListWidget;
class QListWidgetItem;
class QPushButton;

// "AVAILABLE MOUSE POINTERS :": the icon files of the project's Icons folder,
// shown large with their names, which the author adds, removes and renames in
// place, and from which one is picked as an area's mouse pointer.
class AreaPointersPanel : public QWidget {
    Q_OBJECT

public:
    // What Add... offers: icon and cursor files.
    static const QString PointerFilter;

    explicit AreaPointersPanel(QWidget* parent = nullptr);

    // Lists the ".ico" files of the Icons folder, alphabetically.
    void RefreshIconsList();

    void Command3_Click();  // Add...
    void Command4_Click();  // Remove
    // The pointer the selected item stands for: its name, or "DEFAULT" for a
    // name beginning with "default" in any case; empty with no selection.
    QString selectedPointer() const;
    // Renames the item's file after its label was edited; a refused name
    // puts the old label back.
    void renameItem(QListWidgetItem* item);

    QListWidget* IconsListView = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command18 = nullptr;  // OK
    QPushButton* Command21 = nullptr;  // Cancel

signals:
    // OK or a double-click on an item.
    void pointerChosen();
    void cancelled();
    // The selected icon's file was removed: the area's pointer goes back to
    // the default one.
    void iconRemoved();

private:
    QListWidgetItem* addItem(const QString& name);

    bool m_renaming = false;
};
