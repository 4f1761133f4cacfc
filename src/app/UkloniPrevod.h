#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

// "Ukloni prevod": takes one of the user's own translations out again, through the importer.
class TfUkloniPrevod : public QDialog {
    Q_OBJECT
public:
    explicit TfUkloniPrevod(QWidget* parent = nullptr);

    void setImporter(const QString& path) { importer_ = path; }
    void setUserFolder(const QString& folder) { userFolder_ = folder; }

    // Lists the user's translations; false when there is none.
    bool FormShow();
    // Removes the chosen translation; false when it could not be removed.
    bool BtnUkloniClick();

signals:
    // A translation left the user's list.
    void translationRemoved();

private:
    QListWidget* ListPrevodi;
    QLabel* LabelPoruka;
    QPushButton* BtnUkloni;
    QPushButton* BtnOtkazi;

    QString importer_;
    QString userFolder_;
};
