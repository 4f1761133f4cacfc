#include "DodajPrevod.h"

#include "ProgramFolder.h"
#include "TranslationList.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The file names a folder's list holds, trimmed.
QStringList ListedFiles(const QString& folder) {
    QStringList names;
    for (const TranslationEntry& entry : ReadTranslationFile(folder))
        names << entry.fileName.trimmed();
    return names;
}

} // namespace

TfDodajPrevod::TfDodajPrevod(QWidget* parent)
    : QDialog(parent), importer_(ProgramFolder() + QStringLiteral("vidoslov-uvoz")),
      userFolder_(UserTranslationFolder()) {
    setObjectName(QStringLiteral("fDodajPrevod"));
    setWindowTitle(QStringLiteral("Dodaj prevod"));
    setMinimumWidth(520);
    ComboModul = new QComboBox(this);
    ComboModul->setObjectName(QStringLiteral("ComboModul"));
    BtnArhiva = new QPushButton(QStringLiteral("Arhiva modula (.zip)…"), this);
    BtnArhiva->setObjectName(QStringLiteral("BtnArhiva"));
    EditNaziv = new QLineEdit(this);
    EditNaziv->setObjectName(QStringLiteral("EditNaziv"));
    EditNaziv->setMaxLength(500);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    LabelPoruka = new QLabel(this);
    LabelPoruka->setObjectName(QStringLiteral("LabelPoruka"));
    LabelPoruka->setWordWrap(true);
    BtnUvezi = new QPushButton(QStringLiteral("Uvezi"), this);
    BtnUvezi->setObjectName(QStringLiteral("BtnUvezi"));
    BtnUvezi->setDefault(true);
    BtnOtkazi = new QPushButton(QStringLiteral("Otkaži"), this);
    BtnOtkazi->setObjectName(QStringLiteral("BtnOtkazi"));

    auto* module = new QHBoxLayout;
    module->addWidget(ComboModul, 1);
    module->addWidget(BtnArhiva);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Modul:"), module);
    form->addRow(QStringLiteral("Naziv:"), EditNaziv);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnUvezi);
    buttons->addWidget(BtnOtkazi);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(ProgressBar1);
    layout->addWidget(LabelPoruka);
    layout->addLayout(buttons);

    connect(BtnArhiva, &QPushButton::clicked, this, &TfDodajPrevod::BtnArhivaClick);
    connect(BtnUvezi, &QPushButton::clicked, this, &TfDodajPrevod::BtnUveziClick);
    connect(BtnOtkazi, &QPushButton::clicked, this, &TfDodajPrevod::BtnOtkaziClick);
    connect(ComboModul, &QComboBox::currentIndexChanged, this, &TfDodajPrevod::ComboModulChange);
    connect(&process_, &QProcess::readyReadStandardOutput, this, &TfDodajPrevod::ReadProgress);
    connect(&process_, &QProcess::finished, this, &TfDodajPrevod::ImportFinished);
}

TfDodajPrevod::~TfDodajPrevod() {
    if (Importing())
        BtnOtkaziClick();
}

bool TfDodajPrevod::Fill(const QStringList& arguments, const QString& archive) {
    QProcess list;
    list.start(importer_, arguments + QStringList{QStringLiteral("--list")});
    list.waitForFinished(60000);
    const QList<ModuleLine> modules =
        ParseModuleLines(QString::fromLocal8Bit(list.readAllStandardOutput()));
    ComboModul->clear();
    ProgressBar1->setValue(0);
    for (const ModuleLine& m : modules)
        ComboModul->addItem(m.name + QStringLiteral(" — ") + m.description,
                            QStringList{m.name, m.description, archive});
    LabelPoruka->setText(modules.isEmpty() ? QStringLiteral("Nema nijednog modula Biblije.")
                                           : QString());
    BtnUvezi->setEnabled(!modules.isEmpty());
    ComboModulChange();
    return !modules.isEmpty();
}

