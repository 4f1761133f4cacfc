// A window with every control, to look at them by hand: controls_demo [shot.png]
#include "FlatPanel.h"
#include "KvEdit.h"
#include "KvTranBtn.h"
#include "Kvlabel.h"
#include "Pictures.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

namespace {

TMKvTranBtn* Button(QWidget* parent, int x, int y, int w, int h, BStyle border) {
    auto* b = new TMKvTranBtn(parent);
    b->setGeometry(x, y, w, h);
    b->setBorder(border);
    return b;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 420);
    QPalette pal = window.palette();
    pal.setBrush(QPalette::Window, QBrush(BackgroundTile()));
    window.setPalette(pal);
    window.setAutoFillBackground(true);

    auto* bottom = new TFlatPanel(&window);
    bottom->setGeometry(10, 10, 300, 50);
    bottom->setTransparent(true);
    Button(bottom, 4, 5, 40, 40, BsIe)->setBitMap(BackArrowPicture());
    Button(bottom, 48, 5, 40, 40, BsIe)->setBitMap(ForwardArrowPicture());
    Button(bottom, 92, 5, 40, 40, BsIe)->setBitMap(ShowArrowPicture());
    auto* f = Button(bottom, 140, 10, 30, 30, BsNormal);
    f->setCaption(QStringLiteral("F"));
    auto* edit = new TKvEdit(bottom);
    edit->Broj = Ceo;
    edit->setGeometry(180, 14, 50, 22);
    edit->setText(QStringLiteral("12"));
    auto* date = new TKvEdit(bottom);
    date->setGeometry(235, 14, 60, 22);
    date->setText(QStringLiteral("31/12/1999"));
    auto* trazi = Button(&window, 320, 10, 80, 30, BsNormal);
    trazi->setCaption(QStringLiteral("&Tra\u017ei"));
    auto* none = Button(&window, 410, 5, 40, 40, BSnone);
    none->setBitMap(BackArrowPicture());

    auto* column = new TFlatPanel(&window);
    column->setGeometry(10, 70, 300, 330);
    column->setColor(0xE0F0FF);
    column->setColorHighLight(clWhite);
    column->setColorShadow(clWhite);
    auto* verse = new TKvlabel(column);
    verse->move(5, 5);
    verse->Sirina = 270;
    verse->FontTekst.Name = QStringLiteral("Liberation Serif");
    verse->setVrsta(Tekst1);
    verse->setTekst(QStringLiteral("1 U po\u010detku stvori Bog nebo i zemlju. A zemlja "
                                   "be\u0161e bez obli\u010dja i pusta, i be\u0161e tama nad "
                                   "bezdanom; i duh Bo\u017eji diza\u0161e se nad vodom."));
    verse->setOpaqueBackground(0xC0FFFF);
    int x = 5;
    const char* refs[] = {"JOV 1:1,", "PS 33:6,", "JEV 11:3"};
    for (const char* r : refs) {
        auto* ref = new TKvlabel(column);
        ref->move(x, 5 + verse->TextHeight());
        ref->setVrsta(Pok1);
        ref->setTekst(QString::fromLatin1(r));
        x += ref->LineWidth() + 4;
    }
    auto* heading = new TKvlabel(column);
    heading->move(5, 40 + verse->TextHeight());
    heading->setVrsta(Knjiga1);
    heading->setTekst(QStringLiteral("1 MOJ 1 && &2"));

    auto* captioned = new TFlatPanel(&window);
    captioned->setGeometry(320, 60, 200, 40);
    captioned->setCaption(QStringLiteral("Panel natpis"));
    auto* disabled = new TFlatPanel(&window);
    disabled->setGeometry(320, 110, 200, 40);
    disabled->setCaption(QStringLiteral("Isklju\u010den"));
    disabled->setEnabled(false);
    disabled->Alignment = taLeftJustify;

    auto* hand = new QLabel(&window);
    hand->setPixmap(QPixmap::fromImage(HandPicture()));
    hand->setGeometry(410, 160, 217, 300);

    window.show();
    if (argc > 1) {
        QTimer::singleShot(500, [&] {
            window.grab().save(QString::fromLocal8Bit(argv[1]));
            app.quit();
        });
    }
    return app.exec();
}
