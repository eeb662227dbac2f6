#pragma once

struct AreaProperties;

// The checks the area properties dialog runs before it saves. Each failing
// rule tells the author and names the tab to show; the first failure ends
// the check. Two texts are tidied on the way: an empty pointer becomes
// "DEFAULT", and a message or object name that will not be used loses a
// quotation mark it holds (record files cannot hold one).
namespace AreaValidity {

enum Tab { Appearance = 0, Action = 1, Variables = 2, Object = 3 };

struct Result {
    int code = 2;        // 1: may be saved; 2: stay open
    int tab = -1;        // the tab to select, -1 to leave the tab as it is
};

Result CheckValidity(AreaProperties& p);

}  // namespace AreaValidity
