#pragma once
// TQRExpr: a label whose text is an expression, computed when it prints.
// Aggregates in the expression count the records of its master (the report
// or a sub-detail): the master's controller tells it of every record.

#include "report/controls/label.h"
#include "report/expressions/evaluator.h"

#include <string>

namespace zel {

class TQRController;

class TQRExpr : public TQRCustomLabel {
public:
    TQRExpr();
    ~TQRExpr() override;

    const std::string& Expression() const { return m_Expression; }
    // The caption shows the expression, or "(なし)" without one.
    void SetExpression(const std::string& expression);
    // A number picture for numeric results; empty prints them plainly.
    const std::string& Mask() const { return m_Mask; }
    void SetMask(const std::string& mask) { m_Mask = mask; }
    // The report or sub-detail whose records drive the aggregates; the
    // parent report when none is set.
    TQRComponent* Master() const { return m_Master; }
    void SetMaster(TQRComponent* master);
    bool ResetAfterPrint() const { return m_ResetAfterPrint; }
    void SetResetAfterPrint(bool reset) { m_ResetAfterPrint = reset; }

    // The value as it prints now.
    std::string ValueText();
    // One more record of the master.
    void UpdateAggregates();
    // The controller is going away.
    void ForgetController(TQRController* controller);

    void Prepare() override;
    void Unprepare() override;
    void Print(long double offsetX, long double offsetY) override;

protected:
    void Notification(TQRComponent* component) override;

private:
    std::string m_Expression;
    std::string m_Mask;
    TQRComponent* m_Master = nullptr;
    bool m_ResetAfterPrint = false;
    TQREvaluator m_Evaluator;
    TQRController* m_Controller = nullptr;
};

} // namespace zel
