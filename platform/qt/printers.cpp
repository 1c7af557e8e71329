#include "platform/printers.h"

#include "platform/qt/painter_canvas.h"
#include "platform/qt/paper_codes.h"
#include "platform/qt/pdf_info.h"
#include "platform/qt/qstring_text.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryFile>
#include <algorithm>
#include <cmath>
#include <fcntl.h>
#include <iterator>
#include <unistd.h>

namespace zel::platform {
namespace {

// The print support needs the application object; without one there are
// no printers.
bool HavePrintSupport() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

QStringList SortedPrinterNames() {
    if (!HavePrintSupport())
        return {};
    QStringList names = QPrinterInfo::availablePrinterNames();
    names.sort();
    return names;
}

// Paper-source codes and Qt's sources, row by row; a code reads back by its
// first row.
struct TSource {
    int Code;
    QPrinter::PaperSource Qt;
};
constexpr TSource kSources[] = {
    {1, QPrinter::OnlyOne},      {2, QPrinter::Lower},          {3, QPrinter::Middle},
    {4, QPrinter::Manual},       {5, QPrinter::Envelope},       {6, QPrinter::EnvelopeManual},
    {7, QPrinter::Auto},         {8, QPrinter::Tractor},        {9, QPrinter::SmallFormat},
    {10, QPrinter::LargeFormat}, {11, QPrinter::LargeCapacity}, {14, QPrinter::Cassette},
    {15, QPrinter::FormSource},
};

// The spooler's names of the paper sources; the device's own choice (Auto)
// and sources it has no name for send none.
QString MediaSourceOf(QPrinter::PaperSource source) {
    switch (source) {
    case QPrinter::Lower:
        return QStringLiteral("bottom");
    case QPrinter::Middle:
        return QStringLiteral("middle");
    case QPrinter::Manual:
        return QStringLiteral("manual");
    case QPrinter::Envelope:
        return QStringLiteral("envelope");
    case QPrinter::EnvelopeManual:
        return QStringLiteral("by-pass-tray");
    case QPrinter::LargeCapacity:
        return QStringLiteral("large-capacity");
    case QPrinter::OnlyOne:
        return QStringLiteral("main");
    default:
        return {};
    }
}

QPrinter::PaperSource SourceOfCode(int code) {
    for (const TSource& s : kSources)
        if (s.Code == code)
            return s.Qt;
    return QPrinter::Auto;
}

QPrinter::DuplexMode DuplexOfCode(int code) {
    switch (code) {
    case kDuplexVertical:
        return QPrinter::DuplexLongSide;
    case kDuplexHorizontal:
        return QPrinter::DuplexShortSide;
    default:
        return QPrinter::DuplexNone;
    }
}

int CodeOfDuplex(QPrinter::DuplexMode mode) {
    switch (mode) {
    case QPrinter::DuplexLongSide:
        return kDuplexVertical;
    case QPrinter::DuplexShortSide:
        return kDuplexHorizontal;
    default:
        return kDuplexSimplex;
    }
}

int Round(qreal v) {
    return static_cast<int>(std::lround(v));
}

bool SameDimensions(const QPageSize& a, const QPageSize& b) {
    const QSizeF x = a.size(QPageSize::Millimeter);
    const QSizeF y = b.size(QPageSize::Millimeter);
    // Drivers give their sizes in whole points: half a millimetre apart.
    return std::abs(x.width() - y.width()) < 1.0 && std::abs(x.height() - y.height()) < 1.0;
}

// What the job asks the queue for as its paper: the queue's own keyword for
// a paper of these dimensions (drivers name JIS B5 "B5", "B5-JIS", "JB5",
// ...), else a custom size of these dimensions when the queue takes one,
// else Qt's name, which the queue maps to what it has.
QString MediaOf(const QPrinterInfo& info, const QPageSize& paper) {
    for (const QPageSize& offered : info.supportedPageSizes())
        if (SameDimensions(offered, paper))
            return offered.key();
    // The spooler cuts a custom size down to whole points; the nearest ones
    // come closer to JIS B5 (516 x 729, as drivers name it).
    if (info.supportsCustomPageSizes()) {
        const QSizeF points = paper.size(QPageSize::Point);
        return QStringLiteral("Custom.%1x%2")
            .arg(Round(points.width()))
            .arg(Round(points.height()));
    }
    return paper.key();
}

// Qt writes each page's media box in whole points; the box is made exact
// in place, so a driver that takes the exact size prints on exactly it.
bool MakeMediaBoxesExact(const QString& path, const QPageLayout& layout) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const QSizeF points = layout.fullRect(QPageLayout::Point).size();
    const QByteArray document =
        WithExactMediaBoxes(file.readAll(), points.width(), points.height());
    return file.seek(0) && file.write(document) == document.size();
}

// The file a job is drawn into before it goes to the spooler: without a
// name where the system allows it (reached through /proc/self/fd), so that
// a process killed while printing leaves nothing behind; a named temporary
// file elsewhere.
class TJobFile {
public:
    TJobFile() = default;
    TJobFile(const TJobFile&) = delete;
    TJobFile& operator=(const TJobFile&) = delete;
    ~TJobFile() { Release(); }

