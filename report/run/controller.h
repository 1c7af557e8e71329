#pragma once
// TQRController: walks the records of one level of a report. The report's
// own controller asks for the records of the detail band and prints the
// title and summary around them; controllers under it (sub-details) run
// once per record of their master, before or after its detail band. A
// controller also keeps the groups hanging under its host and the
// expression labels that count its records.

#include "report/controls/qr_component.h"
#include "report/expressions/evaluator.h"
#include "report/expressions/navigable_data_set.h"

#include <functional>
#include <memory>
#include <vector>

namespace zel {

class TCustomPagettaRep;
class TQRCustomBand;
class TQRExpr;
class TQRGroup;

class TQRController : public TQRComponent {
public:
    using TQROnNeedDataEvent = std::function<void(TQRComponent& sender, bool& moreData)>;

    TQRController();
    ~TQRController() override;

    // What this controller works for: the report, or a sub-detail band. It
    // is the sender of OnNeedData and what sub-controllers and groups name
    // as their master.
    TQRComponent* Host() const { return m_Host; }
    void SetHost(TQRComponent* host) { m_Host = host; }
    // Only a report, a controller or a controller band; others are ignored.
    TQRComponent* Master() const { return m_Master; }
    void SetMaster(TQRComponent* master);
    TCustomPagettaRep* ParentReport() const { return m_ParentReport; }
    void SetParentReport(TCustomPagettaRep* report) { m_ParentReport = report; }
    TQRNavigableDataSet* DataSet() const { return m_DataSet; }
    void SetDataSet(TQRNavigableDataSet* dataSet) { m_DataSet = dataSet; }
    TQRCustomBand* Header() const { return m_Header; }
    void SetHeader(TQRCustomBand* band) { m_Header = band; }
    TQRCustomBand* Detail() const { return m_Detail; }
    void SetDetail(TQRCustomBand* band) { m_Detail = band; }
    TQRCustomBand* Footer() const { return m_Footer; }
    void SetFooter(TQRCustomBand* band) { m_Footer = band; }
    bool PrintIfEmpty() const { return m_PrintIfEmpty; }
    void SetPrintIfEmpty(bool print) { m_PrintIfEmpty = print; }
    bool PrintBefore() const { return m_PrintBefore; }
    void SetPrintBefore(bool before) { m_PrintBefore = before; }
    // Records printed in the current run.
    int DetailNumber() const { return m_DetailNumber; }

    TQROnNeedDataEvent OnNeedData;

    // Before a run: collects the sub-controllers and groups hanging under
    // the host, from the components of the report's owner and then of the
    // report, recursively.
    void Prepare();
    // Prepares the groups' expressions, recursively.
    void PrepareGroups();
    void Unprepare();
    // Prints this level: header, the records with their groups and
    // sub-controllers, footer.
    void Execute();
    // One set of bands with whatever the controls show, for a level
    // without records that prints anyway.
    void PrintEmpty();
    // A new column began: groups that asked for it print their headers again.
    void ReprintGroups();

    // Expression labels that count this controller's records.
    void RegisterExpression(TQRExpr* expression);
    void UnregisterExpression(TQRExpr* expression);
    // Every registered expression takes the current record into account.
    void UpdateExpressions();

    const std::vector<TQRController*>& BeforeList() const { return m_BeforeList; }
    const std::vector<TQRController*>& AfterList() const { return m_AfterList; }
    std::vector<TQRGroup*> Groups() const;
    // The controller in this tree that works for `host`; none when no
    // controller does.
    TQRController* ControllerOf(const TQRComponent* host);

protected:
    void Notification(TQRComponent* component) override;

private:
    struct TGroupState;

    bool DataSetUsable() const;
    void ScanForChildren(TQRComponent& container);
    void AddSubController(TQRController* controller);
    void RunList(const std::vector<TQRController*>& list);
    void AskForData(bool& moreData);
    void CheckGroup(TGroupState& group);
    // Marks and gives whether some group changed; inner groups of a changed
    // one start again.
    bool EvaluateGroups();
    void PrintGroupHeaders();
    void PrintGroupFooters();
    void CloseGroups();
    void MarkLaterGroups(std::size_t from);
    void PrintRecordBand(TQRCustomBand* band);

    TQRComponent* m_Host = nullptr;
    TQRComponent* m_Master = nullptr;
    TCustomPagettaRep* m_ParentReport = nullptr;
    TQRNavigableDataSet* m_DataSet = nullptr;
    TQRCustomBand* m_Header = nullptr;
    TQRCustomBand* m_Detail = nullptr;
    TQRCustomBand* m_Footer = nullptr;
    bool m_PrintIfEmpty = true;
    bool m_PrintBefore = false;
    int m_DetailNumber = 0;
    std::vector<TQRController*> m_BeforeList;
    std::vector<TQRController*> m_AfterList;
    // Controllers made for sub-detail bands during a run.
    std::vector<std::unique_ptr<TQRController>> m_BandControllers;
    std::vector<std::unique_ptr<TGroupState>> m_Groups;
    std::vector<TQRExpr*> m_Expressions;
};

} // namespace zel
