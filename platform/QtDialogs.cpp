#include "platform/QtDialogs.h"

#include "platform/KeyboardReturn.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

int QtDialogs::messageBox(const QString& text, Icon icon, Buttons buttons, const QString& title)
{
    QMessageBox box(Dialogs::parentWindow());
    box.setText(text);
    box.setWindowTitle(title.isEmpty() ? QApplication::applicationName() : title);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    switch (buttons) {
    case Buttons::OK:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OKCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    }
    int answer = 0;
    {
        KeyboardReturn back;
        answer = box.exec();
    }
    switch (answer) {
    case QMessageBox::Ok: return OK;
    case QMessageBox::Yes: return Yes;
    case QMessageBox::No: return No;
    case QMessageBox::Cancel: return Cancel;
    default:
        // Closing the box with the window's close button or Escape.
        return buttons == Buttons::OK ? OK : (buttons == Buttons::YesNo ? No : Cancel);
    }
}

std::optional<QString> QtDialogs::inputBox(const QString& prompt, const QString& title, const QString& initial)
{
    bool ok = false;
    KeyboardReturn back;
    const QString text = QInputDialog::getText(Dialogs::parentWindow(), title, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtDialogs::openFile(const QString& title, const QString& folder, const QString& filter)
{
    KeyboardReturn back;
    return QFileDialog::getOpenFileName(Dialogs::parentWindow(), title, folder, filter);
}

std::optional<QColor> QtDialogs::pickColour(const QColor& initial)
{
    KeyboardReturn back;
    const QColor colour = QColorDialog::getColor(initial, Dialogs::parentWindow());
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}
