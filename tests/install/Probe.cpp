// A Qt plugin that the installed program loads when started with "-plugin vidoslovprobe":
// once the main window is up it shows Genesis 1:1, prints what the window then shows and
// closes the window, which ends the run. A message box or a hang ends the run with an error.
#include "Kvlabel.h"

#include <QApplication>
#include <QGenericPlugin>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {

void Fail(const QString& why) {
    std::fprintf(stderr, "probe: %s\n", qPrintable(why));
    std::fflush(stderr);
    std::_Exit(2);
}

QWidget* MainWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("fMain"))
            return w;
    return nullptr;
}

void Probe() {
    QWidget* main = MainWindow();
    if (!main)
        Fail(QStringLiteral("no main window"));
    const QList<QSize> sizes = main->windowIcon().availableSizes();
    std::printf("icon:%s%s\n", sizes.contains(QSize(48, 48)) ? " 48" : "",
                sizes.contains(QSize(256, 256)) ? " 256" : "");
    if (!QMetaObject::invokeMethod(main, "ShowReference",
                                   Q_ARG(QString, QStringLiteral("1 MOJ 1:1"))))
        Fail(QStringLiteral("ShowReference cannot be called"));
    const auto* book = main->findChild<QLabel*>(QStringLiteral("LabelKnjiga1"));
    std::printf("book: %s\n", book ? qPrintable(book->text()) : "");
    // The verse label draws its own text; the header gives the inline accessor.
    auto* verse = main->findChild<QWidget*>(QStringLiteral("labela11"));
    if (verse && QLatin1String(verse->metaObject()->className()) == QLatin1String("TKvlabel"))
        std::printf("verse: %s\n", qPrintable(static_cast<TKvlabel*>(verse)->text()));
    std::fflush(stdout);
    main->close();
}

class ProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "probe.json")
public:
    // The application deletes the object returned when it ends.
    QObject* create(const QString&, const QString&) override {
        auto* probe = new QObject;
        // Runs once the event loop has started, after the program made its windows.
        QTimer::singleShot(0, probe, &Probe);
        // An error box would wait for a click for ever.
        auto* watch = new QTimer(probe);
        QObject::connect(watch, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                Fail(QStringLiteral("message: ") + box->text());
        });
        watch->start(100);
        QTimer::singleShot(30000, probe, [] { Fail(QStringLiteral("no answer in 30 s")); });
        return probe;
    }
};

} // namespace

#include "Probe.moc"
