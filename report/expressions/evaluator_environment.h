#pragma once
// Named values for expressions. Each entry is an expression of its own,
// compiled while the environment is prepared (counted). A report keeps its
// values (page number, column number, title) in a local environment and
// sets them through their constants; the global environment holds
// AppStartTime, AppStartDate and AppName.

#include "framework/string_list.h"
#include "report/expressions/evaluator.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

// One entry's expression with its own evaluator. An entry that is already
// being evaluated gives "再帰呼び出しは許されません" instead of recursing.
class TQREvEmbeddedFunction : public TQREvElement {
public:
    explicit TQREvEmbeddedFunction(std::string expression) : m_Expression(std::move(expression)) {}
    TQREvResult Value(TQRFiFo& fifo) override;
    const std::string& Expression() const { return m_Expression; }
    TQREvaluator& Evaluator() { return m_Evaluator; }

private:
    std::string m_Expression;
    TQREvaluator m_Evaluator;
    bool m_Busy = false;
};

class TQREvEnvironment : public TStringList {
public:
    TQREvEnvironment() = default;
    TQREvEnvironment(const TQREvEnvironment&) = delete;
    TQREvEnvironment& operator=(const TQREvEnvironment&) = delete;
    ~TQREvEnvironment() override;

    // The name is kept in upper case. An existing entry of that name keeps
    // its expression. While prepared, the new entry is compiled at once.
    void AddFunction(std::string_view name, std::string_view expression);
    void DeleteFunction(std::string_view name);
    // A new element standing for the entry, or nothing for an unknown name.
    std::unique_ptr<TQREvElement> Element(std::string_view name) const;
    TQREvEmbeddedFunction* Entry(std::string_view name) const;

    void Prepare();
    void Unprepare();
    int PrepareCount() const { return m_PrepareCount; }

    // The first element of the entry's compiled expression, or nothing.
    TQREvElement* GetConstant(std::string_view name) const;
    // Only a constant or string element takes a value; others stay as they are.
    void SetIntegerConstant(TQREvElement* element, std::int32_t value);
    void SetStringConstant(TQREvElement* element, std::string_view value);
    void SetConstant(TQREvElement* element, const TQREvResult& value);

    const TQRDataSetList& DataSets() const { return m_DataSets; }
    void SetDataSets(TQRDataSetList dataSets) { m_DataSets = std::move(dataSets); }

    // What a form stores besides the names: each entry's expression, in order.
    std::vector<std::string> Data() const;
    void SetData(const std::vector<std::string>& expressions);

    void Delete(int index) override;
    void Clear() override;

private:
    void PrepareEntry(TQREvEmbeddedFunction& entry);
    std::vector<std::shared_ptr<TQREvEmbeddedFunction>> m_Entries; // owns the list's objects
    TQRDataSetList m_DataSets;
    int m_PrepareCount = 0;
    bool m_Unpreparing = false;
};

// Built at first use, with the time and date of that moment.
TQREvEnvironment& QRGlobalEnvironment();

} // namespace zel
