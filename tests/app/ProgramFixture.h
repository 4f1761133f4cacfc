#pragma once

#include "Kvlabel.h"
#include "MainWindow.h"
#include "Messages.h"
#include "Program.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// A control of a window by its object name, without regard to letter case.
inline QObject* FindComponent(const QObject* window, const QString& name) {
    for (QObject* child : window->findChildren<QObject*>())
        if (child->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return child;
    return nullptr;
}

// The whole program over a program folder of test translation files, with messages captured.
struct ProgramFixture {
    QTemporaryDir dir_;
    QString folder_;
    std::unique_ptr<TProgram> program_;
    QStringList messages_;

    // Makes the folder with its baza/ and starts capturing messages.
    void prepareFolder() {
        QVERIFY(dir_.isValid());
        folder_ = dir_.path() + QLatin1Char('/');
        QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("baza")));
        // Whatever a test keeps stays out of the developer's own settings.
        qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("config")).toUtf8());
        SetMessageHandler([this](const QString& text) { messages_ << text; });
    }
    void startProgram() {
        messages_.clear();
        program_ = std::make_unique<TProgram>(folder_);
        m()->show();
        QVERIFY(QTest::qWaitForWindowActive(m()));
    }

    TfMain* m() const { return program_->fMain.get(); }
    TKvlabel* label(int pane, int k) const {
        return m()->Layout().Labels.Find(QStringLiteral("labela%1%2").arg(pane).arg(k));
    }
    QColor bookColor(int pane) const {
        return m()->BookLabel(pane)->palette().color(QPalette::WindowText);
    }
};
