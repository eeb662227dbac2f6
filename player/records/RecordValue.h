#pragma once

#include <QString>

// One value of a record file as it was written: quoted text, a bare word or
// number, a Boolean (#TRUE#/#FALSE#), or nothing (an empty field). Readers
// that do not know a field's type keep it in this form and compare it as such.
struct RecordValue {
    enum class Kind { Empty, Text, Bare, Boolean };

    Kind kind = Kind::Empty;
    QString text;  // the text as read, quotes removed, blanks around it skipped
    bool boolean = false;

    // The number this value stands for, as a number field reads it: an empty
    // value is 0, True is -1 and False 0, text must be a decimal number.
    bool toNumber(double& out) const;

    // The value as text: Booleans give "True"/"False".
    QString toText() const;

    bool operator==(const RecordValue&) const = default;
};