    bool Create() {
        Release();
        m_Fd = ::open(QFile::encodeName(QDir::tempPath()).constData(),
                      O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
        if (m_Fd >= 0) {
            m_Path = QStringLiteral("/proc/self/fd/%1").arg(m_Fd);
            if (QFile::exists(m_Path))
                return true;
            Release();
        }
        QTemporaryFile file(QDir::temp().filePath("zelmark-job-XXXXXX.prn"));
        file.setAutoRemove(false);
        if (!file.open())
            return false;
        m_Path = file.fileName();
        return true;
    }
    const QString& Path() const { return m_Path; }
    void Release() {
        if (m_Fd >= 0)
            ::close(m_Fd);
        else if (!m_Path.isEmpty())
            QFile::remove(m_Path);
        m_Fd = -1;
        m_Path.clear();
    }

private:
    int m_Fd = -1;
    QString m_Path;
};

} // namespace

std::vector<std::string> PrinterNames() {
    std::vector<std::string> names;
    for (const QString& name : SortedPrinterNames())
        names.push_back(cp932::FromQString(name));
    return names;
}

int DefaultPrinterIndex() {
    const QStringList names = SortedPrinterNames();
    if (names.isEmpty())
        return -1;
    const int index = static_cast<int>(names.indexOf(QPrinterInfo::defaultPrinterName()));
    return index < 0 ? 0 : index;
}

struct TPrinter::Impl {
    int Index = -1;
    QPrinterInfo Info;
    TDeviceSettings Settings;
    std::unique_ptr<QPrinter> Device;
    std::unique_ptr<QPainter> Painter;
    std::unique_ptr<TPainterCanvas> Canvas;
    TJobFile JobFile;

    void Select(int index) {
        const QStringList names = SortedPrinterNames();
        if (names.isEmpty()) {
            Index = -1;
            Info = QPrinterInfo();
            Device.reset();
            return;
        }
        Index = index < 0 ? DefaultPrinterIndex() : index;
        Info = QPrinterInfo::printerInfo(names.at(Index));
        Device = std::make_unique<QPrinter>(Info, QPrinter::HighResolution);
        Reset();
    }

    // The driver's defaults: its default paper, portrait, one copy.
    void Reset() {
        TDeviceSettings s;
        s.Fields = dmOrientation | dmPaperSize | dmCopies | dmDefaultSource | dmCollate;
        if (Info.supportedDuplexModes().size() > 1)
            s.Fields |= dmDuplex;
        if (Info.supportsCustomPageSizes())
            s.Fields |= dmPaperLength | dmPaperWidth;
        const QPageSize paper = Info.defaultPageSize();
        if (const auto code = CodeOfPageSize(paper)) {
            s.PaperSize = *code;
        } else if (paper.isValid()) {
            const QSizeF mm = paper.size(QPageSize::Millimeter);
            s.PaperSize = kPaperUser;
            s.PaperWidth = Round(mm.width() * 10);
            s.PaperLength = Round(mm.height() * 10);
        }
        s.Duplex = CodeOfDuplex(Info.defaultDuplexMode());
        Settings = s;
        Apply();
    }

