#pragma once

#include <QDialog>

// The search dialog, shown modally from the main window.
class TfTrazi : public QDialog {
    Q_OBJECT
public:
    explicit TfTrazi(QWidget* parent = nullptr);
};
