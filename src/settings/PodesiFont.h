#pragma once

#include <QDialog>

// The dialog for a pane's text and reference fonts, shown modally.
class TfPodesiFont : public QDialog {
    Q_OBJECT
public:
    explicit TfPodesiFont(QWidget* parent = nullptr);
};
