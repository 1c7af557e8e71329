#pragma once
// Function elements: a function reads its arguments up to the end marker,
// takes an aggregation step when the sequence aggregates, and calculates.
// The library's functions are declared here; aggregates keep state between
// evaluations until Reset.

#include "report/expressions/evaluator_elements.h"

#include <vector>

namespace zel {

using TQREvArgs = std::vector<TQREvResult>;

class TQREvElementFunction : public TQREvElement {
public:
    TQREvResult Value(TQRFiFo& fifo) override;
    virtual void Aggregate(const TQREvArgs&) {}
    virtual TQREvResult Calculate(const TQREvArgs& args) = 0;
};

#define ZEL_QR_FUNCTION(Name)                                                                      \
    class Name : public TQREvElementFunction {                                                     \
    public:                                                                                        \
        TQREvResult Calculate(const TQREvArgs& args) override;                                     \
    }

ZEL_QR_FUNCTION(TQREvTrueFunction);
ZEL_QR_FUNCTION(TQREvFalseFunction);
ZEL_QR_FUNCTION(TQREvIfFunction);
ZEL_QR_FUNCTION(TQREvTypeOfFunction);
ZEL_QR_FUNCTION(TQREvIntFunction);
ZEL_QR_FUNCTION(TQREvFracFunction);
ZEL_QR_FUNCTION(TQREvSqrtFunction);
ZEL_QR_FUNCTION(TQREvDivFunction);
ZEL_QR_FUNCTION(TQREvStrFunction);
ZEL_QR_FUNCTION(TQREvUpperFunction);
ZEL_QR_FUNCTION(TQREvLowerFunction);
ZEL_QR_FUNCTION(TQREvPrettyFunction);
ZEL_QR_FUNCTION(TQREvTimeFunction);
ZEL_QR_FUNCTION(TQREvDateFunction);
ZEL_QR_FUNCTION(TQREvCopyFunction);
ZEL_QR_FUNCTION(TQREvFormatNumericFunction);

#undef ZEL_QR_FUNCTION

// SUM, and the base of AVERAGE: adds Integer and Float values.
class TQREvSumFunction : public TQREvElementFunction {
public:
    TQREvSumFunction() { m_IsAggreg = true; }
    void Aggregate(const TQREvArgs& args) override;
    TQREvResult Calculate(const TQREvArgs& args) override;
    void Reset() override;

protected:
    TQREvResult m_Sum;
    bool m_HasValue = false;
    int m_Count = 0;
};

class TQREvAverageFunction : public TQREvSumFunction {
public:
    TQREvResult Calculate(const TQREvArgs& args) override;
};

class TQREvCountFunction : public TQREvElementFunction {
public:
    TQREvCountFunction() { m_IsAggreg = true; }
    void Aggregate(const TQREvArgs&) override { ++m_Count; }
    TQREvResult Calculate(const TQREvArgs& args) override;
    void Reset() override { m_Count = 0; }

private:
    std::int32_t m_Count = 0;
};

// MAX and MIN: the extreme of the values seen so far.
class TQREvExtremeFunction : public TQREvElementFunction {
public:
    explicit TQREvExtremeFunction(bool largest) : m_Largest(largest) { m_IsAggreg = true; }
    void Aggregate(const TQREvArgs& args) override;
    TQREvResult Calculate(const TQREvArgs& args) override;
    void Reset() override;

private:
    bool m_Largest;
    TQREvResult m_Extreme;
    bool m_HasValue = false;
};

class TQREvMaxFunction : public TQREvExtremeFunction {
public:
    TQREvMaxFunction() : TQREvExtremeFunction(true) {}
};

class TQREvMinFunction : public TQREvExtremeFunction {
public:
    TQREvMinFunction() : TQREvExtremeFunction(false) {}
};

// COPY's byte range after keeping double-byte characters whole: start is
// 1-based as given (0 counts as 1), the result is (offset, length) in bytes.
std::pair<std::size_t, std::size_t> CopyRange(std::string_view text, std::int64_t start,
                                              std::int64_t length);

} // namespace zel
