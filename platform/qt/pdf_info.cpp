#include "platform/qt/pdf_info.h"

#include <QRegularExpression>

namespace zel::platform {
namespace {

// A text string as the format wants it for any script: UTF-16 big-endian
// with its byte-order mark, written in hexadecimal.
QByteArray TextString(const QString& text) {
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + ">";
}

// The shortest text of `value` with at most `decimals` decimals.
QByteArray Number(double value, int decimals) {
    QByteArray text = QByteArray::number(value, 'f', decimals);
    if (text.contains('.')) {
        while (text.endsWith('0'))
            text.chop(1);
        if (text.endsWith('.'))
            text.chop(1);
    }
    return text;
}

} // namespace

QByteArray WithExactMediaBox(const QByteArray& chunk, double widthPoints, double heightPoints) {
    if (!chunk.contains("/MediaBox [0 0 "))
        return chunk;
    static const QRegularExpression box(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])");
    const QRegularExpressionMatch match = box.match(QString::fromLatin1(chunk));
    if (!match.hasMatch())
        return chunk;
    const QByteArray top = match.captured(2).toLatin1();
    const qsizetype length = match.capturedLength(0);
    // The bottom edge rises by what the whole points added to the height.
    const double bottom = top.toDouble() - heightPoints;
    for (int decimals = 6; decimals >= 0; --decimals) {
        QByteArray exact = "/MediaBox [0 " + Number(bottom, decimals) + " " +
                           Number(widthPoints, decimals) + " " + Number(top.toDouble(), 6);
        if (exact.size() + 1 > length)
            continue;
        // Blanks between numbers make up the bytes the shorter numbers saved.
        exact += QByteArray(length - exact.size() - 1, ' ') + "]";
        QByteArray patched = chunk;
        patched.replace(match.capturedStart(0), length, exact);
        return patched;
    }
    return chunk;
}

QByteArray WithExactMediaBoxes(QByteArray document, double widthPoints, double heightPoints) {
    static const QByteArray kBox = "/MediaBox [0 0 ";
    for (qsizetype at = document.indexOf(kBox); at >= 0; at = document.indexOf(kBox, at + 1)) {
        const qsizetype end = document.indexOf(']', at);
        if (end < 0)
            break;
        const QByteArray box = document.mid(at, end + 1 - at);
        // Same length: the offsets the writer counted stay right.
        document.replace(at, box.size(), WithExactMediaBox(box, widthPoints, heightPoints));
    }
    return document;
}

QByteArray PdfInfoUpdate(const QByteArray& tail, qint64 size, const TPdfInfo& info) {
    // The last trailer and cross-reference start are the ones in force.
    const qsizetype trailerAt = tail.lastIndexOf("trailer");
    const qsizetype startAt = tail.lastIndexOf("startxref");
    if (trailerAt < 0 || startAt < trailerAt)
        return {};
    const QString trailer = QString::fromLatin1(tail.mid(trailerAt, startAt - trailerAt));
    const QString start = QString::fromLatin1(tail.mid(startAt, 40));
    const QRegularExpressionMatch objectCount =
        QRegularExpression(R"(/Size\s+(\d+))").match(trailer);
    const QRegularExpressionMatch root =
        QRegularExpression(R"(/Root\s+(\d+\s+\d+\s+R))").match(trailer);
    const QRegularExpressionMatch previous =
        QRegularExpression(R"(startxref\s+(\d+))").match(start);
    if (!objectCount.hasMatch() || !root.hasMatch() || !previous.hasMatch())
        return {};

    const QByteArray number = objectCount.captured(1).toLatin1();
    QByteArray update;
    if (!tail.endsWith('\n'))
        update += '\n';
    const qint64 objectAt = size + update.size();
    update += number + " 0 obj\n<<\n/Title " + TextString(info.Title) + "\n/Creator " +
              TextString(info.Creator) + "\n/Producer " + TextString(info.Producer) +
              "\n>>\nendobj\n";
    const qint64 xrefAt = size + update.size();
    // Cross-reference entries are exactly 20 bytes: offset, generation, kind.
    update += "xref\n" + number + " 1\n" + QByteArray::number(objectAt).rightJustified(10, '0') +
              " 00000 n \n";
    update += "trailer\n<<\n/Size " + QByteArray::number(number.toLongLong() + 1) + "\n/Root " +
              root.captured(1).toLatin1() + "\n/Info " + number + " 0 R\n/Prev " +
              previous.captured(1).toLatin1() + "\n>>\nstartxref\n" + QByteArray::number(xrefAt) +
              "\n%%EOF\n";
    return update;
}

} // namespace zel::platform
