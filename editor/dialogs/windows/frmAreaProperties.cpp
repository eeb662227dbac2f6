#include "editor/dialogs/windows/frmAreaProperties.h"

#include "editor/dialogs/AreaValidity.h"
#include "editor/dialogs/ProjectVariables.h"
#include "editor/dialogs/windows/AreaPointersPanel.h"
#include "editor/dialogs/windows/AreaVariablesPanel.h"
#include "editor/shell/PictureFiles.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/pictures/Pictures.h"
#include "player/FrameRecord.h"
#include "player/ProcessState.h"
#include "player/ProjectPaths.h"
#include "player/records/AtomicFile.h"
#include "player/records/ProjectFiles.h"
#include "player/records/FileLayer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

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

QStringList areasFolder(const QStringList& patterns) { return FileNames::list(ProjectPaths::AreasPath, patterns); }

QStringList items(const QListWidget* list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->item(i)->text();
    return all;
}

QString frameName() { return FrameRecord::current().Name; }

}  // namespace

const QString frmAreaProperties::PictureFilter = PictureFiles::filter(PictureFiles::Kind::Area);
const QString frmAreaProperties::IconFilter = QStringLiteral("Icons (*.ico *.cur)");
const QString frmAreaProperties::SoundFilter = QStringLiteral("Sounds (*.wav)");

frmAreaProperties::~frmAreaProperties() { SaveVariablesList(); }

int frmAreaProperties::areaNumber() { return ProcessState::StatusText.trimmed().toInt(); }

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
    fill(Combo2, areasFolder(PictureFiles::patterns(PictureFiles::Kind::Area)));
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
    if (path.isEmpty() || !FileLayer::remove(FileNames::resolve(path))) {
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
