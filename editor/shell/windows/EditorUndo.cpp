#include "editor/shell/windows/EditorUndo.h"

#include "editor/shell/ProjectJournal.h"
#include "player/ProjectPaths.h"

#include <QDir>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QWidget>

namespace {

constexpr int kIndent = 8;
constexpr int kLines = 2;

// `text` as it fits in two lines of `width` pixels: itself when it wraps at
// its spaces into two lines; else its first line broken wherever it must be
// and the rest shortened in the middle onto the second.
QString twoLines(const QString& text, const QFontMetrics& metrics, int width)
{
    const QRect wrapped = metrics.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, text);
    if (wrapped.width() <= width && wrapped.height() <= kLines * metrics.lineSpacing())
        return text;
    // The longest start that fits on the first line, ended at its last space
    // when it has one and a word would be cut.
    qsizetype end = 0;
    while (end < text.size() && metrics.horizontalAdvance(text.left(end + 1)) <= width)
        ++end;
    if (end < text.size() && text.at(end) != QLatin1Char(' ')) {
        const qsizetype space = text.lastIndexOf(QLatin1Char(' '), end - 1);
        if (space > 0)
            end = space;
    }
    const QString first = text.left(end).trimmed();
    const QString second = metrics.elidedText(text.mid(end).trimmed(), Qt::ElideMiddle, width);
    return first + QLatin1Char('\n') + second;
}

}  // namespace

EditorUndo::EditorUndo(QWidget* mainWindow) : QObject(mainWindow), m_mainWindow(mainWindow)
{
    m_status = new QLabel(mainWindow);
    m_status->setObjectName(QStringLiteral("lblUndo"));
    m_status->setAccessibleName(QStringLiteral("Undo"));
    m_status->setTextFormat(Qt::PlainText);
    // Margins, not an indent: a label aligned to the top indents its top too.
    m_status->setContentsMargins(kIndent, 2, kIndent, 2);
    // A long action's name wraps; the room for two lines is kept even when
    // the line is short or empty, so the window does not change its size.
    m_status->setWordWrap(true);
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int height = kLines * m_status->fontMetrics().lineSpacing() + 6;
    const QSize size = mainWindow->size();
    m_status->setGeometry(0, size.height(), size.width(), height);
    mainWindow->setFixedSize(size.width(), size.height() + height);
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
        // The history goes with the project; the author is told so on the
        // undo line rather than finding Ctrl+Z silently doing nothing.
        const bool had = m_journal && (m_journal->canUndo() || m_journal->canRedo());
        m_journal.reset();
        showHistory();
        if (had)
            showLine(QStringLiteral("The undo history ended when the project was closed."));
        return;
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
    showLine(can ? QStringLiteral("Undo: ") + m_journal->undoText() : QString());
    QString tip;
    if (can)
        tip = QStringLiteral("Ctrl+Z undoes: ") + m_journal->undoText();
    if (m_journal && m_journal->canRedo())
        tip += (tip.isEmpty() ? QString() : QStringLiteral("\n")) + QStringLiteral("Ctrl+Shift+Z or Ctrl+Y redoes: ") +
               m_journal->redoText();
    m_status->setToolTip(tip);
}

void EditorUndo::showLine(const QString& line)
{
    // The whole line, when it is shortened, is in the tooltip and the description.
    m_status->setText(twoLines(line, m_status->fontMetrics(), m_status->contentsRect().width()));
    m_status->setAccessibleDescription(line);
}
