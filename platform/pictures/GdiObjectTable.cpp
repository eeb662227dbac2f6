#include "platform/pictures/GdiObjectTable.h"

bool GdiObjectTable::add(GdiObject object)
{
    while (lowestFree_ < capacity_ && objects_.contains(lowestFree_))
        ++lowestFree_;
    if (lowestFree_ >= capacity_)
        return false;
    objects_.insert(lowestFree_++, std::move(object));
    return true;
}

void GdiObjectTable::remove(uint32_t index)
{
    if (objects_.remove(index) && index < lowestFree_)
        lowestFree_ = index;
}

bool GdiObjectTable::put(uint32_t index, GdiObject object)
{
    if (index >= capacity_)
        return false;
    objects_.insert(index, std::move(object));
    return true;
}

const GdiObject* GdiObjectTable::find(uint32_t index) const
{
    const auto it = objects_.constFind(index);
    return it == objects_.constEnd() ? nullptr : &it.value();
}
