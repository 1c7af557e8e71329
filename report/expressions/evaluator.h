#pragma once
// An expression compiled once and computed as often as the report asks:
// constants, operators, library functions (aggregates among them), data-set
// fields and named values of the local and the global environment. Bad
// expressions never raise here; they compute an Error value whose message
// shows when the value is printed.

#include "report/expressions/data_set.h"
#include "report/expressions/evaluator_elements.h"

#include <string_view>

namespace zel {

class TQREvEnvironment;

class TQREvaluator {
public:
    TQREvaluator() = default;
    TQREvaluator(const TQREvaluator&) = delete;
    TQREvaluator& operator=(const TQREvaluator&) = delete;
    ~TQREvaluator();

    void Prepare(std::string_view expression);
    void Unprepare();
    // Raises EQRExprError "評価できません" when not prepared.
    TQREvResult Value();
    // One aggregation step: aggregates see the current values.
    void DoAggregate();
    void Reset();
    bool IsAggreg() const;

    const TQRDataSetList& DataSets() const { return m_DataSets; }
    void SetDataSets(TQRDataSetList dataSets) { m_DataSets = std::move(dataSets); }
    TQREvEnvironment* Environment() const { return m_Environment; }
    void SetEnvironment(TQREvEnvironment* environment) { m_Environment = environment; }
    bool Prepared() const { return m_Prepared; }
    const TQRFiFo& FiFo() const { return m_FiFo; }

private:
    TQRDataSetList m_DataSets;
    TQRFiFo m_FiFo;
    bool m_Prepared = false;
    TQREvEnvironment* m_Environment = nullptr;
    bool m_HoldsGlobal = false; // this preparation counts in the global environment
};

} // namespace zel
