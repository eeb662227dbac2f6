// The controls of frmAreaProperties, with their object names and accessible
// names, and how they are wired; what they do is in frmAreaProperties.cpp.
#include "editor/dialogs/windows/frmAreaProperties.h"
#include "editor/shell/windows/Mnemonics.h"

#include "editor/dialogs/windows/AreaPointersPanel.h"
#include "editor/dialogs/windows/AreaVariablesPanel.h"
#include "editor/dialogs/windows/TabbedDialogLayout.h"
#include "editor/shell/windows/SideWindow.h"
#include "editor/shell/windows/WrapCheckBox.h"
#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

template <typename W>
W* named(W* widget, const char* name, const QString& accessible)
{
    widget->setObjectName(QLatin1String(name));
    widget->setAccessibleName(accessible);
    return widget;
}

QPushButton* button(const QString& text, const char* name, const QString& accessible = QString())
{
    return named(new QPushButton(text), name, accessible.isEmpty() ? text : accessible);
}

QComboBox* list(const char* name, const QString& accessible)
{
    // Fixed lists: the author only picks, so an empty text means no choice.
    return named(new QComboBox, name, accessible);
}

QLabel* note(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

QLabel* previewImage(const char* name, const QString& accessible)
{
    auto* image = named(new QLabel, name, accessible);
    image->setFixedHeight(80);
    image->setAlignment(Qt::AlignCenter);
    return image;
}

QWidget* indented(QLayout* layout)
{
    auto* group = new QWidget;
    layout->setContentsMargins(20, 0, 0, 0);
    group->setLayout(layout);
    return group;
}

}  // namespace

frmAreaProperties::frmAreaProperties(QWidget* mainWindow)
    : QDialog(mainWindow)
{
    setObjectName(QStringLiteral("frmAreaProperties"));
    setWindowTitle(QStringLiteral("Area Properties"));
    setAccessibleName(windowTitle());
    SideWindow::place(this, mainWindow, 5520, 6375);

    SSTab1 = named(new QTabWidget, "SSTab1", QStringLiteral("Area properties tabs"));
    SSTab1->addTab(appearanceTab(), QStringLiteral("Appearance"));
    SSTab1->addTab(actionTab(), QStringLiteral("Action"));
    SSTab1->addTab(variablesTab(), QStringLiteral("Variables"));
    SSTab1->addTab(objectTab(), QStringLiteral("Object"));
    const TabbedDialogLayout bottom = TabbedDialogLayout::apply(*this, SSTab1);
    Command2 = named(bottom.ok, "Command2", QStringLiteral("OK"));
    Command1 = named(bottom.cancel, "Command1", QStringLiteral("Cancel"));

    // The panels take the tabs' place while they are open.
    FrameMousePointers = new AreaPointersPanel;
    FrameVariables = new AreaVariablesPanel;
    if (auto* box = qobject_cast<QVBoxLayout*>(layout())) {
        box->insertWidget(1, FrameMousePointers);
        box->insertWidget(2, FrameVariables);
    }
    FrameMousePointers->hide();
    FrameVariables->hide();

    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command1, &QPushButton::clicked, this, &frmAreaProperties::Command1_Click);
    connect(FrameMousePointers, &AreaPointersPanel::pointerChosen, this, &frmAreaProperties::OpenMousePointer);
    connect(FrameMousePointers, &AreaPointersPanel::cancelled, this, &frmAreaProperties::showTabs);
    connect(FrameMousePointers, &AreaPointersPanel::iconRemoved, this, [this] { setPointer(QStringLiteral("DEFAULT")); });
    connect(FrameVariables, &AreaVariablesPanel::done, this, [this] {
        showTabs();
        RefreshVariablesLists();
        SaveVariablesList();
    });

    if (areaNumber() == 0)
        MsgBox(QStringLiteral("Unable to get Area properties. Quendara may be unable to create and save the clickable area."),
               Dialogs::Icon::Exclamation);
    RefreshIconsList();
    RefreshComboBoxes();
    LoadVariablesList();
    RefreshVariablesLists();
    RefreshEnabled();
    Mnemonics::assign(this);
}

