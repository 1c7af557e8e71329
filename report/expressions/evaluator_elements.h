#pragma once
// The compiled form of an expression: a sequence of elements in prefix
// order (an operator before its operands, a function before its arguments
// and their end marker). Each element reads its operands from the sequence.

#include "report/expressions/data_set.h"
#include "report/expressions/evaluator_result.h"

#include <memory>
#include <string>
#include <vector>

namespace zel {

class TQRFiFo;
class TQREvEmbeddedFunction;

class TQREvElement {
public:
    virtual ~TQREvElement() = default;
    virtual TQREvResult Value(TQRFiFo& fifo) = 0;
    virtual void Reset() {}
    virtual bool IsArgumentEnd() const { return false; }
    bool IsAggreg() const { return m_IsAggreg; }

protected:
    bool m_IsAggreg = false;
};

// The element sequence of one expression, with its read position.
class TQRFiFo {
public:
    void Put(std::unique_ptr<TQREvElement> element) { m_Items.push_back(std::move(element)); }
    void Start() { m_Position = 0; }
    // The next element, or nothing past the end.
    TQREvElement* Get();
    // Reads the next element and its value; past the end, an Error.
    TQREvResult NextValue();
    int Count() const { return static_cast<int>(m_Items.size()); }
    TQREvElement* Items(int index) const { return m_Items[index].get(); }
    bool Aggreg() const { return m_Aggreg; }
    void SetAggreg(bool aggreg) { m_Aggreg = aggreg; }
    void Clear();

private:
    std::vector<std::unique_ptr<TQREvElement>> m_Items;
    std::size_t m_Position = 0;
    bool m_Aggreg = false;
};

class TQREvElementConstant : public TQREvElement {
public:
    explicit TQREvElementConstant(TQREvResult value) : m_Value(std::move(value)) {}
    TQREvResult Value(TQRFiFo&) override { return m_Value; }
    void SetValue(TQREvResult value) { m_Value = std::move(value); }

private:
    TQREvResult m_Value;
};

class TQREvElementString : public TQREvElement {
public:
    explicit TQREvElementString(std::string_view text) { SetText(text); }
    TQREvResult Value(TQRFiFo&) override { return StringResult(m_Text); }
    const std::string& Text() const { return m_Text; }
    void SetText(std::string_view text);

private:
    std::string m_Text;
};

class TQREvElementError : public TQREvElement {
public:
    explicit TQREvElementError(std::string message) : m_Message(std::move(message)) {}
    TQREvResult Value(TQRFiFo&) override { return ErrorResult(m_Message); }

private:
    std::string m_Message;
};

class TQREvElementArgumentEnd : public TQREvElement {
public:
    TQREvResult Value(TQRFiFo&) override { return ErrorResult(); }
    bool IsArgumentEnd() const override { return true; }
};

enum class TQREvOperator : std::uint8_t {
    opLess,
    opLessOrEqual,
    opGreater,
    opGreaterOrEqual,
    opEqual,
    opUnequal,
    opPlus,
    opMinus,
    opOr,
    opMul,
    opDiv,
    opAnd,
};

class TQREvElementOperator : public TQREvElement {
public:
    explicit TQREvElementOperator(TQREvOperator op) : m_OpCode(op) {}
    TQREvResult Value(TQRFiFo& fifo) override;
    TQREvOperator OpCode() const { return m_OpCode; }

private:
    TQREvOperator m_OpCode;
};

// "not <operand>": a Boolean operand negated.
class TQREvElementNot : public TQREvElement {
public:
    TQREvResult Value(TQRFiFo& fifo) override;
};

// A field of a data set, read at each evaluation (the current record).
class TQREvElementDataField : public TQREvElement {
public:
    explicit TQREvElementDataField(TQRField* field) : m_Field(field) {}
    TQREvResult Value(TQRFiFo&) override;

private:
    TQRField* m_Field;
};

// An environment entry used by name. The entry may be removed (or its
// environment destroyed) while this expression is still compiled; its name
// is then unknown again.
class TQREvElementWrapper : public TQREvElement {
public:
    TQREvElementWrapper(std::weak_ptr<TQREvEmbeddedFunction> entry, std::string name)
        : m_Entry(std::move(entry)), m_Name(std::move(name)) {}
    TQREvResult Value(TQRFiFo& fifo) override;

private:
    std::weak_ptr<TQREvEmbeddedFunction> m_Entry;
    std::string m_Name;
};

// Operand rules shared by the operators: makes two values one kind.
void MakeCompatible(TQREvResult& left, TQREvResult& right);
TQREvResult ApplyOperator(TQREvOperator op, TQREvResult left, TQREvResult right);

} // namespace zel
