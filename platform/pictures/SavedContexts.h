#pragma once

#include "platform/pictures/DeviceContext.h"

#include <vector>

// The states SaveDC pushes and RestoreDC brings back. A negative restore
// counts back from the latest save, a positive one names a save by its
// number; restoring drops that save and every later one.
class SavedContexts {
public:
    void save(const DeviceContext& dc)
    {
        // A file that saves without end must not exhaust memory.
        if (stack_.size() < maxDepth)
            stack_.push_back(dc);
    }

    bool restore(DeviceContext& dc, int which)
    {
        const int64_t size = int64_t(stack_.size());
        const int64_t index = which < 0 ? size + which : int64_t(which) - 1;
        if (which == 0 || index < 0 || index >= size)
            return false;
        dc = stack_[size_t(index)];
        stack_.resize(size_t(index));
        return true;
    }

private:
    static constexpr size_t maxDepth = 1024;
    std::vector<DeviceContext> stack_;
};