QWidget* frmAreaProperties::appearanceTab()
{
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    auto* look = new QGroupBox(QStringLiteral("How should the selected area look like?"));
    auto* lookLayout = new QVBoxLayout(look);
    AppearanceOption[0] = named(new QRadioButton(QStringLiteral("Transparent")), "AppearanceOption0", QStringLiteral("Transparent"));
    AppearanceOption[1] = named(new QRadioButton(QStringLiteral("Picture")), "AppearanceOption1", QStringLiteral("Picture"));
    AppearanceOption[0]->setChecked(true);
    Combo2 = list("Combo2", QStringLiteral("Area picture"));
    auto* command5 = button(QStringLiteral("Browse..."), "Command5", QStringLiteral("Browse for a picture"));
    auto* command6 = button(QStringLiteral("Remove"), "Command6", QStringLiteral("Remove the picture"));
    StretchOption = named(new QCheckBox(QStringLiteral("Fit to selected area.")), "StretchOption", QStringLiteral("Fit to selected area."));
    Image1 = previewImage("Image1", QStringLiteral("Picture preview"));
    Image1->installEventFilter(this);
    auto* pictureLayout = new QGridLayout;
    pictureLayout->addWidget(Combo2, 0, 0, 1, 2);
    pictureLayout->addWidget(command5, 1, 0);
    pictureLayout->addWidget(command6, 1, 1);
    pictureLayout->addWidget(StretchOption, 2, 0, 1, 2);
    pictureLayout->addWidget(Image1, 3, 0, 1, 2);
    pictureLayout->addWidget(note(QStringLiteral("NB: Only GIF, WMF, CUR and ICO files support transparency.")), 4, 0, 1, 2);
    FramePicture = indented(pictureLayout);
    lookLayout->addWidget(AppearanceOption[0]);
    lookLayout->addWidget(AppearanceOption[1]);
    lookLayout->addWidget(FramePicture);

    auto* mouse = new QGroupBox(QStringLiteral("How should the mouse pointer look like?"));
    auto* mouseLayout = new QHBoxLayout(mouse);
    ImgMousePointer = named(new QLabel, "ImgMousePointer", QStringLiteral("Mouse pointer picture"));
    ImgMousePointer->setFixedSize(36, 36);
    lblMousePointer = named(new QLabel(QStringLiteral("DEFAULT")), "lblMousePointer", QStringLiteral("Mouse pointer"));
    Command20 = button(QStringLiteral("Change..."), "Command20", QStringLiteral("Change the mouse pointer"));
    Command19 = button(QStringLiteral("DEFAULT"), "Command19", QStringLiteral("Default mouse pointer"));
    mouseLayout->addWidget(ImgMousePointer);
    mouseLayout->addWidget(lblMousePointer, 1);
    mouseLayout->addWidget(Command20);
    mouseLayout->addWidget(Command19);
    layout->addWidget(look);
    layout->addWidget(mouse);
    layout->addStretch();

    for (QRadioButton* option : AppearanceOption)
        connect(option, &QRadioButton::toggled, this, &frmAreaProperties::RefreshEnabled);
    connect(Combo2, &QComboBox::activated, this, [this] { preview(Combo2, Image1); });
    connect(command5, &QPushButton::clicked, this, &frmAreaProperties::Command5_Click);
    connect(command6, &QPushButton::clicked, this, &frmAreaProperties::Command6_Click);
    connect(Command20, &QPushButton::clicked, this, [this] { showPanel(FrameMousePointers); });
    connect(Command19, &QPushButton::clicked, this, [this] { setPointer(QStringLiteral("DEFAULT")); });
    return tab;
}

