#include "platform/pdf_file.h"

#include "platform/qt/painter_canvas.h"
#include "platform/qt/pdf_info.h"
#include "platform/qt/qstring_text.h"
#include "platform/qt/save_target.h"

#include <QIODevice>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <cmath>

namespace zel::platform {

namespace {
// Fine enough that a pixel is a fortieth of a millimetre, so playback adds
// no visible rounding to the recorded positions.
constexpr int kPdfResolution = 1016;
// Passes the document on to the save file as it is written, with each
// page's media box made exact, keeping only its last bytes, where the
// trailer that the information update needs is.
class TTailKeepingDevice : public QIODevice {
public:
    TTailKeepingDevice(QIODevice& target, QSizeF paperPoints)
        : m_Target(target), m_PaperPoints(paperPoints) {}
    const QByteArray& Tail() const { return m_Tail; }
    qint64 Written() const { return m_Written; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        const QByteArray chunk = WithExactMediaBox(QByteArray::fromRawData(data, size),
                                                   m_PaperPoints.width(), m_PaperPoints.height());
        if (m_Target.write(chunk) != size)
            return -1;
        m_Written += size;
        m_Tail.append(chunk);
        if (m_Tail.size() > kTailBytes)
            m_Tail.remove(0, m_Tail.size() - kTailBytes);
        return size;
    }

private:
    static constexpr qsizetype kTailBytes = 4096;
    QIODevice& m_Target;
    QSizeF m_PaperPoints;
    QByteArray m_Tail;
    qint64 m_Written = 0;
};

} // namespace

struct TPdfFile::Impl {
    QString Path;
    QString Title;
    QPageSize PageSize;
    // The save file renames into place only on commit.
    std::unique_ptr<QSaveFile> File;
    std::unique_ptr<TTailKeepingDevice> Device;
    std::unique_ptr<QPdfWriter> Writer;
    std::unique_ptr<QPainter> Painter;
    std::unique_ptr<TPainterCanvas> Canvas;

    void Drop() {
        Canvas.reset();
        if (Painter && Painter->isActive())
            Painter->end();
        Painter.reset();
        Writer.reset();
        Device.reset();
        if (File)
            File->cancelWriting();
        File.reset();
    }
};

TPdfFile::TPdfFile(std::string_view path, TPaperMillimetres paper, std::string_view title)
    : m_Impl(std::make_unique<Impl>()) {
    m_Impl->Path = cp932::ToQString(path);
    m_Impl->Title = cp932::ToQString(title);
    m_Impl->PageSize =
        QPageSize(QSizeF(static_cast<qreal>(paper.Width), static_cast<qreal>(paper.Length)),
                  QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

TPdfFile::~TPdfFile() {
    Abort();
}

bool TPdfFile::Begin() {
    if (m_Impl->Painter || m_Impl->Path.isEmpty() || !m_Impl->PageSize.isValid() ||
        !IsSaveTarget(m_Impl->Path))
        return false;
    // A folder that cannot take the file fails here, before any page is made.
    m_Impl->File = std::make_unique<QSaveFile>(m_Impl->Path);
    m_Impl->Device = std::make_unique<TTailKeepingDevice>(
        *m_Impl->File, m_Impl->PageSize.definitionSize() * (72.0 / 25.4));
    // Unbuffered, so every write the writer makes arrives whole.
    if (!m_Impl->File->open(QIODevice::WriteOnly) ||
        !m_Impl->Device->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        m_Impl->Drop();
        return false;
    }
    m_Impl->Writer = std::make_unique<QPdfWriter>(m_Impl->Device.get());
    m_Impl->Writer->setResolution(kPdfResolution);
    m_Impl->Writer->setPageSize(m_Impl->PageSize);
    m_Impl->Writer->setPageMargins(QMarginsF(0, 0, 0, 0));
    m_Impl->Writer->setTitle(m_Impl->Title);
    m_Impl->Writer->setCreator(QStringLiteral("Zelmark"));
    m_Impl->Painter = std::make_unique<QPainter>();
    if (!m_Impl->Painter->begin(m_Impl->Writer.get())) {
        m_Impl->Drop();
        return false;
    }
    m_Impl->Canvas = std::make_unique<TPainterCanvas>(*m_Impl->Painter, kPdfResolution);
    return true;
}

TCanvas* TPdfFile::Canvas() {
    return m_Impl->Canvas.get();
}

TSize TPdfFile::PageSize() const {
    // From the exact size: the writer's own page is whole points.
    const QSizeF inches = m_Impl->PageSize.definitionSize() / 25.4;
    return {static_cast<int>(std::lround(inches.width() * kPdfResolution)),
            static_cast<int>(std::lround(inches.height() * kPdfResolution))};
}

bool TPdfFile::NewPage() {
    return m_Impl->Writer && m_Impl->Writer->newPage();
}

bool TPdfFile::Finish() {
    if (!m_Impl->Painter)
        return false;
    m_Impl->Canvas.reset();
    const bool drawn = m_Impl->Painter->end();
    m_Impl->Painter.reset();
    m_Impl->Writer.reset();
    const QByteArray info =
        PdfInfoUpdate(m_Impl->Device->Tail(), m_Impl->Device->Written(),
                      {m_Impl->Title, QStringLiteral("Zelmark"), QStringLiteral("Zelmark")});
    const bool written = drawn && m_Impl->File->error() == QFileDevice::NoError &&
                         m_Impl->File->write(info) == info.size() && m_Impl->File->commit();
    m_Impl->Device.reset();
    if (!written)
        m_Impl->File->cancelWriting();
    m_Impl->File.reset();
    return written;
}

void TPdfFile::Abort() {
    m_Impl->Drop();
}

} // namespace zel::platform
