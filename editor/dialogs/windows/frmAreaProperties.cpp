#include "editor/dialogs/windows/frmAreaProperties.h"

#include "editor/dialogs/AreaValidity.h"
#include "editor/dialogs/ProjectVariables.h"
#include "editor/dialogs/windows/AreaPointersPanel.h"
#include "editor/dialogs/windows/AreaVariablesPanel.h"
#include "editor/dialogs/windows/TabbedDialogLayout.h"
#include "editor/shell/windows/SideWindow.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/pictures/Pictures.h"
#include "player/FrameRecord.h"
#include "player/ProcessState.h"
#include "player/ProjectPaths.h"
#include "player/records/AtomicFile.h"
#include "player/records/ProjectFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFile>
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

void fill(QComboBox* combo, const QStringList& names)
{
    const QString chosen = combo->currentText();
    combo->clear();
    combo->addItems(names);
    combo->setCurrentIndex(combo->findText(chosen, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void select(QComboBox* combo, const QString& text)
{
    combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

QStringList areasFolder(const QStringList& patterns)
{
    QStringList names;
    for (const QString& pattern : patterns)
        names += FileNames::list(ProjectPaths::AreasPath, pattern);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

QStringList items(const QListWidget* list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->item(i)->text();
    return all;
}

QString frameName() { return FrameRecord::current().Name; }

}  // namespace

const QString frmAreaProperties::PictureFilter =
    QStringLiteral("Graphic files (*.bmp *.gif *.jpg *.wmf *.emf *.ico *.cur)");
const QString frmAreaProperties::IconFilter = QStringLiteral("Icons (*.ico *.cur)");
const QString frmAreaProperties::SoundFilter = QStringLiteral("Sounds (*.wav)");

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
}

frmAreaProperties::~frmAreaProperties() { SaveVariablesList(); }

int frmAreaProperties::areaNumber() { return ProcessState::StatusText.trimmed().toInt(); }

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
        connect(option, &QRadioButton::clicked, this, &frmAreaProperties::RefreshEnabled);
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
        connect(Action[i], &QCheckBox::clicked, this, &frmAreaProperties::RefreshEnabled);
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
    VariablesOption[0] = named(new QCheckBox(changeText), "VariablesOption0", changeText);
    VariablesOption[1] = named(new QCheckBox(visibleText), "VariablesOption1", visibleText);

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
    conditionsLayout->addWidget(note(QStringLiteral("Variables whose values must be 0:")), 3, 0, 1, 2);
    conditionsLayout->addWidget(note(QStringLiteral("Variables whose values must be 1:")), 3, 2, 1, 2);
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
        connect(option, &QCheckBox::clicked, this, &frmAreaProperties::RefreshEnabled);
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
    ObjectOption[0] = named(new QCheckBox(pickable), "ObjectOption0", pickable);
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
    connect(ObjectOption[0], &QCheckBox::clicked, this, &frmAreaProperties::RefreshEnabled);
    connect(Combo5, &QComboBox::activated, this, [this] { preview(Combo5, Image2); });
    connect(command15, &QPushButton::clicked, this, &frmAreaProperties::Command15_Click);
    connect(command14, &QPushButton::clicked, this, &frmAreaProperties::Command14_Click);
    return tab;
}

void frmAreaProperties::SetType(int type)
{
    if (type != 0 && type != 1)
        return;
    const bool area = type == 0;
    // An event has no look, is not picked up and is never hidden by conditions.
    SSTab1->setTabEnabled(0, area);
    SSTab1->setTabEnabled(3, area);
    VariablesOption[1]->setVisible(area);
    FrameConditions->setVisible(area && VariablesOption[1]->isChecked());
    SSTab1->setCurrentIndex(area ? 0 : 1);
}

void frmAreaProperties::RefreshIconsList() { FrameMousePointers->RefreshIconsList(); }

void frmAreaProperties::RefreshComboBoxes()
{
    Image1->clear();
    Image2->clear();
    QStringList frames;
    for (const QString& file : FileNames::list(ProjectPaths::FramesPath, QStringLiteral("*.fme")))
        frames << file.left(file.size() - 4);
    fill(Combo1, frames);
    fill(Combo2, areasFolder({QStringLiteral("*.bmp"), QStringLiteral("*.gif"), QStringLiteral("*.jpg"), QStringLiteral("*.wmf"),
                              QStringLiteral("*.emf"), QStringLiteral("*.ico"), QStringLiteral("*.cur")}));
    fill(Combo5, areasFolder({QStringLiteral("*.ico"), QStringLiteral("*.cur")}));
    fill(Combo6, areasFolder({QStringLiteral("*.wav")}));
}

void frmAreaProperties::RefreshEnabled()
{
    Combo1->setVisible(Action[0]->isChecked());
    TextMessage->setVisible(Action[1]->isChecked());
    FrameSound->setVisible(Action[2]->isChecked());
    FramePicture->setVisible(AppearanceOption[1]->isChecked());
    FrameChange->setVisible(VariablesOption[0]->isChecked());
    FrameConditions->setVisible(VariablesOption[1]->isChecked() && !VariablesOption[1]->isHidden());
    FrameObject->setVisible(ObjectOption[0]->isChecked());
}

void frmAreaProperties::setPointer(const QString& pointer)
{
    lblMousePointer->setText(pointer);
    if (pointer == QLatin1String("DEFAULT")) {
        ImgMousePointer->clear();
        return;
    }
    // A picture that cannot be read leaves the image as it was.
    const QImage picture = Pictures::load(FileNames::inFolder(ProjectPaths::IconsPath, pointer));
    if (!picture.isNull())
        ImgMousePointer->setPixmap(QPixmap::fromImage(picture).scaled(ImgMousePointer->size(), Qt::KeepAspectRatio));
}

QString frmAreaProperties::pointer() const { return lblMousePointer->text(); }

void frmAreaProperties::OpenMousePointer()
{
    // With nothing selected the area keeps its pointer.
    const QString chosen = FrameMousePointers->selectedPointer();
    if (!chosen.isEmpty())
        setPointer(chosen);
    showTabs();
}

void frmAreaProperties::showPanel(QWidget* panel)
{
    SSTab1->hide();
    FrameMousePointers->setVisible(panel == FrameMousePointers);
    FrameVariables->setVisible(panel == FrameVariables);
}

void frmAreaProperties::showTabs()
{
    FrameMousePointers->hide();
    FrameVariables->hide();
    SSTab1->show();
}

void frmAreaProperties::RefreshVariablesLists()
{
    const QStringList names = FrameVariables->names();
    fill(Combo3, names);
    fill(Combo4, names);
}

void frmAreaProperties::SaveVariablesList() { ProjectVariables::save(FrameVariables->names()); }

void frmAreaProperties::LoadVariablesList()
{
    QStringList names = FrameVariables->names();
    ProjectVariables::load(names);
    FrameVariables->setNames(names);
}

void frmAreaProperties::Command9_Click(int which)
{
    const QString name = Combo4->currentText();
    if (name.isEmpty()) {
        MsgBox(QStringLiteral("Please select a variable."), Dialogs::Icon::Information);
        return;
    }
    if (items(List1).contains(name) || items(List2).contains(name)) {
        MsgBox(QStringLiteral("The selected variable is already on a list."), Dialogs::Icon::Information);
        return;
    }
    QListWidget* target = which == 0 ? List1 : List2;
    target->addItem(name);
    target->setCurrentRow(target->count() - 1);
}

void frmAreaProperties::Command10_Click(int which)
{
    QListWidget* target = which == 0 ? List1 : List2;
    QListWidgetItem* item = target->currentItem();
    if (!item || !item->isSelected()) {
        MsgBox(QStringLiteral("Please select a variable."), Dialogs::Icon::Information);
        return;
    }
    delete item;
}

AreaProperties frmAreaProperties::properties() const
{
    AreaProperties p;
    p.left = float(m_rectangle.left());
    p.top = float(m_rectangle.top());
    p.width = float(m_rectangle.width());
    p.height = float(m_rectangle.height());
    p.transparent = AppearanceOption[0]->isChecked();
    p.hasPicture = AppearanceOption[1]->isChecked();
    p.picture = Combo2->currentText();
    p.stretch = StretchOption->isChecked();
    p.pointer = lblMousePointer->text();
    p.visibilityDependsOnVariables = VariablesOption[1]->isChecked();
    p.mustBeZero = items(List1);
    p.mustBeOne = items(List2);
    AreaActions& a = p.actions;
    a.changeVariable = VariablesOption[0]->isChecked();
    a.variable = Combo3->currentText();
    a.setTo0 = NewValue[0]->isChecked();
    a.setTo1 = NewValue[1]->isChecked();
    a.invert = NewValue[2]->isChecked();
    a.showMessage = Action[1]->isChecked();
    a.message = TextMessage->text();
    a.playSound = Action[2]->isChecked();
    a.sound = Combo6->currentText();
    a.disappear = Action[3]->isChecked();
    a.stopGame = Action[4]->isChecked();
    a.goToFrame = Action[0]->isChecked();
    a.frame = Combo1->currentText();
    p.pickable = ObjectOption[0]->isChecked();
    p.objectName = TextObjectName->text();
    p.icon = Combo5->currentText();
    return p;
}

void frmAreaProperties::showProperties(const AreaProperties& p)
{
    // Both options may be read as off from an old file: nothing is then
    // selected, as the file says.
    AppearanceOption[0]->setAutoExclusive(false);
    AppearanceOption[1]->setAutoExclusive(false);
    AppearanceOption[0]->setChecked(p.transparent);
    AppearanceOption[1]->setChecked(p.hasPicture && !p.transparent);
    AppearanceOption[0]->setAutoExclusive(true);
    AppearanceOption[1]->setAutoExclusive(true);
    select(Combo2, p.picture);
    StretchOption->setChecked(p.stretch);
    setPointer(p.pointer);
    VariablesOption[1]->setChecked(p.visibilityDependsOnVariables);
    List1->clear();
    List1->addItems(p.mustBeZero);
    List2->clear();
    List2->addItems(p.mustBeOne);
    const AreaActions& a = p.actions;
    VariablesOption[0]->setChecked(a.changeVariable);
    select(Combo3, a.variable);
    for (QRadioButton* value : NewValue)
        value->setAutoExclusive(false);
    NewValue[0]->setChecked(a.setTo0);
    NewValue[1]->setChecked(a.setTo1 && !a.setTo0);
    NewValue[2]->setChecked(a.invert && !a.setTo0 && !a.setTo1);
    for (QRadioButton* value : NewValue)
        value->setAutoExclusive(true);
    Action[1]->setChecked(a.showMessage);
    TextMessage->setText(a.message);
    Action[2]->setChecked(a.playSound);
    select(Combo6, a.sound);
    Action[3]->setChecked(a.disappear);
    Action[4]->setChecked(a.stopGame);
    Action[0]->setChecked(a.goToFrame);
    select(Combo1, a.frame);
    ObjectOption[0]->setChecked(p.pickable);
    TextObjectName->setText(p.objectName);
    select(Combo5, p.icon);
}

bool frmAreaProperties::LoadAreaProperties()
{
    // What cannot be read keeps what the controls hold.
    AreaProperties p = properties();
    const bool whole = AreaPropertiesFiles::load(frameName(), areaNumber(), p);
    showProperties(p);
    return whole;
}

bool frmAreaProperties::SaveAreaProperties()
{
    // Without an area number there is no file to write; the author was told
    // when the dialog opened.
    if (areaNumber() <= 0)
        return false;
    return AreaPropertiesFiles::save(frameName(), areaNumber(), properties());
}

void frmAreaProperties::LoadObjectOnArea()
{
    AreaProperties p = properties();
    AreaPropertiesFiles::loadEvent(frameName(), areaNumber(), ProcessState::EventObjectName, p.actions);
    showProperties(p);
}

bool frmAreaProperties::SaveObjectOnArea()
{
    if (areaNumber() <= 0)
        return false;
    return AreaPropertiesFiles::saveEvent(frameName(), areaNumber(), ProcessState::EventObjectName, properties().actions);
}

int frmAreaProperties::CheckValidity()
{
    AreaProperties p = properties();
    const AreaValidity::Result result = AreaValidity::CheckValidity(p);
    if (result.tab >= 0)
        SSTab1->setCurrentIndex(result.tab);
    // The checks tidy the pointer and the texts that will not be used.
    setPointer(p.pointer);
    TextMessage->setText(p.actions.message);
    TextObjectName->setText(p.objectName);
    return result.code;
}

// The canvas draws the area from its saved files; it reads them again once
// the dialog has closed.
void frmAreaProperties::UpdateAreaAppearance() {}

bool frmAreaProperties::Command2_Click()
{
    showTabs();
    if (CheckValidity() != 1)
        return false;
    if (!ProcessState::EventObjectName.isEmpty())
        SaveObjectOnArea();
    else {
        SaveAreaProperties();
        UpdateAreaAppearance();
    }
    ProcessState::StatusText = QStringLiteral("0");
    emit objectsChanged();
    accept();
    return true;
}

void frmAreaProperties::Command1_Click()
{
    showTabs();
    ProcessState::StatusText = QStringLiteral("cancel");
    QDialog::reject();
}

void frmAreaProperties::reject() { Command1_Click(); }

bool frmAreaProperties::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonRelease) {
        AppearanceOption[1]->setChecked(true);
        RefreshEnabled();
    }
    return QDialog::eventFilter(watched, event);
}

