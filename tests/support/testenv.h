// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test doubles for the outside world and a fresh-run fixture, so tests see what was played,
// said and ended.

#include "common/sharedstate.h"
#include "platform/appwindow.h"
#include "platform/mediapaths.h"
#include "platform/screenregistry.h"
#include "platform/services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

namespace testenv {

struct RecordingSound : platform::SoundPlayer {
    QStringList played;
    void play(const QString& path) override { played << path; }
};

struct ScriptedMessages : platform::Messages {
    QStringList said;
    QList<bool> answers; // answers to OK/Cancel boxes, in order; OK when empty
    void ok(const QString& text, const QString&) override { said << text; }
    bool okCancel(const QString& text, const QString&) override {
        said << text;
        return answers.isEmpty() ? true : answers.takeFirst();
    }
};

// Installs the doubles, empties the shared state and points the content folder at a fresh
// copy of the shipped topic and activity files; undone on destruction.
class Fixture {
public:
    Fixture() {
        common::resetState();
        platform::setSoundPlayer(&sound);
        platform::setMessages(&messages);
        platform::setEndProgram([this] { ++ended; });
        platform::setContentRoot(content.path());
        for (const QString folder : {"topics", "activities"}) {
            const QDir from(QStringLiteral(CORVELLA_SOURCE_MEDIA "/") + folder);
            QDir().mkpath(content.filePath(folder));
            for (const QString& name : from.entryList(QDir::Files))
                QFile::copy(from.filePath(name), content.filePath(folder + '/' + name));
        }
    }
    ~Fixture() {
        platform::ScreenRegistry::instance().unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform::setSoundPlayer(nullptr);
        platform::setMessages(nullptr);
        platform::setEndProgram(nullptr);
        platform::setPrinterFactory(nullptr);
        platform::setPdfPrinterFactory(nullptr);
        platform::setSavedPagesFolder(QString());
    }

    // Writes and reads a content file ("multiple/track.txt").
    void write(const QString& contentPath, const QByteArray& bytes) {
        QString rel = contentPath;
        rel.replace('\\', '/');
        const QString file = content.filePath(rel);
        QDir().mkpath(QFileInfo(file).path());
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }

    QByteArray read(const QString& relativePath) {
        QFile f(content.filePath(relativePath));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

    // Lets posted events (deferred deletes, queued calls) run.
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QTemporaryDir content;
    RecordingSound sound;
    ScriptedMessages messages;
    int ended = 0;
};

inline QString frontScreenName() {
    const platform::Screen* front = platform::AppWindow::instance().frontScreen();
    return front ? front->name() : QString();
}

} // namespace testenv
