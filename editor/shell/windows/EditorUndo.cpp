#include "editor/shell/windows/EditorUndo.h"

#include "editor/shell/ProjectJournal.h"
#include "player/ProjectPaths.h"

#include <QDir>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QWidget>

namespace {
constexpr int kStatusHeight = 18;
}

EditorUndo::EditorUndo(QWidget* mainWindow) : QObject(mainWindow), m_mainWindow(mainWindow)
{
    m_status = new QLabel(mainWindow);
    m_status->setObjectName(QStringLiteral("lblUndo"));
    m_status->setAccessibleName(QStringLiteral("Undo"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setIndent(8);
    const QSize size = mainWindow->size();
    m_status->setGeometry(0, size.height(), size.width(), kStatusHeight);
    mainWindow->setFixedSize(size.width(), size.height() + kStatusHeight);
    attach(mainWindow);
    showHistory();
}

EditorUndo::~EditorUndo() = default;

void EditorUndo::attach(QWidget* window)
{
    const auto bind = [&](const QKeySequence& keys, bool undoing) {
        auto* shortcut = new QShortcut(keys, window);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, undoing] { undoing ? undo() : redo(); });
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_Z), true);
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), false);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Y), false);
}

void EditorUndo::projectChanged(bool open)
{
    if (!open || ProjectPaths::ProjectPath.isEmpty()) {
        m_journal.reset();
    } else {
        const QString folder = QDir::cleanPath(QDir(ProjectPaths::ProjectPath).absolutePath()) + QLatin1Char('/');
        if (m_journal && m_journal->folder() == folder)
            return;
        m_journal.reset();
        m_journal = std::make_unique<ProjectJournal>(folder);
        connect(m_journal.get(), &ProjectJournal::historyChanged, this, &EditorUndo::showHistory);
    }
    showHistory();
}

bool EditorUndo::undo()
{
    if (!m_journal || !m_journal->canUndo())
        return false;
    const bool done = m_journal->undo();
    if (done)
        emit filesRestored();
    return done;
}

bool EditorUndo::redo()
{
    if (!m_journal || !m_journal->canRedo())
        return false;
    const bool done = m_journal->redo();
    if (done)
        emit filesRestored();
    return done;
}

void EditorUndo::showHistory()
{
    const bool can = m_journal && m_journal->canUndo();
    m_status->setText(can ? QStringLiteral("Undo: ") + m_journal->undoText() : QString());
    QString tip;
    if (can)
        tip = QStringLiteral("Ctrl+Z undoes: ") + m_journal->undoText();
    if (m_journal && m_journal->canRedo())
        tip += (tip.isEmpty() ? QString() : QStringLiteral("\n")) + QStringLiteral("Ctrl+Shift+Z or Ctrl+Y redoes: ") +
               m_journal->redoText();
    m_status->setToolTip(tip);
}
