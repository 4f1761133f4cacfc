#pragma once

#include <QWidget>

// The report form: holds the chapter and results reports; never shown itself.
class Tfprint : public QWidget {
    Q_OBJECT
public:
    explicit Tfprint(QWidget* parent = nullptr);

    // Lays the results report out over the results query and shows its print preview;
    // returns when the preview is closed.
    void PreviewResults();
};
