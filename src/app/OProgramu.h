#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The text of "O programu": version, licence and the credits of the texts; the web address
// only when the build names one.
QString AboutText(const QString& version, const QString& homepage);

// "O programu": the program's version, licence and credits.
class TfOProgramu : public QDialog {
    Q_OBJECT
public:
    explicit TfOProgramu(QWidget* parent = nullptr);

private:
    QLabel* LabelTekst;
    QPushButton* BtnZatvori;
};
