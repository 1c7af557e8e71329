#include "report/expressions/evaluator.h"

#include "framework/messages.h"
#include "platform/cp932.h"
#include "report/expressions/evaluator_compiler.h"
#include "report/expressions/evaluator_environment.h"

namespace zel {

TQREvaluator::~TQREvaluator() {
    Unprepare();
}

void TQREvaluator::Prepare(std::string_view expression) {
    if (m_Prepared)
        Unprepare();
    // The global environment's own entries compile inside its preparation;
    // counting them there as well would keep it prepared for ever.
    TQREvEnvironment& global = QRGlobalEnvironment();
    if (m_Environment != &global) {
        global.Prepare();
        m_HoldsGlobal = true;
    }
    m_FiFo.Clear();
    TQREvCompiler(m_FiFo, m_DataSets, m_Environment, &global).Compile(expression);
    m_Prepared = true;
}

void TQREvaluator::Unprepare() {
    if (!m_Prepared)
        return;
    m_Prepared = false;
    m_FiFo.Clear();
    if (m_HoldsGlobal) {
        m_HoldsGlobal = false;
        QRGlobalEnvironment().Unprepare();
    }
}

TQREvResult TQREvaluator::Value() {
    if (!m_Prepared)
        throw EQRExprError(cp932::Sys(msg::kEvNotPrepared));
    m_FiFo.Start();
    return m_FiFo.NextValue();
}

void TQREvaluator::DoAggregate() {
    m_FiFo.SetAggreg(true);
    try {
        Value();
    } catch (...) {
        m_FiFo.SetAggreg(false);
        throw;
    }
    m_FiFo.SetAggreg(false);
}

void TQREvaluator::Reset() {
    for (int i = 0; i < m_FiFo.Count(); ++i)
        m_FiFo.Items(i)->Reset();
}

bool TQREvaluator::IsAggreg() const {
    for (int i = 0; i < m_FiFo.Count(); ++i) {
        if (m_FiFo.Items(i)->IsAggreg())
            return true;
    }
    return false;
}

} // namespace zel
