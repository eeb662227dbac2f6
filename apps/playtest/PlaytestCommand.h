#pragma once

#include <QString>
#include <QStringList>

// One line of a playtest script, taken apart.
struct PlaytestCommand {
    enum class Kind {
        New,              // new
        Click,            // click N
        Drag,             // drag K N
        KeyEscape,        // key escape
        MenuExit,         // menu exit
        Save,             // save NAME
        Load,             // load NAME
        Answer,           // answer OK|Cancel|Yes|No
        Wait,             // wait SECONDS
        Screenshot,       // screenshot NAME
        ExpectFrame,      // expect frame NAME
        ExpectVar,        // expect var NAME VALUE
        ExpectInventory,  // expect inventory A,B,C
        ExpectVisible,    // expect visible N yes|no
        ExpectMessage,    // expect message TEXT
        ExpectWelcome,    // expect welcome
    };

    Kind kind = Kind::New;
    int line = 0;     // 1-based line of the script
    QString text;     // the line as written, without surrounding blanks

    int area = 0;     // click, drag, expect visible
    int icon = 0;     // drag: the inventory icon, 1-based
    int answer = 0;   // answer: a Dialogs::Answer code
    int value = 0;    // expect var
    bool shown = false;  // expect visible: yes
    qint64 milliseconds = 0;  // wait
    QString name;     // frame, variable, saved game, screenshot, or the message text
    QStringList names;  // expect inventory

    bool isExpectation() const { return kind >= Kind::ExpectFrame; }
};