QWidget* frmAreaProperties::actionTab()
{
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    auto* group = new QGroupBox(QStringLiteral("What should happen when the player clicks on area?"));
    auto* groupLayout = new QVBoxLayout(group);
    const std::array<QString, 5> captions{QStringLiteral("Go to another frame"), QStringLiteral("Display a text message"),
                                          QStringLiteral("Make a sound"), QStringLiteral("Disappear (permanently)"),
                                          QStringLiteral("Stop the game (go to the main menu)")};
    static constexpr std::array<const char*, 5> names{"Action0", "Action1", "Action2", "Action3", "Action4"};
    for (size_t i = 0; i < Action.size(); ++i) {
        Action[i] = named(new QCheckBox(captions[i]), names[i], captions[i]);
        connect(Action[i], &QCheckBox::toggled, this, &frmAreaProperties::RefreshEnabled);
    }
    Combo1 = list("Combo1", QStringLiteral("Frame to go to"));
    TextMessage = named(new QLineEdit, "TextMessage", QStringLiteral("Text message"));
    Combo6 = list("Combo6", QStringLiteral("Sound"));
    auto* command17 = button(QStringLiteral("Browse..."), "Command17", QStringLiteral("Browse for a sound"));
    auto* command16 = button(QStringLiteral("Remove"), "Command16", QStringLiteral("Remove the sound"));
    auto* soundLayout = new QGridLayout;
    soundLayout->addWidget(Combo6, 0, 0, 1, 2);
    soundLayout->addWidget(command17, 1, 0);
    soundLayout->addWidget(command16, 1, 1);
    FrameSound = indented(soundLayout);
    groupLayout->addWidget(Action[0]);
    groupLayout->addWidget(Combo1);
    groupLayout->addWidget(Action[1]);
    groupLayout->addWidget(TextMessage);
    groupLayout->addWidget(Action[2]);
    groupLayout->addWidget(FrameSound);
    groupLayout->addWidget(Action[3]);
    groupLayout->addWidget(Action[4]);
    layout->addWidget(group);
    layout->addStretch();
    connect(command17, &QPushButton::clicked, this, &frmAreaProperties::Command17_Click);
    connect(command16, &QPushButton::clicked, this, &frmAreaProperties::Command16_Click);
    return tab;
}

QWidget* frmAreaProperties::variablesTab()
{
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    const QString changeText = QStringLiteral(
        "Choose this option if you want to change the value of a variable when the player clicks on the selected area.");
    const QString visibleText = QStringLiteral(
        "Choose this option if you want this area to be visible depending on the value of some variables. (Values are 0 or 1. Default is 0.)");
    VariablesOption[0] = named(new WrapCheckBox(changeText), "VariablesOption0", changeText);
    VariablesOption[1] = named(new WrapCheckBox(visibleText), "VariablesOption1", visibleText);

    Combo3 = list("Combo3", QStringLiteral("Variable to change"));
    auto* command8 = button(QStringLiteral("..."), "Command8", QStringLiteral("Edit the variables"));
    const std::array<QString, 3> values{QStringLiteral("Set to 0"), QStringLiteral("Set to 1"), QStringLiteral("Invert value")};
    static constexpr std::array<const char*, 3> valueNames{"NewValue0", "NewValue1", "NewValue2"};
    auto* changeLayout = new QGridLayout;
    changeLayout->addWidget(new QLabel(QStringLiteral("1. Select a variable:")), 0, 0, 1, 3);
    changeLayout->addWidget(Combo3, 1, 0, 1, 2);
    changeLayout->addWidget(command8, 1, 2);
    changeLayout->addWidget(new QLabel(QStringLiteral("2. Select the new variable value:")), 2, 0, 1, 3);
    for (size_t i = 0; i < NewValue.size(); ++i) {
        NewValue[i] = named(new QRadioButton(values[i]), valueNames[i], values[i]);
        changeLayout->addWidget(NewValue[i], 3, int(i));
    }
    NewValue[1]->setChecked(true);
    FrameChange = indented(changeLayout);

    Combo4 = list("Combo4", QStringLiteral("Condition variable"));
    auto* command7 = button(QStringLiteral("..."), "Command7", QStringLiteral("Edit the variables"));
    List1 = named(new QListWidget, "List1", QStringLiteral("Variables whose values must be 0"));
    List2 = named(new QListWidget, "List2", QStringLiteral("Variables whose values must be 1"));
    auto* conditionsLayout = new QGridLayout;
    conditionsLayout->addWidget(new QLabel(QStringLiteral("1. Select a variable:")), 0, 0, 1, 4);
    conditionsLayout->addWidget(Combo4, 1, 0, 1, 3);
    conditionsLayout->addWidget(command7, 1, 3);
    conditionsLayout->addWidget(new QLabel(QStringLiteral("2. Click \"Add\" below one of the two lists.")), 2, 0, 1, 4);
    conditionsLayout->addWidget(new QLabel(QStringLiteral("Variables whose values must be 0:")), 3, 0, 1, 2);
    conditionsLayout->addWidget(new QLabel(QStringLiteral("Variables whose values must be 1:")), 3, 2, 1, 2);
    conditionsLayout->addWidget(List1, 4, 0, 1, 2);
    conditionsLayout->addWidget(List2, 4, 2, 1, 2);
    for (int i = 0; i < 2; ++i) {
        const QString which = i == 0 ? QStringLiteral(" (must be 0)") : QStringLiteral(" (must be 1)");
        auto* add = named(new QPushButton(QStringLiteral("add")), i == 0 ? "Command9_0" : "Command9_1", QStringLiteral("add") + which);
        auto* remove = named(new QPushButton(QStringLiteral("remove")), i == 0 ? "Command10_0" : "Command10_1",
                             QStringLiteral("remove") + which);
        conditionsLayout->addWidget(add, 5, i * 2);
        conditionsLayout->addWidget(remove, 5, i * 2 + 1);
        connect(add, &QPushButton::clicked, this, [this, i] { Command9_Click(i); });
        connect(remove, &QPushButton::clicked, this, [this, i] { Command10_Click(i); });
    }
    FrameConditions = indented(conditionsLayout);

    layout->addWidget(VariablesOption[0]);
    layout->addWidget(FrameChange);
    layout->addWidget(VariablesOption[1]);
    layout->addWidget(FrameConditions);
    layout->addStretch();
    for (QCheckBox* option : VariablesOption) {
        connect(option, &QCheckBox::toggled, this, &frmAreaProperties::RefreshEnabled);
    }
    connect(command7, &QPushButton::clicked, this, [this] { showPanel(FrameVariables); });
    connect(command8, &QPushButton::clicked, this, [this] { showPanel(FrameVariables); });
    return tab;
}