    // Hands the settings record to the device; fields it does not take
    // keep the device's own value.
    void Apply() {
        if (!Device)
            return;
        QPageSize paper;
        if (Settings.PaperSize == kPaperUser) {
            if ((Settings.Fields & (dmPaperLength | dmPaperWidth)) != 0 &&
                Settings.PaperWidth > 0 && Settings.PaperLength > 0)
                paper = QPageSize(QSizeF(Settings.PaperWidth / 10.0, Settings.PaperLength / 10.0),
                                  QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
        } else if (const auto size = PageSizeOfCode(Settings.PaperSize)) {
            paper = *size;
        }
        if (paper.isValid() && (Settings.Fields & dmPaperSize) != 0)
            Device->setPageSize(paper);
        if ((Settings.Fields & dmOrientation) != 0)
            Device->setPageOrientation(Settings.Orientation == kOrientationLandscape
                                           ? QPageLayout::Landscape
                                           : QPageLayout::Portrait);
        // The page is the printable area: its top-left corner is the
        // printing offset, as the report's positions expect.
        const QPageLayout layout = Device->pageLayout();
        Device->setPageMargins(layout.minimumMargins(), layout.units());
        Device->setFullPage(false);
        if ((Settings.Fields & dmCopies) != 0)
            Device->setCopyCount(std::max(1, Settings.Copies));
        if ((Settings.Fields & dmCollate) != 0)
            Device->setCollateCopies(Settings.Collate);
        if ((Settings.Fields & dmDefaultSource) != 0)
            Device->setPaperSource(SourceOfCode(Settings.DefaultSource & 0xFF));
        if ((Settings.Fields & dmDuplex) != 0)
            Device->setDuplex(DuplexOfCode(Settings.Duplex));
    }

    // Hands the finished job file to the queue with the options the
    // settings ask for.
    bool Submit(const QString& title) const {
        const QPageLayout layout = Device->pageLayout();
        QStringList arguments{"-d", Info.printerName(), "-t", title.isEmpty() ? "Zelmark" : title,
                              "-o", "media=" + MediaOf(Info, layout.pageSize()),
                              // No filter fits, centres or crops the page: the
                              // texts must land where they were placed.
                              "-o", "print-scaling=none"};
        if (Device->copyCount() > 1)
            arguments << "-n" << QString::number(Device->copyCount()) << "-o"
                      << (Device->collateCopies() ? "collate=true" : "collate=false");
        if (const QString source = MediaSourceOf(Device->paperSource()); !source.isEmpty())
            arguments << "-o"
                      << "media-source=" + source;
        switch (Device->duplex()) {
        case QPrinter::DuplexLongSide:
            arguments << "-o"
                      << "sides=two-sided-long-edge";
            break;
        case QPrinter::DuplexShortSide:
            arguments << "-o"
                      << "sides=two-sided-short-edge";
            break;
        default:
            arguments << "-o"
                      << "sides=one-sided";
            break;
        }
        if (layout.orientation() == QPageLayout::Landscape)
            arguments << "-o"
                      << "landscape";
        // On standard input: the file may have no name another process can open.
        QProcess lp;
        lp.setStandardInputFile(JobFile.Path());
        lp.start("lp", arguments);
        return lp.waitForFinished(60000) && lp.exitStatus() == QProcess::NormalExit &&
               lp.exitCode() == 0;
    }

    void EndPainting() {
        Canvas.reset();
        if (Painter && Painter->isActive())
            Painter->end();
        Painter.reset();
    }
};

TPrinter::TPrinter() : m_Impl(std::make_unique<Impl>()) {
    m_Impl->Select(-1);
}

TPrinter::~TPrinter() {
    if (Printing())
        Abort();
}

int TPrinter::PrinterIndex() const {
    return m_Impl->Index;
}

void TPrinter::SetPrinterIndex(int index) {
    if (Printing() || index < -1 || index >= static_cast<int>(SortedPrinterNames().size()))
        return;
    m_Impl->Select(index);
}

std::string TPrinter::DeviceName() const {
    return cp932::FromQString(m_Impl->Info.printerName());
}
std::string TPrinter::DriverName() const {
    return cp932::FromQString(m_Impl->Info.makeAndModel());
}

const TDeviceSettings& TPrinter::DeviceSettings() const {
    return m_Impl->Settings;
}

void TPrinter::SetDeviceSettings(const TDeviceSettings& settings) {
    if (Printing())
        return;
    m_Impl->Settings = settings;
    m_Impl->Apply();
}

void TPrinter::ResetDeviceSettings() {
    if (!Printing() && m_Impl->Device)
        m_Impl->Reset();
}

std::optional<std::vector<std::int16_t>> TPrinter::PaperCodes() const {
    if (!m_Impl->Device)
        return std::nullopt;
    const QList<QPageSize> sizes = m_Impl->Info.supportedPageSizes();
    if (sizes.isEmpty())
        return std::nullopt;
    std::vector<std::int16_t> codes;
    for (const QPageSize& size : sizes)
        if (const auto code = CodeOfPageSize(size))
            if (std::find(codes.begin(), codes.end(), *code) == codes.end())
                codes.push_back(static_cast<std::int16_t>(*code));
    std::sort(codes.begin(), codes.end());
    return codes;
}

TSize TPrinter::PixelsPerInch() const {
    if (!m_Impl->Device)
        return {};
    const int dpi = m_Impl->Device->resolution();
    return {dpi, dpi};
}

TPoint TPrinter::PrintingOffset() const {
    if (!m_Impl->Device)
        return {};
    const QRectF page = m_Impl->Device->pageRect(QPrinter::DevicePixel);
    return {Round(page.left()), Round(page.top())};
}

TSize TPrinter::PhysicalPageSize() const {
    if (!m_Impl->Device)
        return {};
    const QRectF paper = m_Impl->Device->paperRect(QPrinter::DevicePixel);
    return {Round(paper.width()), Round(paper.height())};
}

TSize TPrinter::PageSize() const {
    if (!m_Impl->Device)
        return {};
    const QRectF page = m_Impl->Device->pageRect(QPrinter::DevicePixel);
    return {Round(page.width()), Round(page.height())};
}

bool TPrinter::BeginDoc() {
    if (!m_Impl->Device || Printing())
        return false;
    // The job is drawn into a file of its own and handed to the spooler
    // only when it ends, so that an aborted job never reaches the queue
    // (the spooler engine would send it as soon as painting stops).
    if (!m_Impl->JobFile.Create())
        return false;
    m_Impl->Apply();
    m_Impl->Device->setDocName(cp932::ToQString(m_Title));
    m_Impl->Device->setOutputFileName(m_Impl->JobFile.Path());
    m_Impl->Painter = std::make_unique<QPainter>();
    if (!m_Impl->Painter->begin(m_Impl->Device.get())) {
        m_Impl->Painter.reset();
        m_Impl->JobFile.Release();
        return false;
    }
    m_Impl->Canvas =
        std::make_unique<TPainterCanvas>(*m_Impl->Painter, m_Impl->Device->resolution());
    return true;
}

bool TPrinter::NewPage() {
    return Printing() && m_Impl->Device->newPage();
}

bool TPrinter::EndDoc() {
    if (!Printing())
        return false;
    m_Impl->Canvas.reset();
    const bool drawn = m_Impl->Painter->end() &&
                       m_Impl->Device->printerState() != QPrinter::Error &&
                       MakeMediaBoxesExact(m_Impl->JobFile.Path(), m_Impl->Device->pageLayout());
    m_Impl->Painter.reset();
    const bool sent = drawn && m_Impl->Submit(cp932::ToQString(m_Title));
    m_Impl->JobFile.Release();
    return sent;
}

void TPrinter::Abort() {
    if (!Printing())
        return;
    m_Impl->EndPainting();
    m_Impl->JobFile.Release();
}

bool TPrinter::Paused() const {
    if (m_Impl->Index < 0)
        return false;
    // Asked anew: the queue may have been stopped since it was selected.
    // A stopped queue is the one state the spooler reports as an error.
    return QPrinterInfo::printerInfo(m_Impl->Info.printerName()).state() == QPrinter::Error;
}

bool TPrinter::Printing() const {
    return m_Impl->Painter && m_Impl->Painter->isActive();
}

TCanvas* TPrinter::Canvas() {
    return Printing() ? m_Impl->Canvas.get() : nullptr;
}

} // namespace zel::platform
