#pragma once

#include <QCheckBox>

// A check box whose caption wraps onto as many lines as the width given to it
// needs, the box beside the first line. Several of the property dialogs'
// options are a whole sentence or two.
class WrapCheckBox : public QCheckBox {
    Q_OBJECT

public:
    explicit WrapCheckBox(const QString& caption, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    int indent() const;
    QRect textRect(int width) const;
};
