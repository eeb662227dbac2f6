#include "editor/dialogs/windows/AreaPointersPanel.h"

#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/pictures/Pictures.h"
#include "player/ProjectPaths.h"
#include "player/records/AtomicFile.h"
#include "player/records/FileLayer.h"

#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

// The label keeps the file's name while the author edits the item's text.
constexpr int kFileName = Qt::UserRole;

QString fileNameOf(const QString& path)
{
    return path.mid(std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1);
}

QPushButton* button(const QString& text, const char* name)
{
    auto* b = new QPushButton(text);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(text);
    return b;
}

}  // namespace

const QString AreaPointersPanel::PointerFilter = QStringLiteral("Icons (*.ico *.cur)");

AreaPointersPanel::AreaPointersPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FrameMousePointers"));
    setAccessibleName(QStringLiteral("AVAILABLE MOUSE POINTERS :"));
    IconsListView = new QListWidget;
    IconsListView->setObjectName(QStringLiteral("IconsListView"));
    IconsListView->setAccessibleName(QStringLiteral("Available mouse pointers"));
    IconsListView->setViewMode(QListView::IconMode);
    IconsListView->setIconSize(QSize(32, 32));
    IconsListView->setResizeMode(QListView::Adjust);
    IconsListView->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    Command3 = button(QStringLiteral("Add..."), "Command3");
    Command4 = button(QStringLiteral("Remove"), "Command4");
    Command18 = button(QStringLiteral("OK"), "Command18");
    Command21 = button(QStringLiteral("Cancel"), "Command21");
    auto* hint = new QLabel(QStringLiteral(
        "Double-click the icon you want to show when the player moves the mouse over the selected area."));
    hint->setWordWrap(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("AVAILABLE MOUSE POINTERS :")), 0, 0, 1, 4);
    layout->addWidget(IconsListView, 1, 0, 1, 4);
    layout->addWidget(hint, 2, 0, 1, 4);
    layout->addWidget(Command3, 3, 0);
    layout->addWidget(Command4, 3, 1);
    layout->addWidget(Command18, 3, 2);
    layout->addWidget(Command21, 3, 3);

    connect(Command3, &QPushButton::clicked, this, &AreaPointersPanel::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &AreaPointersPanel::Command4_Click);
    connect(Command18, &QPushButton::clicked, this, &AreaPointersPanel::pointerChosen);
    connect(Command21, &QPushButton::clicked, this, &AreaPointersPanel::cancelled);
    // Only a double-click on an item counts; the empty part of the list
    // gives no item and so does nothing.
    connect(IconsListView, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        IconsListView->setCurrentItem(item);
        emit pointerChosen();
    });
    connect(IconsListView, &QListWidget::itemChanged, this, &AreaPointersPanel::renameItem);
}

QListWidgetItem* AreaPointersPanel::addItem(const QString& name)
{
    m_renaming = true;
    auto* item = new QListWidgetItem(name, IconsListView);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setData(kFileName, name);
    // A picture that cannot be read leaves the item without an image.
    const QImage picture = Pictures::load(FileNames::inFolder(ProjectPaths::IconsPath, name));
    if (!picture.isNull())
        item->setIcon(QIcon(QPixmap::fromImage(picture)));
    m_renaming = false;
    return item;
}

void AreaPointersPanel::RefreshIconsList()
{
    IconsListView->clear();
    for (const QString& name : FileNames::list(ProjectPaths::IconsPath, QStringLiteral("*.ico")))
        addItem(name);
}

QString AreaPointersPanel::selectedPointer() const
{
    const QListWidgetItem* item = IconsListView->currentItem();
    if (!item || !item->isSelected())
        return {};
    const QString name = item->text();
    if (name.left(7).compare(QLatin1String("default"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("DEFAULT");
    return name;
}

void AreaPointersPanel::Command3_Click()
{
    const QString file = Dialogs::instance().openFile(QStringLiteral("Open"), QString(), PointerFilter);
    if (file.isEmpty())
        return;
    const QString name = fileNameOf(file);
    for (int i = 0; i < IconsListView->count(); ++i) {
        if (IconsListView->item(i)->text() == name) {
            MsgBox(QStringLiteral("The selected icon already exists."), Dialogs::Icon::Information);
            return;
        }
    }
    QFile source(file);
    const QString copy = FileNames::inFolder(ProjectPaths::IconsPath, name);
    if (copy.isEmpty() || !source.open(QIODevice::ReadOnly) || !AtomicFile::write(copy, source.readAll()))
        return;
    addItem(name);
}

void AreaPointersPanel::Command4_Click()
{
    if (IconsListView->count() == 0) {
        MsgBox(QStringLiteral("No icons to remove."), Dialogs::Icon::Information);
        return;
    }
    QListWidgetItem* item = IconsListView->currentItem();
    if (!item)
        return;
    const QString shown = ProjectPaths::IconsPath + item->text();
    if (MsgBox(QStringLiteral("Do you really want to remove '") + shown + QStringLiteral("' ?"), Dialogs::Icon::Exclamation,
               Dialogs::Buttons::YesNo) != Dialogs::Yes)
        return;
    const QString path = FileNames::inFolder(ProjectPaths::IconsPath, item->data(kFileName).toString());
    if (path.isEmpty() || !FileLayer::remove(FileNames::resolve(path))) {
        MsgBox(QStringLiteral("Unable to remove '") + shown + QStringLiteral("'."), Dialogs::Icon::Exclamation);
        return;
    }
    delete item;
    emit iconRemoved();
}

void AreaPointersPanel::renameItem(QListWidgetItem* item)
{
    if (m_renaming || !item)
        return;
    const QString old = item->data(kFileName).toString();
    QString wanted = item->text();
    if (wanted == old)
        return;
    if (wanted.size() < 5 || !wanted.endsWith(QLatin1String(".ico")))
        wanted += QStringLiteral(".ico");
    m_renaming = true;
    // "arrow" for arrow.ico names the file it already has.
    if (wanted == old) {
        item->setText(old);
        m_renaming = false;
        return;
    }
    const QString from = FileNames::inFolder(ProjectPaths::IconsPath, old);
    const QString to = FileNames::inFolder(ProjectPaths::IconsPath, wanted);
    // A typed name that is not one plain file name never becomes a path.
    if (from.isEmpty() || to.isEmpty() || !FileLayer::rename(FileNames::resolve(from), FileNames::resolve(to))) {
        item->setText(old);
        m_renaming = false;
        MsgBox(QStringLiteral("Unable to rename from '") + ProjectPaths::IconsPath + old + QStringLiteral("' to '") +
                   ProjectPaths::IconsPath + wanted + QStringLiteral("'."),
               Dialogs::Icon::Exclamation);
        return;
    }
    item->setText(wanted);
    item->setData(kFileName, wanted);
    m_renaming = false;
}
