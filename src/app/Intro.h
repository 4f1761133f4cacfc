#pragma once

#include <QWidget>

// The splash window: built at start-up and never shown.
class TfIntro : public QWidget {
    Q_OBJECT
public:
    explicit TfIntro(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
