#pragma once

#include <QListWidget>

// The recent projects on the main window's first panel: each shown by its
// folder's name, with the whole folder as its tooltip. A click asks for
// the project.
class RecentProjectsList : public QListWidget {
    Q_OBJECT

public:
    explicit RecentProjectsList(QWidget* parent = nullptr);
    void refresh();

signals:
    void projectChosen(const QString& folder);
};
