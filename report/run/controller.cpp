// The record walk of one report level, its groups and the sub-details that
// run once per record.

#include "report/run/controller.h"

#include "platform/notifications.h"
#include "report/controls/band.h"
#include "report/run/expr_label.h"
#include "report/run/pagetta_rep.h"

#include <algorithm>
#include <exception>

namespace zel {

struct TQRController::TGroupState {
    TQRGroup* Band = nullptr;
    TQREvaluator Evaluator;
    TQREvResult Last;
    bool HasValue = false;
    bool Changed = false;
    bool Open = false;
    int LastHeaderPage = 1;
};

namespace {

bool SameValue(const TQREvResult& a, const TQREvResult& b) {
    if (a.Kind != b.Kind)
        return false;
    switch (a.Kind) {
    case TQREvResultType::resInt:
        return a.IntResult == b.IntResult;
    case TQREvResultType::resDouble:
        return a.DblResult == b.DblResult;
    case TQREvResultType::resString:
        return a.StrResult == b.StrResult;
    case TQREvResultType::resBool:
        return a.BooResult == b.BooResult;
    case TQREvResultType::resError:
        break;
    }
    return true;
}

} // namespace

TQRController::TQRController() = default;

TQRController::~TQRController() {
    for (TQRExpr* expression : m_Expressions)
        expression->ForgetController(this);
}

void TQRController::SetMaster(TQRComponent* master) {
    if (master && !dynamic_cast<TCustomPagettaRep*>(master) &&
        !dynamic_cast<TQRController*>(master) && !dynamic_cast<TQRControllerBand*>(master))
        return;
    if (master == this)
        return;
    m_Master = master;
    if (master)
        FreeNotification(master);
}

void TQRController::Notification(TQRComponent* component) {
    TQRComponent::Notification(component);
    if (component == m_Master)
        m_Master = nullptr;
}

std::vector<TQRGroup*> TQRController::Groups() const {
    std::vector<TQRGroup*> groups;
    for (const auto& group : m_Groups)
        groups.push_back(group->Band);
    return groups;
}

TQRController* TQRController::ControllerOf(const TQRComponent* host) {
    if (host == m_Host)
        return this;
    for (const auto* list : {&m_BeforeList, &m_AfterList})
        for (TQRController* controller : *list)
            if (TQRController* found = controller->ControllerOf(host))
                return found;
    return nullptr;
}

void TQRController::Prepare() {
    m_BeforeList.clear();
    m_AfterList.clear();
    m_Groups.clear();
    m_BandControllers.clear();
    if (!m_ParentReport || !m_Host)
        return;
    if (TQRComponent* owner = m_ParentReport->Owner())
        ScanForChildren(*owner);
    ScanForChildren(*m_ParentReport);
}

void TQRController::ScanForChildren(TQRComponent& container) {
    for (int i = 0; i < container.ComponentCount(); ++i) {
        TQRComponent* component = container.Components(i);
        if (auto* controller = dynamic_cast<TQRController*>(component)) {
            if (controller->Master() == m_Host)
                AddSubController(controller);
        } else if (auto* subDetail = dynamic_cast<TQRSubDetail*>(component)) {
            if (subDetail->Master() != m_Host || subDetail == m_Host || subDetail->Destroying())
                continue;
            auto controller = std::make_unique<TQRController>();
            controller->SetHost(subDetail);
            controller->m_Master = m_Host;
            controller->SetHeader(subDetail->HeaderBand());
            controller->SetDetail(subDetail);
            controller->SetFooter(subDetail->FooterBand());
            controller->SetDataSet(dynamic_cast<TQRNavigableDataSet*>(subDetail->DataSet()));
            controller->OnNeedData = subDetail->OnNeedData;
            controller->SetPrintIfEmpty(subDetail->PrintIfEmpty());
            controller->SetPrintBefore(subDetail->PrintBefore());
            TQRController* raw = controller.get();
            m_BandControllers.push_back(std::move(controller));
            AddSubController(raw);
        } else if (auto* group = dynamic_cast<TQRGroup*>(component)) {
            if (group->Master() != m_Host || group->Destroying())
                continue;
            auto state = std::make_unique<TGroupState>();
            state->Band = group;
            group->SetParentReport(m_ParentReport);
            m_Groups.push_back(std::move(state));
        }
    }
}

void TQRController::AddSubController(TQRController* controller) {
    // A controller already in the tree (a master chain that loops) runs once.
    if (controller == this || std::ranges::find(m_BeforeList, controller) != m_BeforeList.end() ||
        std::ranges::find(m_AfterList, controller) != m_AfterList.end())
        return;
    controller->SetParentReport(m_ParentReport);
    if (controller->PrintBefore())
        m_BeforeList.push_back(controller);
    else
        m_AfterList.push_back(controller);
    controller->Prepare();
}

void TQRController::PrepareGroups() {
    auto* report = dynamic_cast<TPagettaRep*>(m_ParentReport);
    for (const auto& group : m_Groups) {
        if (report) {
            group->Evaluator.SetDataSets(report->Functions().DataSets());
            group->Evaluator.SetEnvironment(&report->Functions());
        }
        group->Evaluator.Prepare(group->Band->Expression());
        group->HasValue = false;
        group->Changed = false;
        group->Open = false;
        group->LastHeaderPage = 1;
    }
    for (const auto* list : {&m_BeforeList, &m_AfterList})
        for (TQRController* controller : *list)
            controller->PrepareGroups();
}

void TQRController::Unprepare() {
    for (const auto& group : m_Groups)
        group->Evaluator.Unprepare();
    for (const auto* list : {&m_BeforeList, &m_AfterList})
        for (TQRController* controller : *list)
            controller->Unprepare();
    if (m_Detail && m_Detail->Controller() == this)
        m_Detail->SetController(nullptr);
    m_Groups.clear();
    m_BeforeList.clear();
    m_AfterList.clear();
    m_BandControllers.clear();
}

bool TQRController::DataSetUsable() const {
    return m_DataSet && m_DataSet->Active();
}

void TQRController::AskForData(bool& moreData) {
    if (OnNeedData)
        OnNeedData(m_Host ? *m_Host : static_cast<TQRComponent&>(*this), moreData);
}

void TQRController::RunList(const std::vector<TQRController*>& list) {
    for (TQRController* controller : list)
        controller->Execute();
}

void TQRController::PrintEmpty() {
    m_ParentReport->OutputBand(m_Header);
    RunList(m_BeforeList);
    m_ParentReport->OutputBand(m_Detail);
    RunList(m_AfterList);
    m_ParentReport->OutputBand(m_Footer);
}

void TQRController::Execute() {
    for (const auto& group : m_Groups)
        group->HasValue = false;
    const bool usable = DataSetUsable();
    if ((!usable && !OnNeedData) || !m_ParentReport) {
        if (m_PrintIfEmpty && m_ParentReport)
            PrintEmpty();
        return;
    }
    auto* report = dynamic_cast<TPagettaRep*>(m_ParentReport);
    const bool hostIsReport = m_Host == m_ParentReport;
    bool moreData = true;
    int recordCount = 0;
    if (usable) {
        m_DataSet->First();
        moreData = !m_DataSet->Eof();
        if (report) {
            try {
                recordCount = m_DataSet->RecordCount();
            } catch (const std::exception&) {
                // The count only feeds the progress percentage.
                recordCount = 1;
            }
        }
        if (!moreData && m_PrintIfEmpty)
            PrintEmpty();
    } else {
        AskForData(moreData);
    }
    m_DetailNumber = 0;
    if (m_Detail)
        m_Detail->SetController(this);
    if (!moreData)
        return;
    platform::ProcessPendingMessages();
    if (report && report->Cancelled())
        return;
    if (m_Header) {
        m_ParentReport->OutputBand(m_Header);
        if (hostIsReport && report)
            report->SetHeaderJustPrinted(true);
    }
    if (hostIsReport && report && m_ParentReport->PageNumber() <= 1) {
        TQRCustomBand* columnHeader = m_ParentReport->FindBand(rbColumnHeader);
        if (columnHeader && columnHeader->Enabled()) {
            m_ParentReport->OutputBand(columnHeader);
            report->SetHeaderJustPrinted(true);
        }
    }
    EvaluateGroups();
    const bool reportsProgress =
        usable && report && m_DataSet == report->DataSet() && recordCount != 0;
    while (moreData) {
        platform::ProcessPendingMessages();
        if (report && report->QRPrinter() && report->QRPrinter()->Cancelled())
            return;
        ++m_DetailNumber;
        PrintGroupHeaders();
        RunList(m_BeforeList);
        m_ParentReport->OutputBand(m_Detail);
        RunList(m_AfterList);
        if (usable) {
            m_DataSet->Next();
            moreData = !m_DataSet->Eof();
        } else {
            moreData = false;
            AskForData(moreData);
        }
        if (EvaluateGroups()) {
            // The footers belong to the record before the change.
            if (usable)
                m_DataSet->Prior();
            PrintGroupFooters();
            if (usable)
                m_DataSet->Next();
        }
        if (reportsProgress && report->QRPrinter())
            report->QRPrinter()->SetProgress(
                static_cast<int>(static_cast<long long>(m_DetailNumber) * 100 / recordCount));
    }
    CloseGroups();
    if (m_Footer) {
        if (m_ParentReport->PageNumber() == 0 && report)
            report->NewPage();
        m_ParentReport->OutputBand(m_Footer);
    }
}

void TQRController::CheckGroup(TGroupState& group) {
    TQREvResult value = group.Evaluator.Value();
    if (!group.HasValue) {
        group.Last = std::move(value);
        group.HasValue = true;
        group.Changed = true;
        return;
    }
    group.Changed = !SameValue(value, group.Last);
    if (group.Changed)
        group.Last = std::move(value);
}

void TQRController::MarkLaterGroups(std::size_t from) {
    for (std::size_t i = from; i < m_Groups.size(); ++i) {
        TGroupState& group = *m_Groups[i];
        group.Last = group.Evaluator.Value();
        group.HasValue = true;
        group.Changed = true;
    }
}

bool TQRController::EvaluateGroups() {
    for (std::size_t i = 0; i < m_Groups.size(); ++i) {
        CheckGroup(*m_Groups[i]);
        if (m_Groups[i]->Changed) {
            // An outer group's change starts every inner group again.
            MarkLaterGroups(i + 1);
            return true;
        }
    }
    return false;
}

void TQRController::PrintGroupHeaders() {
    for (const auto& group : m_Groups) {
        if (!group->Changed)
            continue;
        m_ParentReport->OutputBand(group->Band);
        group->Open = true;
        group->LastHeaderPage = m_ParentReport->PageNumber();
    }
}

void TQRController::PrintGroupFooters() {
    for (auto it = m_Groups.rbegin(); it != m_Groups.rend(); ++it) {
        TGroupState& group = **it;
        if (!group.Changed)
            continue;
        m_ParentReport->OutputBand(group.Band->FooterBand());
        group.Open = false;
    }
}

void TQRController::CloseGroups() {
    // The groups still open owe their footers; those whose footers printed
    // with the last record's change are closed already.
    for (const auto& group : m_Groups)
        group->Changed = group->Open;
    PrintGroupFooters();
}

void TQRController::ReprintGroups() {
    for (const auto& group : m_Groups)
        if (group->Changed)
            return;
    for (TQRController* controller : m_BeforeList)
        controller->ReprintGroups();
    for (std::size_t i = 0; i < m_Groups.size(); ++i) {
        TGroupState& group = *m_Groups[i];
        if (!group.Band->ReprintOnNewPage() || !group.Open ||
            group.LastHeaderPage == m_ParentReport->PageNumber())
            continue;
        group.LastHeaderPage = m_ParentReport->PageNumber();
        group.Changed = true;
        MarkLaterGroups(i + 1);
        PrintGroupHeaders();
        break;
    }
    for (TQRController* controller : m_AfterList)
        controller->ReprintGroups();
}

void TQRController::RegisterExpression(TQRExpr* expression) {
    if (std::ranges::find(m_Expressions, expression) == m_Expressions.end())
        m_Expressions.push_back(expression);
}

void TQRController::UnregisterExpression(TQRExpr* expression) {
    std::erase(m_Expressions, expression);
}

void TQRController::UpdateExpressions() {
    for (TQRExpr* expression : m_Expressions)
        expression->UpdateAggregates();
}

} // namespace zel
