#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;

// The box of the About panel: the editor's name and version over a small
// texture repeated across the whole box.
class AboutBox : public QWidget {
    Q_OBJECT

public:
    explicit AboutBox(const QString& versionText, QWidget* parent = nullptr);

    QPixmap texture;
    QLabel* lblVersion = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
};