bool TfDodajPrevod::LoadInstalled() {
    return Fill({}, QString());
}

bool TfDodajPrevod::LoadArchive(const QString& archive) {
    return Fill({QStringLiteral("-m"), archive}, archive);
}

void TfDodajPrevod::BtnArhivaClick() {
    const QString archive =
        QFileDialog::getOpenFileName(this, QStringLiteral("Arhiva modula"), QDir::homePath(),
                                     QStringLiteral("SWORD moduli (*.zip)"));
    if (!archive.isEmpty())
        LoadArchive(archive);
}

void TfDodajPrevod::ComboModulChange() {
    const QStringList data = ComboModul->currentData().toStringList();
    EditNaziv->setText(data.size() == 3 ? data[1].left(500) : QString());
}

void TfDodajPrevod::SetBusy(bool busy) {
    ComboModul->setEnabled(!busy);
    BtnArhiva->setEnabled(!busy);
    EditNaziv->setEnabled(!busy);
    BtnUvezi->setEnabled(!busy);
}

void TfDodajPrevod::BtnUveziClick() {
    const QStringList data = ComboModul->currentData().toStringList();
    if (data.size() != 3 || Importing())
        return;
    const QString caption = EditNaziv->text().simplified();
    if (caption.isEmpty()) {
        LabelPoruka->setText(QStringLiteral("Unesite naziv prevoda."));
        return;
    }
    // A name no file of the folder has: a stopped import then takes away only its own.
    QStringList taken = ListedFiles(userFolder_);
    taken += QDir(userFolder_ + QStringLiteral("baza")).entryList(QDir::Files);
    file_ = ProposedFileName(data[0], taken);
    QStringList arguments{QStringLiteral("-d"), userFolder_, QStringLiteral("--progress")};
    if (!data[2].isEmpty())
        arguments << QStringLiteral("-m") << data[2];
    arguments << data[0] << file_ << caption;
    cancelled_ = false;
    ProgressBar1->setValue(0);
    LabelPoruka->setText(QStringLiteral("Uvoz je u toku…"));
    SetBusy(true);
    process_.start(importer_, arguments);
}

void TfDodajPrevod::ReadProgress() {
    while (process_.canReadLine()) {
        const int percent = ProgressOfLine(QString::fromLocal8Bit(process_.readLine()).trimmed());
        if (percent >= 0)
            ProgressBar1->setValue(percent);
    }
}

void TfDodajPrevod::ImportFinished(int exitCode, QProcess::ExitStatus status) {
    SetBusy(false);
    if (!cancelled_ && status == QProcess::NormalExit && exitCode == 0) {
        ProgressBar1->setValue(100);
        LabelPoruka->clear();
        emit translationAdded();
        accept();
        return;
    }
    CleanUp();
    ProgressBar1->setValue(0);
    LabelPoruka->setText(
        cancelled_ ? QStringLiteral("Uvoz je otkazan.")
                   : QStringLiteral("Uvoz nije uspeo: ") +
                         QString::fromLocal8Bit(process_.readAllStandardError()).trimmed());
}

void TfDodajPrevod::BtnOtkaziClick() {
    if (!Importing()) {
        QDialog::reject();
        return;
    }
    cancelled_ = true;
    // The importer stops on the signal and takes away what it wrote.
    process_.terminate();
    if (!process_.waitForFinished(10000)) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

void TfDodajPrevod::reject() {
    BtnOtkaziClick();
}

void TfDodajPrevod::CleanUp() {
    if (file_.isEmpty() || ListedFiles(userFolder_).contains(file_, Qt::CaseInsensitive))
        return;
    const QDir baza(userFolder_ + QStringLiteral("baza"));
    for (const QString& left :
         baza.entryList({file_, file_ + QStringLiteral(".*.part")}, QDir::Files | QDir::Hidden))
        QFile::remove(baza.filePath(left));
}
