// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A parsed Windows Metafile that can be played onto any QPainter: the screen,
// an image, or a printer (where it stays vector).

#include <QByteArray>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <memory>

class QPainter;

namespace wmf {

// What a play did, for tools and tests.
struct PlayReport {
    int played = 0;             // records acted on
    int ignored = 0;            // records of kinds the player leaves alone (escapes, palettes...)
    int malformed = 0;          // records too short for their kind, or with impossible contents
    int badObjectIndices = 0;   // selects and deletes of empty slots
    int unsupportedBitmaps = 0; // bitmaps that could not be decoded
};

class Document {
public:
    // Parses the bytes of a metafile. Returns null when the bytes are not a
    // metafile at all; a damaged file yields a document holding the records
    // before the damage. `error`, when given, receives a description of the
    // damage (empty for a sound file).
    static std::shared_ptr<const Document> parse(const QByteArray& bytes, QString* error = nullptr);
    static std::shared_ptr<const Document> load(const QString& path, QString* error = nullptr);

    // The size the producer meant, in inches.
    QSizeF naturalSizeInches() const;
    // Plays every record, mapping the picture's frame onto `target`
    // (in the painter's current coordinates).
    void play(QPainter& painter, const QRectF& target) const;
    void play(QPainter& painter, const QRectF& target, PlayReport* report) const;

    // The frame in the picture's page units, and how many of those make an inch.
    QRectF frame() const;
    double unitsPerInch() const;
    int recordCount() const;
    // Empty for a sound file; otherwise where and how the file is damaged.
    QString damage() const;

    ~Document();
    struct Data;

private:
    Document();
    std::unique_ptr<Data> d;
};

} // namespace wmf
