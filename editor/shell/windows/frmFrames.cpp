#include "editor/shell/windows/frmFrames.h"

#include "editor/shell/windows/FrameThumbnail.h"
#include "editor/shell/windows/Mnemonics.h"
#include "player/FrameRecord.h"
#include "player/records/ProjectRecord.h"

#include "editor/shell/FrameFiles.h"
#include "editor/shell/PictureFiles.h"
#include "platform/Dialogs.h"
#include "player/records/ProjectFiles.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QSet>
#include <QSignalBlocker>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyle>
#include <QVBoxLayout>

frmFrames::frmFrames(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("List of available frames"));
    LView = new QListWidget;
    LView->setAccessibleName(QStringLiteral("Frames"));
    LView->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    LView->setAcceptDrops(true);
    LView->viewport()->setAcceptDrops(true);
    LView->setDropIndicatorShown(false);
    LView->setMovement(QListView::Static);
    LView->setResizeMode(QListView::Adjust);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(LView);

    mnuFrameModify = new QMenu(QStringLiteral("Modify frame"), this);
    mnuFrameEdit = mnuFrameModify->addAction(QStringLiteral("Edit..."), this, &frmFrames::mnuFrameEdit_Click);
    mnuFrameProperties = mnuFrameModify->addAction(QStringLiteral("Properties..."), this, &frmFrames::mnuFrameProperties_Click);
    mnuFrameRun = mnuFrameModify->addAction(QStringLiteral("Run from this frame"), this, &frmFrames::mnuFrameRun_Click);
    mnuFrameModify->addSeparator();
    mnuFrameRemove = mnuFrameModify->addAction(QStringLiteral("Remove!"), this, &frmFrames::mnuFrameRemove_Click);
    mnuFrameModify->addSeparator();
    mnuCancel = mnuFrameModify->addAction(QStringLiteral("Cancel"));

    LView->viewport()->installEventFilter(this);
    LView->installEventFilter(this);
    connect(LView, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (!m_editedName.isEmpty())
            LView_AfterLabelEdit(item->text());
    });
    connect(LView, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            LView_BeforeLabelEdit(item->text());
    });
    // The selection is what the frame buttons act on: a frame selected
    // without moving the current item (as assistive tools select) becomes
    // the current one.
    connect(LView, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = LView->selectedItems();
        if (selected.size() == 1 && LView->currentItem() != selected.first())
            LView->setCurrentItem(selected.first());
    });
    Mnemonics::assign(this);
}

void frmFrames::ShowFramesWindow(QWidget* mainWindow)
{
    if (mainWindow) {
        const QRect frame = mainWindow->frameGeometry();
        move(frame.right() + 1, frame.top());
        resize(width() > 0 ? qMax(width(), 320) : 320, mainWindow->height());
    }
    show();
}

void frmFrames::ListFrames(bool icons)
{
    m_icons = icons;
    const QSignalBlocker blocker(LView);
    m_editedName.clear();
    LView->clear();
    LView->setViewMode(icons ? QListView::IconMode : QListView::ListMode);
    LView->setIconSize(icons ? QSize(48, 48) : QSize(16, 16));
    LView->setGridSize(icons ? QSize(96, 80) : QSize());
    LView->setWordWrap(icons);
    const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
    const QString starting = ProjectRecord::current().StartingFrame;
    for (const QString& frame : ProjectFiles::frames()) {
        const bool first = frame.compare(starting, Qt::CaseInsensitive) == 0;
        auto* item = new QListWidgetItem(icons ? FrameThumbnail::of(frame, first, LView->iconSize()) : icon, frame, LView);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        if (first)
            item->setToolTip(QStringLiteral("The game starts with this frame"));
    }
    if (LView->count() > 0)
        LView->setCurrentRow(0);
    if (LView->currentItem())
        m_editedName = LView->currentItem()->text();
}

void frmFrames::ListRestoredFrames(bool icons)
{
    QSet<QString> before;
    for (int i = 0; i < LView->count(); ++i)
        before.insert(LView->item(i)->text());
    const QString selected = selectedFrame();
    ListFrames(icons);
    QListWidgetItem* pick = nullptr;
    for (int i = 0; i < LView->count() && !pick; ++i) {
        if (!before.contains(LView->item(i)->text()))
            pick = LView->item(i);
    }
    if (!pick) {
        const QList<QListWidgetItem*> same = LView->findItems(selected, Qt::MatchFixedString);
        pick = same.isEmpty() ? nullptr : same.first();
    }
    if (pick) {
        const QSignalBlocker blocker(LView);
        LView->setCurrentItem(pick);
        m_editedName = pick->text();
    }
}

QString frmFrames::selectedFrame() const
{
    const QListWidgetItem* item = LView->currentItem();
    return LView->count() > 0 && item ? item->text() : QString();
}

