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

} // namespace zel::platform
