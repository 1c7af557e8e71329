#pragma once
// Amends a finished PDF's document information by an incremental update:
// a new information dictionary, a cross-reference section for it and a
// trailer that points back to the original one. The original bytes stay
// as they are, as the format intends for changes after the fact.

#include <QByteArray>
#include <QString>

namespace zel::platform {

struct TPdfInfo {
    QString Title;
    QString Producer;
    QString Creator;
};

// The update to append to a document of `size` bytes whose last bytes are
// `tail`; empty when the trailer cannot be found in them (the document is
// then left as it is).
QByteArray PdfInfoUpdate(const QByteArray& tail, qint64 size, const TPdfInfo& info);

// Qt's writer gives each page a media box of whole points, "[0 0 516.000000
// 729.000000]" for JIS B5, while the pages are drawn from the top edge
// down. The box is rewritten in place to the exact width and height, with
// the same top edge and in the same number of bytes, so the offsets the
// writer counted stay right. A chunk without a whole box comes back as is.
QByteArray WithExactMediaBox(const QByteArray& chunk, double widthPoints, double heightPoints);
// The same for every page of a whole document.
QByteArray WithExactMediaBoxes(QByteArray document, double widthPoints, double heightPoints);

} // namespace zel::platform
