#pragma once

#include <QObject>

class QWidget;

// Gives every control that has a name in the code ("txtFileName", "Combo1",
// "Option1(1)") that name as its accessible description, when it has none:
// assistive tools and scripts can then tell apart controls that share a
// caption, such as the several "Browse..." buttons of one dialog.
class ControlDescriptions : public QObject {
    Q_OBJECT

public:
    // Describes each widget of the application as it is first shown.
    static void install();
    static void describe(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
