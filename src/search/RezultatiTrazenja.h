#pragma once

#include <QWidget>

// The search results window: a tool window as high as the main window, on top of the others.
class TfRezultatiTrazenja : public QWidget {
    Q_OBJECT
public:
    // Takes its height from the main window.
    explicit TfRezultatiTrazenja(const QWidget* mainWindow = nullptr);

    // Counts the rows of the results query, asks above 500 and lists them.
    void ShowResults();
};
