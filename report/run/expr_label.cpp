// An expression label: prepared with the report's values and data sets,
// counting its master's records, printing its value as a label would.

#include "report/run/expr_label.h"

#include "platform/cp932.h"
#include "report/expressions/float_text.h"
#include "report/run/controller.h"
#include "report/run/pagetta_rep.h"

#include <string>

namespace zel {

TQRExpr::TQRExpr() {
    SetExpression({});
}

TQRExpr::~TQRExpr() {
    if (m_Controller)
        m_Controller->UnregisterExpression(this);
}

void TQRExpr::SetExpression(const std::string& expression) {
    m_Expression = expression;
    SetCaption(expression.empty() ? cp932::Sys("(なし)") : expression);
}

void TQRExpr::SetMaster(TQRComponent* master) {
    m_Master = master;
    if (master)
        FreeNotification(master);
}

void TQRExpr::Notification(TQRComponent* component) {
    TQRCustomLabel::Notification(component);
    if (component == m_Master)
        m_Master = nullptr;
}

void TQRExpr::ForgetController(TQRController* controller) {
    if (m_Controller == controller)
        m_Controller = nullptr;
}

void TQRExpr::Prepare() {
    TQRCustomLabel::Prepare();
    auto* report = dynamic_cast<TPagettaRep*>(ParentReport());
    if (report) {
        m_Evaluator.SetDataSets(report->Functions().DataSets());
        m_Evaluator.SetEnvironment(&report->Functions());
    }
    if (m_Evaluator.Prepared())
        m_Evaluator.Unprepare();
    m_Evaluator.Prepare(m_Expression);
    if (report) {
        const TQRComponent* master = m_Master ? m_Master : report;
        m_Controller = report->Controller().ControllerOf(master);
        if (m_Controller)
            m_Controller->RegisterExpression(this);
    }
}

void TQRExpr::Unprepare() {
    if (m_Controller) {
        m_Controller->UnregisterExpression(this);
        m_Controller = nullptr;
    }
    if (m_Evaluator.Prepared())
        m_Evaluator.Unprepare();
    // The caption shows the expression again, not the last value.
    SetExpression(m_Expression);
    TQRCustomLabel::Unprepare();
}

void TQRExpr::UpdateAggregates() {
    if (m_Evaluator.Prepared())
        m_Evaluator.DoAggregate();
}

std::string TQRExpr::ValueText() {
    if (!m_Evaluator.Prepared())
        return {};
    const TQREvResult value = m_Evaluator.Value();
    switch (value.Kind) {
    case TQREvResultType::resInt:
    case TQREvResultType::resDouble:
        if (!m_Mask.empty())
            if (auto text = FormatFloat(m_Mask, AsDouble(value)))
                return *text;
        return value.Kind == TQREvResultType::resInt ? std::to_string(value.IntResult)
                                                     : FloatToStr(value.DblResult);
    case TQREvResultType::resString:
        return value.StrResult;
    case TQREvResultType::resBool:
        return BoolText(value.BooResult);
    case TQREvResultType::resError:
        break;
    }
    // A faulty expression prints what is wrong with it.
    try {
        return QREvResultToString(value);
    } catch (const EQRExprError& error) {
        return error.Message();
    }
}

void TQRExpr::Print(long double offsetX, long double offsetY) {
    if (!Enabled())
        return;
    // A label going on in the next column keeps the text it began with.
    const bool continuing = !PrintFinished();
    if (!continuing)
        SetCaption(ValueText());
    TQRCustomLabel::Print(offsetX, offsetY);
    if (m_ResetAfterPrint && PrintFinished() && m_Evaluator.Prepared())
        m_Evaluator.Reset();
}

} // namespace zel
