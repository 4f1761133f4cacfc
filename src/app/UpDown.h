#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// Two small arrow buttons that step the number of the edit they are tied to by one, within
// Min..Max, without wrapping. The step starts from the number the edit shows.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent = nullptr);

    int Min = 1;
    int Max = 200;
    int Position = 1;
    bool Wrap = false;

    QLineEdit* Associate() const { return associate_; }
    void setAssociate(QLineEdit* edit) { associate_ = edit; }

    // One click on the upper (+1) or the lower (-1) arrow.
    void Click(int step);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* associate_ = nullptr;
    QToolButton* up_;
    QToolButton* down_;
};