void frmFrames::takeKeyboard()
{
    LView->setFocus(Qt::ShortcutFocusReason);
    if (LView->count() == 0)
        return;
    QListWidgetItem* item = LView->currentItem();
    if (!item) {
        const QList<QListWidgetItem*> last = LView->findItems(FrameRecord::current().Name, Qt::MatchFixedString);
        item = last.isEmpty() ? LView->item(0) : last.first();
    }
    LView->setCurrentItem(item);
    item->setSelected(true);
    LView->scrollToItem(item);
}

void frmFrames::LView_ItemClick() { m_clicks = 0; }

void frmFrames::LView_Click()
{
    if (m_clicks < 32767)
        ++m_clicks;
}

void frmFrames::LView_DblClick()
{
    // A double-click whose first click landed on an item: the counter was
    // set back to 0 and counted once.
    if (m_clicks == 1 && LView->count() > 0)
        emit editFrameRequested(selectedFrame());
}

void frmFrames::LView_KeyDown(int key)
{
    if (key == Qt::Key_Delete && LView->count() > 0)
        removeSelected();
}

void frmFrames::LView_BeforeLabelEdit(const QString& oldName) { m_editedName = oldName; }

void frmFrames::LView_AfterLabelEdit(const QString& newName)
{
    const QString oldName = m_editedName;
    m_editedName = newName;
    if (oldName.isEmpty() || newName.isEmpty() || newName == oldName)
        return;
    if (FrameFiles::RenameFrame(oldName, newName))
        return;
    // The frame kept its name: the list shows it as it is on disk.
    m_editedName = oldName;
    if (QListWidgetItem* item = LView->currentItem(); item && item->text() == newName) {
        const QSignalBlocker quiet(LView);
        item->setText(oldName);
    }
}

void frmFrames::LView_OLEDragDrop(const QStringList& files)
{
    for (const QString& path : files) {
        if (path.size() < 5)
            continue;
        if (PictureFiles::isPicture(path, PictureFiles::Kind::Background)) {
            FrameFiles::CreateFrame(FrameFiles::Picture, path, FrameFiles::GetFileTitle(path), false);
            createdFrame();
        } else {
            MsgBox(QStringLiteral("Unable to create a frame from '") + path +
                       QStringLiteral("'.\n\nYou can drag only .BMP, .GIF and .JPG files."),
                   Dialogs::Icon::Exclamation);
        }
    }
}

void frmFrames::mnuFrameEdit_Click()
{
    if (LView->count() == 0) {
        MsgBox(QStringLiteral("Please select the frame you want to edit."), Dialogs::Icon::Information);
        return;
    }
    emit editFrameRequested(selectedFrame());
}

// With no frame selected the coordinator tells the author.
void frmFrames::mnuFrameProperties_Click() { emit framePropertiesRequested(selectedFrame()); }

void frmFrames::mnuFrameRun_Click()
{
    const QString frame = selectedFrame();
    if (frame.isEmpty()) {
        MsgBox(QStringLiteral("Please select the frame you want to run the game from."), Dialogs::Icon::Information);
        return;
    }
    emit runFromFrameRequested(frame);
}

void frmFrames::mnuFrameRemove_Click()
{
    if (LView->count() == 0) {
        MsgBox(QStringLiteral("Please select the frame you want to remove."), Dialogs::Icon::Information);
        return;
    }
    removeSelected();
}

void frmFrames::removeSelected()
{
    FrameFiles::RemoveFrame(selectedFrame());
    ListFrames(m_icons);
}

// After a frame is made, the author is back on the Edit project panel with
// the list rebuilt.
void frmFrames::createdFrame()
{
    emit panelRequested(EditorPanel::EditProject);
    ListFrames(m_icons);
}

bool frmFrames::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == LView->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (LView->itemAt(mouse->position().toPoint()))
                LView_ItemClick();
            LView_Click();
            if (mouse->button() == Qt::RightButton) {
                if (QListWidgetItem* item = LView->itemAt(mouse->position().toPoint()))
                    LView->setCurrentItem(item);
                mnuFrameModify->popup(mouse->globalPosition().toPoint());
                return true;
            }
            break;
        }
        case QEvent::MouseButtonDblClick:
            LView_DblClick();
            return true;
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (drag->mimeData()->hasUrls()) {
                drag->setDropAction(Qt::CopyAction);
                drag->accept();
            } else {
                drag->ignore();
            }
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (!drop->mimeData()->hasUrls())
                return true;
            QStringList files;
            for (const QUrl& url : drop->mimeData()->urls()) {
                if (url.isLocalFile())
                    files << url.toLocalFile();
            }
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            LView_OLEDragDrop(files);
            return true;
        }
        default:
            break;
        }
    } else if (watched == LView && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete) {
            LView_KeyDown(Qt::Key_Delete);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
