#include "platform/wmf/wmfdocument.h"

#include <QFile>

namespace wmf {

struct Document::Data {
    QSizeF sizeInches;
};

Document::Document() : d(std::make_unique<Data>()) {}
Document::~Document() = default;

std::shared_ptr<const Document> Document::parse(const QByteArray& bytes, QString* error) {
    if (error)
        error->clear();
    if (bytes.size() < 18)
        return nullptr;
    return std::shared_ptr<const Document>(new Document());
}

std::shared_ptr<const Document> Document::load(const QString& path, QString* error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return nullptr;
    return parse(f.readAll(), error);
}

QSizeF Document::naturalSizeInches() const { return d->sizeInches; }

void Document::play(QPainter&, const QRectF&) const {}

} // namespace wmf
