#include "editor/shell/windows/frmObjects.h"
#include "editor/shell/JournalAction.h"
#include "editor/shell/windows/Mnemonics.h"

#include "editor/shell/AreaFiles.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/pictures/Pictures.h"
#include "player/records/ObjectFile.h"
#include "player/records/ProjectFiles.h"
#include "player/records/RecordSync.h"
#include "player/records/FileLayer.h"

#include <QCloseEvent>
#include <QDrag>
#include <QFile>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>

frmObjects::frmObjects(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("List of objects"));
    ObjectsList = new QListWidget(this);
    ObjectsList->setObjectName(QStringLiteral("ObjectsList"));
    ObjectsList->setAccessibleName(QStringLiteral("Objects"));
    Command1 = new QPushButton(QStringLiteral("Remove selected"), this);
    resize(200, 300);
    ObjectsList->viewport()->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, &frmObjects::Command1_Click);
    Mnemonics::assign(this);
}

void frmObjects::startDrag(const QString& name, const QPixmap& icon)
{
    auto* drag = new QDrag(ObjectsList);
    auto* data = new QMimeData;
    data->setData(QLatin1String(kObjectMimeType), name.toUtf8());
    drag->setMimeData(data);
    if (!icon.isNull()) {
        drag->setPixmap(icon);
        drag->setHotSpot(QPoint(icon.width() / 2, icon.height() / 2));
    }
    drag->exec(Qt::CopyAction);
}

void frmObjects::ListObjects()
{
    ObjectsList->clear();
    ObjectsList->addItems(AreaFiles::ListObjects());
}

void frmObjects::ShowObjectsWindow(QWidget* mainWindow)
{
    if (mainWindow) {
        const QRect frame = mainWindow->frameGeometry();
        move(frame.right() + 1, frame.top());
    }
    show();
}

void frmObjects::Resize()
{
    const int buttonHeight = Command1->sizeHint().height();
    const int listHeight = std::max(0, height() - buttonHeight);
    ObjectsList->setGeometry(0, 0, width(), listHeight);
    Command1->setGeometry(0, listHeight, width(), buttonHeight);
}

void frmObjects::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Resize();
}

void frmObjects::ObjectsList_MouseDown(Qt::MouseButton button)
{
    const QListWidgetItem* item = ObjectsList->currentItem();
    if (button != Qt::LeftButton || !item || !item->isSelected())
        return;
    const QString name = item->text();
    // A missing object file or icon only costs the drag its picture.
    QPixmap icon;
    ObjectFile object;
    if (RecordFile::load(ProjectFiles::objectFile(name), object)) {
        const QString iconPath = ProjectFiles::inAreas(object.Icon);
        if (!iconPath.isEmpty())
            icon = QPixmap::fromImage(Pictures::load(iconPath));
    }
    startDrag(name, icon);
}

void frmObjects::Command1_Click()
{
    const QListWidgetItem* item = ObjectsList->currentItem();
    if (!item || !item->isSelected()) {
        MsgBox(QStringLiteral("Please select the object you want to remove."), Dialogs::Icon::Information);
        return;
    }
    const QString file = ProjectFiles::objectFile(item->text());
    JournalAction action(QStringLiteral("remove object '") + item->text() + QLatin1Char('\''));
    const bool removed = !file.isEmpty() && FileLayer::remove(FileNames::resolve(file));
    ListObjects();
    if (!removed)
        MsgBox(QStringLiteral("Unable to remove selected object."), Dialogs::Icon::Exclamation);
}

// Only the author's closing of the window is told; hiding it from the main
// window does not come here.
void frmObjects::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    Form_QueryUnload(event->spontaneous());
}

void frmObjects::Form_QueryUnload(bool byAuthor)
{
    if (byAuthor)
        emit closedByAuthor();
}

bool frmObjects::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ObjectsList->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (QListWidgetItem* item = ObjectsList->itemAt(mouse->position().toPoint()))
            ObjectsList->setCurrentItem(item);
        ObjectsList_MouseDown(mouse->button());
        return mouse->button() == Qt::LeftButton;
    }
    return QWidget::eventFilter(watched, event);
}
