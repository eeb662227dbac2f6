#include "tools/IcoWrk32/IconDocument.h"

#include "platform/pictures/IconFile.h"
#include "tools/IcoWrk32/IconFileWriter.h"

#include <algorithm>
#include <cstdlib>

namespace {

QImage blank(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(IconDocument::transparent);
    return image;
}

// Every fully transparent pixel becomes the one transparent value, so that
// a fill treats a transparent region as one colour whatever an old file
// stored under its mask.
void normalizeTransparency(QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) == 0)
                line[x] = IconDocument::transparent;
    }
}

// Which image of the file to edit: the largest of an editing size, the
// deepest among equals; without one, what a picture of the file shows.
int chooseEntry(const IconFile& file)
{
    int best = -1;
    for (int i = 0; i < file.entries().size(); ++i) {
        const IconFile::Entry& e = file.entries()[i];
        if (e.width != e.height || !IconDocument::isEditingSize(e.width))
            continue;
        if (best < 0 || e.width > file.entries()[best].width
            || (e.width == file.entries()[best].width && e.bitCount > file.entries()[best].bitCount))
            best = i;
    }
    return best >= 0 ? best : file.bestForPicture();
}

}  // namespace

IconDocument::IconDocument() { reset(32, Kind::Icon); }

void IconDocument::reset(int size, Kind kind)
{
    m_image = blank(isEditingSize(size) ? size : 32);
    m_kind = kind;
    m_hotSpot = QPoint(0, 0);
    m_undo.clear();
    m_modified = false;
}

void IconDocument::setKind(Kind kind)
{
    if (kind != m_kind)
        m_modified = true;
    m_kind = kind;
}

void IconDocument::beginChange()
{
    m_undo.append(State{m_image, m_hotSpot});
    if (m_undo.size() > maxUndoSteps)
        m_undo.removeFirst();
}

void IconDocument::endChange()
{
    if (m_undo.isEmpty())
        return;
    const State& last = m_undo.last();
    if (last.image == m_image && last.hotSpot == m_hotSpot)
        m_undo.removeLast();
    else
        m_modified = true;
}

void IconDocument::setHotSpot(QPoint spot)
{
    m_hotSpot = QPoint(std::clamp(spot.x(), 0, size() - 1), std::clamp(spot.y(), 0, size() - 1));
}

void IconDocument::resize(int newSize)
{
    if (!isEditingSize(newSize) || newSize == size())
        return;
    const int old = size();
    beginChange();
    m_image = m_image.scaled(newSize, newSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    setHotSpot(QPoint(m_hotSpot.x() * newSize / old, m_hotSpot.y() * newSize / old));
    endChange();
}

bool IconDocument::undo()
{
    if (m_undo.isEmpty())
        return false;
    const State state = m_undo.takeLast();
    m_image = state.image;
    m_hotSpot = state.hotSpot;
    m_modified = true;
    return true;
}

bool IconDocument::read(const QByteArray& bytes)
{
    IconFile file;
    if (!file.read(bytes))
        return false;
    const int index = chooseEntry(file);
    QImage image = file.image(index);
    if (image.isNull())
        return false;
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QSize original = image.size();
    const int editing = nearestEditingSize(std::max(original.width(), original.height()));
    if (original != QSize(editing, editing))
        image = image.scaled(editing, editing, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    normalizeTransparency(image);

    m_image = image;
    m_kind = file.isCursor() ? Kind::Pointer : Kind::Icon;
    const QPoint spot = file.entries()[index].hotSpot;
    setHotSpot(QPoint(spot.x() * editing / original.width(), spot.y() * editing / original.height()));
    m_undo.clear();
    m_modified = false;
    return true;
}

QByteArray IconDocument::write() const
{
    return m_kind == Kind::Pointer ? IconFileWriter::cursor(m_image, m_hotSpot) : IconFileWriter::icon(m_image);
}

bool IconDocument::isEditingSize(int size)
{
    return std::find(std::begin(sizes), std::end(sizes), size) != std::end(sizes);
}

int IconDocument::nearestEditingSize(int size)
{
    int best = sizes[0];
    for (int s : sizes)
        if (std::abs(s - size) < std::abs(best - size))
            best = s;
    return best;
}