QWidget* frmAreaProperties::objectTab()
{
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    const QString pickable = QStringLiteral("Choose this option if the selected area is a pickable object.");
    ObjectOption[0] = named(new WrapCheckBox(pickable), "ObjectOption0", pickable);
    TextObjectName = named(new QLineEdit, "TextObjectName", QStringLiteral("Object name"));
    Combo5 = list("Combo5", QStringLiteral("Inventory icon"));
    auto* command15 = button(QStringLiteral("Browse..."), "Command15", QStringLiteral("Browse for an icon"));
    auto* command14 = button(QStringLiteral("Remove"), "Command14", QStringLiteral("Remove the icon"));
    Image2 = previewImage("Image2", QStringLiteral("Icon preview"));
    auto* objectLayout = new QGridLayout;
    objectLayout->addWidget(new QLabel(QStringLiteral("1. Give a name to the object:")), 0, 0, 1, 2);
    objectLayout->addWidget(TextObjectName, 1, 0, 1, 2);
    objectLayout->addWidget(note(QStringLiteral("2. Choose the icon that will appear in the player's inventory:")), 2, 0, 1, 2);
    objectLayout->addWidget(Combo5, 3, 0, 1, 2);
    objectLayout->addWidget(command15, 4, 0);
    objectLayout->addWidget(command14, 4, 1);
    objectLayout->addWidget(Image2, 5, 0, 1, 2);
    objectLayout->addWidget(note(QStringLiteral(
        "If you want the area to disappear after the player has picked it, check \"Disappear\" in the \"Action\" tab.")), 6, 0, 1, 2);
    objectLayout->addWidget(note(QStringLiteral(
        "To choose what should happen when the player uses this object with the other clickable areas, close this window, "
        "click \"Object and Events\" and drag the object on each clickable area.")), 7, 0, 1, 2);
    FrameObject = indented(objectLayout);
    layout->addWidget(ObjectOption[0]);
    layout->addWidget(FrameObject);
    layout->addStretch();
    connect(ObjectOption[0], &QCheckBox::toggled, this, &frmAreaProperties::RefreshEnabled);
    connect(Combo5, &QComboBox::activated, this, [this] { preview(Combo5, Image2); });
    connect(command15, &QPushButton::clicked, this, &frmAreaProperties::Command15_Click);
    connect(command14, &QPushButton::clicked, this, &frmAreaProperties::Command14_Click);
    return tab;
}
