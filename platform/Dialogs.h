#pragma once

#include <QColor>
#include <QString>

#include <optional>

class QWidget;

// Message boxes, input boxes and the common dialogs, as one process-wide
// service. Answers use the classic codes so callers compare them the same way
// in the programs and in tests.
class Dialogs {
public:
    enum class Icon { None, Information, Exclamation, Question, Critical };
    enum class Buttons { OK, OKCancel, YesNo, YesNoCancel };
    enum Answer { OK = 1, Cancel = 2, Yes = 6, No = 7 };

    virtual ~Dialogs() = default;

    virtual int messageBox(const QString& text, Icon icon, Buttons buttons, const QString& title) = 0;
    // The typed text, or nothing when the user cancelled.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& initial) = 0;
    // The chosen file, or an empty string when the user cancelled.
    virtual QString openFile(const QString& title, const QString& folder, const QString& filter) = 0;
    virtual std::optional<QColor> pickColour(const QColor& initial) = 0;

    // The service in use; the Qt one unless a test or a headless program set
    // another. `set` does not take ownership; passing nullptr restores Qt's.
    static Dialogs& instance();
    static void set(Dialogs* dialogs);

    // Parent for the Qt dialogs (the active window when unset).
    static void setParentWindow(QWidget* parent);
    static QWidget* parentWindow();
};

// Shorthands for the common case: a message box of the current service.
int MsgBox(const QString& text, Dialogs::Icon icon = Dialogs::Icon::None,
           Dialogs::Buttons buttons = Dialogs::Buttons::OK, const QString& title = QString());
