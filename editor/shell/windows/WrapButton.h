#pragma once

#include <QPushButton>

// A push button whose caption wraps onto as many lines as the button's width
// needs. The editor's main window is narrow, and some of its captions are a
// whole sentence.
class WrapButton : public QPushButton {
    Q_OBJECT

public:
    explicit WrapButton(const QString& caption, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textRect(int width) const;
};
