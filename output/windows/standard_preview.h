#pragma once
// TQRStandardPreview: the preview window. A toolbar for zoom, paging,
// printing, printer setup, saving and loading, the preview control, and a
// status bar with the progress and "page n / count". It is not modal: the
// main window stays usable, so several previews can be open, each on its
// own report printer.

#include "output/preview_interface.h"

#include <QWidget>
#include <string>

class QAction;
class QActionGroup;
class QLabel;
class QProgressBar;
class QToolBar;
class QToolButton;

namespace zel {

class TQRPrinter;
class TQRPreview;

class TQRStandardPreview : public QWidget, public TQRPreviewForm {
    Q_OBJECT
public:
    // Owner nullptr makes a top-level window of the application.
    TQRStandardPreview(QWidget* owner, TQRPrinter& printer);
    ~TQRStandardPreview() override;

    // The printer shown; none once the window has closed.
    TQRPrinter* QRPrinter() const { return m_QRPrinter; }
    TQRPreview& QRPreview() const { return *m_QRPreview; }
    // Status bar panels: 0 progress, 1 page status (code page 932).
    std::string PanelText(int panel) const;

    void ZoomToFitClick();
    void ZoomTo100Click();
    void ZoomToWidthClick();
    void FirstPageClick();
    void PrevPageClick();
    void NextPageClick();
    void LastPageClick();
    void PrintClick();
    void PrintSetupClick();
    void SaveClick();
    void LoadClick();
    void ExitClick();
    void UpdatePageStatus();

    QAction* ZoomFit = nullptr;
    QAction* Zoom100 = nullptr;
    QAction* ZoomToWidth = nullptr;
    QAction* FirstPage = nullptr;
    QAction* PreviousPage = nullptr;
    QAction* NextPage = nullptr;
    QAction* LastPage = nullptr;
    QAction* PrintSetup = nullptr;
    QAction* Print = nullptr;
    QAction* SaveReport = nullptr;
    QAction* LoadReport = nullptr;
    QToolButton* ExitButton = nullptr;
    QToolBar* ToolBar = nullptr;
    // Beside the progress panel while a run goes on: busy while its total
    // is unknown, the percentage once the run reports one.
    QProgressBar* StatusGauge = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildToolBar();
    QWidget* BuildStatusBar();
    QAction* AddButton(int glyph, const char* hint, void (TQRStandardPreview::*click)());
    void QRPreviewPageAvailable(int pageNumber);
    void QRPreviewProgressUpdate(int progress);
    // Save, load and print need the run to be over: pages still being
    // drawn are neither a complete file nor to be replaced under the run.
    void EnableFinishedCommands();
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    // Detaches the printer and tells its report; nothing afterwards may
    // touch the printer, which the report may have released.
    void FormClose();

    TQRPrinter* m_QRPrinter;
    TQRPreview* m_QRPreview = nullptr;
    QLabel* m_ProgressPanel = nullptr;
    QLabel* m_PagePanel = nullptr;
    int m_LastProgress = 0;
    bool m_ProgressReported = false;
};

// Opens TQRStandardPreview for a report printer.
class TQRStandardPreviewInterface : public TQRPreviewInterface {
public:
    TQRPreviewForm* Show(TQRPrinter& printer) override;
    // Returns when the window has closed, and then nothing: the window is
    // gone.
    TQRPreviewForm* ShowModal(TQRPrinter& printer) override;
};

} // namespace zel
