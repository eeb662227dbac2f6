#include "checker/CheckView.h"

#include "checker/FileVerdicts.h"

bool CheckView::createArea(const AreaLook& look)
{
    using Use = FileVerdicts::Use;
    if (look.stretch && look.picture && !m_files.readable(*look.picture, Use::Picture))
        return false;
    return !(look.pointerRead && look.pointer && !m_files.readable(*look.pointer, Use::Pointer));
}

bool CheckView::addInventoryObject(int, const QString&, const QString& iconFile, const QRect&)
{
    return m_files.readable(iconFile, FileVerdicts::Use::Picture);
}
