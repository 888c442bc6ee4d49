// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wmf/wmfdocument.h"

#include "platform/wmf/wmfdocumentdata.h"
#include "platform/wmf/wmfplayer.h"
#include "platform/wmf/wmfreader.h"

#include <QFile>
#include <QPainter>

namespace wmf {

namespace {

bool isDrawing(quint16 function) {
    switch (function) {
    case LINETO:
    case POLYGON:
    case POLYLINE:
    case POLYPOLYGON:
    case RECTANGLE:
    case ROUNDRECT:
    case ELLIPSE:
    case ARC:
    case PIE:
    case CHORD:
    case SETPIXEL:
    case TEXTOUT:
    case EXTTEXTOUT:
    case PATBLT:
    case BITBLT:
    case STRETCHBLT:
    case DIBBITBLT:
    case DIBSTRETCHBLT:
    case STRETCHDIB:
    case SETDIBTODEV:
    case FILLREGION:
    case PAINTREGION:
    case FRAMEREGION:
        return true;
    }
    return false;
}

// Without a placeable header the frame is the window (or the viewport it is
// mapped onto) that the file sets up before it draws.
bool frameFromSetup(const Document::Data& d, QRectF& frame) {
    int mode = MM_TEXT;
    QPointF windowOrg, viewportOrg;
    QPointF windowExt, viewportExt;
    const uchar* base = reinterpret_cast<const uchar*>(d.bytes.constData());
    for (const Record& r : d.layout.records) {
        if (isDrawing(r.function))
            break;
        Reader in(base + r.offset, r.size);
        switch (r.function) {
        case SETMAPMODE:
            mode = in.i16();
            break;
        case SETWINDOWORG:
        case SETWINDOWEXT:
        case SETVIEWPORTORG:
        case SETVIEWPORTEXT: {
            const qint16 y = in.i16(), x = in.i16();
            if (!in.ok())
                break;
            const QPointF p(x, y);
            if (r.function == SETWINDOWORG)
                windowOrg = p;
            else if (r.function == SETWINDOWEXT)
                windowExt = p;
            else if (r.function == SETVIEWPORTORG)
                viewportOrg = p;
            else
                viewportExt = p;
            break;
        }
        }
    }
    if (mode != MM_TEXT && mode != MM_ISOTROPIC && mode != MM_ANISOTROPIC)
        return false;
    if (!viewportExt.isNull() && viewportExt.x() != 0 && viewportExt.y() != 0)
        frame = QRectF(viewportOrg, QSizeF(viewportExt.x(), viewportExt.y())).normalized();
    else if (windowExt.x() != 0 && windowExt.y() != 0)
        frame = QRectF(windowOrg, QSizeF(windowExt.x(), windowExt.y())).normalized();
    else
        return false;
    return true;
}

// Maps the frame onto the target rectangle.
QTransform frameToTarget(const QRectF& frame, const QRectF& target) {
    return QTransform::fromTranslate(-frame.left(), -frame.top()) *
           QTransform::fromScale(target.width() / frame.width(), target.height() / frame.height()) *
           QTransform::fromTranslate(target.left(), target.top());
}

} // namespace

Document::Document() : d(std::make_unique<Data>()) {}
Document::~Document() = default;

std::shared_ptr<const Document> Document::parse(const QByteArray& bytes, QString* error) {
    if (error)
        error->clear();
    std::shared_ptr<Document> doc(new Document());
    Data& data = *doc->d;
    data.bytes = bytes;
    if (!splitRecords(data.bytes, data.layout, data.damage)) {
        if (error)
            *error = data.damage.isEmpty() ? QStringLiteral("not a Windows Metafile") : data.damage;
        return nullptr;
    }
    if (error)
        *error = data.damage;

    const FileLayout& layout = data.layout;
    if (layout.placeable && layout.bounds.width() != 0 && layout.bounds.height() != 0) {
        data.frame = QRectF(layout.bounds).normalized();
        // Zero units per inch would make the size infinite: take twips.
        data.unitsPerInch = layout.unitsPerInch > 0 ? layout.unitsPerInch : 1440;
    } else if (frameFromSetup(data, data.frame)) {
        data.unitsPerInch = 96; // a logical unit is a pixel
    } else {
        // Fixed mapping modes or no setup at all: measure what is drawn.
        data.unitsPerInch = layout.placeable && layout.unitsPerInch > 0 ? layout.unitsPerInch : 96;
        data.frameMeasured = true;
        Player measure(data, nullptr, QTransform(), 1, nullptr);
        measure.run();
        data.frame = measure.bounds();
        if (data.frame.width() <= 0 || data.frame.height() <= 0)
            data.frame = QRectF(data.frame.topLeft(), QSizeF(1, 1));
    }
    return doc;
}

std::shared_ptr<const Document> Document::load(const QString& path, QString* error) {
    QFile f(path);
    if (f.size() > kMaxFileBytes || !f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = f.size() > kMaxFileBytes ? QStringLiteral("file too large") : f.errorString();
        return nullptr;
    }
    return parse(f.readAll(), error);
}

QSizeF Document::naturalSizeInches() const {
    return d->frame.size() / d->unitsPerInch;
}

QRectF Document::frame() const {
    return d->frame;
}
double Document::unitsPerInch() const {
    return d->unitsPerInch;
}
int Document::recordCount() const {
    return int(d->layout.records.size());
}
QString Document::damage() const {
    return d->damage;
}

void Document::play(QPainter& painter, const QRectF& target) const {
    play(painter, target, nullptr);
}

void Document::play(QPainter& painter, const QRectF& target, PlayReport* report) const {
    if (!painter.isActive() || !(target.width() > 0) || !(target.height() > 0) ||
        d->frame.isEmpty())
        return;
    const QTransform toTarget = frameToTarget(d->frame, target);
    // One pixel of the picture at its natural size, in the painter's units.
    const double pixel = target.width() / (naturalSizeInches().width() * 96);
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    Player player(*d, &painter, toTarget, pixel, report);
    player.run();
    painter.restore();
}

} // namespace wmf
