#include "UkloniPrevod.h"

#include "ProgramFolder.h"
#include "TranslationList.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

TfUkloniPrevod::TfUkloniPrevod(QWidget* parent)
    : QDialog(parent), importer_(ProgramFolder() + QStringLiteral("vidoslov-uvoz")),
      userFolder_(UserTranslationFolder()) {
    setObjectName(QStringLiteral("fUkloniPrevod"));
    setWindowTitle(QStringLiteral("Ukloni prevod"));
    setMinimumSize(420, 260);
    ListPrevodi = new QListWidget(this);
    ListPrevodi->setObjectName(QStringLiteral("ListPrevodi"));
    LabelPoruka = new QLabel(this);
    LabelPoruka->setObjectName(QStringLiteral("LabelPoruka"));
    LabelPoruka->setWordWrap(true);
    BtnUkloni = new QPushButton(QStringLiteral("Ukloni"), this);
    BtnUkloni->setObjectName(QStringLiteral("BtnUkloni"));
    BtnOtkazi = new QPushButton(QStringLiteral("Otkaži"), this);
    BtnOtkazi->setObjectName(QStringLiteral("BtnOtkazi"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnUkloni);
    buttons->addWidget(BtnOtkazi);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Vaši prevodi:"), this));
    layout->addWidget(ListPrevodi, 1);
    layout->addWidget(LabelPoruka);
    layout->addLayout(buttons);
    connect(BtnUkloni, &QPushButton::clicked, this, [this] {
        if (BtnUkloniClick())
            accept();
    });
    connect(BtnOtkazi, &QPushButton::clicked, this, &QDialog::reject);
}

bool TfUkloniPrevod::FormShow() {
    ListPrevodi->clear();
    LabelPoruka->clear();
    for (const TranslationEntry& entry : ReadTranslationFile(userFolder_)) {
        auto* item = new QListWidgetItem(entry.caption.trimmed(), ListPrevodi);
        item->setData(Qt::UserRole, entry.fileName.trimmed());
    }
    ListPrevodi->setCurrentRow(0);
    BtnUkloni->setEnabled(ListPrevodi->count() > 0);
    if (ListPrevodi->count() == 0)
        LabelPoruka->setText(QStringLiteral("Niste dodali nijedan prevod."));
    return ListPrevodi->count() > 0;
}

bool TfUkloniPrevod::BtnUkloniClick() {
    const QListWidgetItem* item = ListPrevodi->currentItem();
    if (!item)
        return false;
    QProcess remove;
    remove.start(importer_, {QStringLiteral("-d"), userFolder_, QStringLiteral("--remove"),
                             item->data(Qt::UserRole).toString()});
    if (!remove.waitForFinished(60000) || remove.exitStatus() != QProcess::NormalExit ||
        remove.exitCode() != 0) {
        LabelPoruka->setText(QStringLiteral("Prevod nije uklonjen: ") +
                             QString::fromLocal8Bit(remove.readAllStandardError()).trimmed());
        return false;
    }
    emit translationRemoved();
    return true;
}