void frmAreaProperties::preview(QComboBox* combo, QLabel* image)
{
    const QImage picture = Pictures::load(FileNames::inFolder(ProjectPaths::AreasPath, combo->currentText()));
    if (picture.isNull()) {
        image->clear();
        return;
    }
    image->setPixmap(QPixmap::fromImage(picture).scaled(image->width(), image->height(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void frmAreaProperties::browse(QComboBox* combo, const QString& filter)
{
    const QString file = Dialogs::instance().openFile(QStringLiteral("Open"), QString(), filter);
    if (file.isEmpty())
        return;
    const QString name = file.mid(std::max(file.lastIndexOf(QLatin1Char('/')), file.lastIndexOf(QLatin1Char('\\'))) + 1);
    QFile source(file);
    const QString copy = FileNames::inFolder(ProjectPaths::AreasPath, name);
    // A failed copy is silent: the list then simply does not offer the file.
    if (!copy.isEmpty() && source.open(QIODevice::ReadOnly))
        AtomicFile::write(copy, source.readAll());
    RefreshComboBoxes();
    select(combo, name);
}

void frmAreaProperties::remove(QComboBox* combo, QLabel* shownIn)
{
    const QString name = combo->currentText();
    if (combo->currentIndex() < 0 || name.isEmpty())
        return;
    const QString shown = ProjectPaths::AreasPath + name;
    if (MsgBox(QStringLiteral("Do you really want to remove '") + shown + QStringLiteral("' ?"), Dialogs::Icon::Question,
               Dialogs::Buttons::YesNo) != Dialogs::Yes)
        return;
    const QString path = FileNames::inFolder(ProjectPaths::AreasPath, name);
    if (path.isEmpty() || !QFile::remove(FileNames::resolve(path))) {
        MsgBox(QStringLiteral("Unable to remove '") + shown + QStringLiteral("'."), Dialogs::Icon::Exclamation);
        RefreshComboBoxes();
        return;
    }
    if (shownIn)
        shownIn->clear();
    RefreshComboBoxes();
}

void frmAreaProperties::Command5_Click() { browse(Combo2, PictureFilter); }
void frmAreaProperties::Command6_Click() { remove(Combo2, Image1); }
void frmAreaProperties::Command15_Click() { browse(Combo5, IconFilter); }
void frmAreaProperties::Command14_Click() { remove(Combo5, Image2); }
void frmAreaProperties::Command17_Click() { browse(Combo6, SoundFilter); }
void frmAreaProperties::Command16_Click() { remove(Combo6, nullptr); }
