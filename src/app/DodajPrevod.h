#pragma once

#include "ImportProposal.h"

#include <QDialog>
#include <QProcess>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// "Dodaj prevod": imports a SWORD module (an installed one or a CrossWire .zip) into the user's
// own translations by running the importer, with a progress bar and "Otkaži".
class TfDodajPrevod : public QDialog {
    Q_OBJECT
public:
    explicit TfDodajPrevod(QWidget* parent = nullptr);
    ~TfDodajPrevod() override;

    // The importer program and the folder it writes into (the user's by default).
    void setImporter(const QString& path) { importer_ = path; }
    void setUserFolder(const QString& folder) { userFolder_ = folder; }

    // Fills the module list with the installed modules, or with those of an archive; false
    // when there are none.
    bool LoadInstalled();
    bool LoadArchive(const QString& archive);
    // Starts importing the chosen module under the caption of EditNaziv.
    void BtnUveziClick();
    // Stops a running import (nothing is left behind) or closes the window.
    void BtnOtkaziClick();
    void BtnArhivaClick();
    void ComboModulChange();
    bool Importing() const { return process_.state() != QProcess::NotRunning; }
    // The file name the running or last import writes.
    const QString& ImportedFile() const { return file_; }

    // The controls, for tests: the module list, the caption and the progress bar.
    QComboBox* ModuleList() const { return ComboModul; }
    QLineEdit* CaptionEdit() const { return EditNaziv; }
    QProgressBar* Progress() const { return ProgressBar1; }

signals:
    // A translation was added to the user's list.
    void translationAdded();

protected:
    void reject() override;

private:
    QComboBox* ComboModul;
    QPushButton* BtnArhiva;
    QLineEdit* EditNaziv;
    QProgressBar* ProgressBar1;
    QLabel* LabelPoruka;
    QPushButton* BtnUvezi;
    QPushButton* BtnOtkazi;

    bool Fill(const QStringList& arguments, const QString& archive);
    void ReadProgress();
    void ImportFinished(int exitCode, QProcess::ExitStatus status);
    // Takes away whatever a stopped import left of its file.
    void CleanUp();
    void SetBusy(bool busy);

    QString importer_;
    QString userFolder_;
    QProcess process_;
    QString file_;
    bool cancelled_ = false;
};
