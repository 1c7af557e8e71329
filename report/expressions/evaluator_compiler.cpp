#include "report/expressions/evaluator_compiler.h"

#include "framework/format.h"
#include "framework/messages.h"
#include "platform/cp932.h"
#include "report/expressions/evaluator_environment.h"
#include "report/expressions/evaluator_library.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace zel {
namespace {

// Visits every single-byte character at the top level: outside
// parentheses, quotes and brackets. Double-byte characters are stepped over
// whole, so a second byte that happens to be "]" closes no bracket. Returns
// the position where `visit` said yes, or npos.
template <typename Visit> std::size_t ScanTopLevel(std::string_view s, Visit visit) {
    int depth = 0;
    bool quoted = false;
    bool bracketed = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (cp932::IsLeadByte(c) && i + 1 < s.size()) {
            ++i;
            continue;
        }
        if (depth == 0 && !quoted && !bracketed && visit(i))
            return i;
        if (c == '\'' && !bracketed)
            quoted = !quoted;
        else if (c == '[' && !quoted)
            bracketed = true;
        else if (c == ']' && !quoted)
            bracketed = false;
        else if (c == '(' && !quoted && !bracketed)
            ++depth;
        else if (c == ')' && !quoted && !bracketed)
            --depth;
    }
    return std::string_view::npos;
}

// `word` (upper case) at `i`, in any case. Called at every top-level
// position, so it must not allocate.
bool StartsWithWord(std::string_view s, std::size_t i, std::string_view word) {
    if (s.size() - i < word.size())
        return false;
    for (std::size_t k = 0; k < word.size(); ++k) {
        const char c = s[i + k];
        if ((c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c) != word[k])
            return false;
    }
    return true;
}

// A "+" or "-" right after another operator (or first) is a sign of what
// follows, not an operator: 2*-3, 2--3, a<-1.
bool IsSign(std::string_view s, std::size_t i) {
    std::size_t j = i;
    while (j > 0 && s[j - 1] == ' ')
        --j;
    if (j == 0)
        return true;
    const char before = s[j - 1];
    return before == '+' || before == '-' || before == '*' || before == '/' || before == '<' ||
           before == '>' || before == '=';
}

// An operator counts only inside the text, never as its first or last character.
bool Inside(std::string_view s, std::size_t i) {
    return i != 0 && i + 1 != s.size();
}

// Swaps the top-level operators `a` and `b`, so that the right part of a
// "-" (or "/") keeps evaluating from left to right.
std::string SwapOperators(std::string_view s, char a, char b, bool signsStay) {
    std::string out(s);
    ScanTopLevel(s, [&](std::size_t i) {
        if ((s[i] == a || s[i] == b) && !(signsStay && IsSign(s, i)))
            out[i] = s[i] == a ? b : a;
        return false;
    });
    return out;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
        s.remove_suffix(1);
    return s;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsFloatChar(char c) {
    return IsDigit(c) || c == '+' || c == '-' || c == '.' || c == 'E' || c == 'e';
}

// True when the last character of `s` is the single byte `c`.
bool EndsWithChar(std::string_view s, char c) {
    const std::size_t last = cp932::LastCharPos(s);
    return last != std::string_view::npos && last + 1 == s.size() && s[last] == c;
}

class TNesting {
public:
    explicit TNesting(int& nesting) : m_Nesting(nesting) { ++m_Nesting; }
    ~TNesting() { --m_Nesting; }
    bool TooDeep() const { return m_Nesting > kQRMaxNesting; }

private:
    int& m_Nesting;
};

} // namespace

void TQREvCompiler::EmitError(std::string message) {
    m_FiFo.Put(std::make_unique<TQREvElementError>(std::move(message)));
}

void TQREvCompiler::Compile(std::string_view text) {
    if (text.size() > kQRMaxExpressionLength) {
        EmitError(cp932::Sys(msg::kEvTooComplex));
        return;
    }
    CompileComparison(text.empty() ? std::string_view("' '") : text);
}

void TQREvCompiler::CompileComparison(std::string_view text) {
    TNesting nesting(m_Nesting);
    if (nesting.TooDeep())
        return EmitError(cp932::Sys(msg::kEvTooComplex));
    TQREvOperator op{};
    std::size_t length = 0;
    const std::size_t at = ScanTopLevel(text, [&](std::size_t i) {
        if (!Inside(text, i))
            return false;
        const std::string_view two = text.substr(i, 2);
        if (two == "<>" || two == "<=" || two == ">=") {
            op = two == "<>"   ? TQREvOperator::opUnequal
                 : two == "<=" ? TQREvOperator::opLessOrEqual
                               : TQREvOperator::opGreaterOrEqual;
            length = 2;
            return true;
        }
        const char c = text[i];
        if (c != '<' && c != '>' && c != '=')
            return false;
        op = c == '<'   ? TQREvOperator::opLess
             : c == '>' ? TQREvOperator::opGreater
                        : TQREvOperator::opEqual;
        length = 1;
        return true;
    });
    if (at == std::string_view::npos)
        return CompileAdditive(text);
    m_FiFo.Put(std::make_unique<TQREvElementOperator>(op));
    CompileAdditive(text.substr(0, at));
    CompileAdditive(text.substr(at + length));
}

// The additive and the multiplicative level differ only in their operators
// and in the level their left operand is compiled at.
struct TQREvCompiler::TOperatorLevel {
    char plain;            // "+" or "*"
    char inverse;          // "-" or "/": swaps the operators of its right part
    std::string_view word; // " OR " or " AND "
    TQREvOperator plainOp;
    TQREvOperator inverseOp;
    TQREvOperator wordOp;
    bool signsStay; // "+"/"-" after an operator are signs, not operators
    void (TQREvCompiler::*operand)(std::string_view);
    void (TQREvCompiler::*self)(std::string_view);
};

void TQREvCompiler::CompileLevel(std::string_view text, const TOperatorLevel& level) {
    TNesting nesting(m_Nesting);
    if (nesting.TooDeep())
        return EmitError(cp932::Sys(msg::kEvTooComplex));
    std::size_t length = 0;
    const std::size_t at = ScanTopLevel(text, [&](std::size_t i) {
        if (!Inside(text, i))
            return false;
        if ((text[i] == level.plain || text[i] == level.inverse) &&
            !(level.signsStay && IsSign(text, i))) {
            length = 1;
            return true;
        }
        if (StartsWithWord(text, i, level.word)) {
            length = level.word.size();
            return true;
        }
        return false;
    });
    if (at == std::string_view::npos)
        return (this->*level.operand)(text);
    const char c = text[at];
    m_FiFo.Put(std::make_unique<TQREvElementOperator>(c == level.plain     ? level.plainOp
                                                      : c == level.inverse ? level.inverseOp
                                                                           : level.wordOp));
    (this->*level.operand)(text.substr(0, at));
    const std::string_view right = text.substr(at + length);
    if (c == level.inverse)
        (this->*level.self)(SwapOperators(right, level.plain, level.inverse, level.signsStay));
    else
        (this->*level.self)(right);
}

void TQREvCompiler::CompileAdditive(std::string_view text) {
    static const TOperatorLevel additive{'+',
                                         '-',
                                         " OR ",
                                         TQREvOperator::opPlus,
                                         TQREvOperator::opMinus,
                                         TQREvOperator::opOr,
                                         true,
                                         &TQREvCompiler::CompileMultiplicative,
                                         &TQREvCompiler::CompileAdditive};
    CompileLevel(text, additive);
}

void TQREvCompiler::CompileMultiplicative(std::string_view text) {
    static const TOperatorLevel multiplicative{'*',
                                               '/',
                                               " AND ",
                                               TQREvOperator::opMul,
                                               TQREvOperator::opDiv,
                                               TQREvOperator::opAnd,
                                               false,
                                               &TQREvCompiler::CompileFactor,
                                               &TQREvCompiler::CompileMultiplicative};
    CompileLevel(text, multiplicative);
}

void TQREvCompiler::CompileFactor(std::string_view whole) {
    TNesting nesting(m_Nesting);
    if (nesting.TooDeep())
        return EmitError(cp932::Sys(msg::kEvTooComplex));
    const std::string_view text = Trim(whole);
    if (StartsWithWord(text, 0, "NOT")) {
        m_FiFo.Put(std::make_unique<TQREvElementNot>());
        return CompileAdditive(text.substr(3));
    }
    const char first = text.empty() ? '\0' : text[0];
    const std::string_view inside =
        text.size() >= 2 ? text.substr(1, text.size() - 2) : std::string_view();
    if (IsDigit(first))
        return CompileNumber(text);
    if (IsLetter(first))
        return CompileNamed(text);
    switch (first) {
    case '[':
        if (text.size() < 2 || !EndsWithChar(text, ']'))
            return EmitError(Fmt(msg::kEvMissing, {"]"}));
        return CompileName(inside);
    case '\'':
        if (text.size() < 2 || !EndsWithChar(text, '\''))
            return EmitError(Fmt(msg::kEvMissing, {"'"}));
        return m_FiFo.Put(std::make_unique<TQREvElementString>(inside));
    case '(':
        if (text.size() < 2 || !EndsWithChar(text, ')'))
            return EmitError(Fmt(msg::kEvMissing, {")"}));
        return CompileComparison(inside);
    case '+':
        return CompileFactor(text.substr(1));
    case '-':
        return CompileAdditive("0-" + std::string(text.substr(1)));
    default:
        return EmitError(Fmt(msg::kEvExpressionError, {text}));
    }
}

void TQREvCompiler::CompileNumber(std::string_view text) {
    std::size_t end = 0;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    const bool isFloat = end < text.size() && IsFloatChar(text[end]);
    while (isFloat && end < text.size() && IsFloatChar(text[end]))
        ++end;
    const auto badNumber = [&] { EmitError(Fmt(msg::kEvBadNumber, {text})); };
    if (end < text.size())
        return badNumber();
    const char* const first = text.data();
    const char* const last = text.data() + text.size();
    if (!isFloat) {
        std::int64_t value = 0;
        const auto [ptr, ec] = std::from_chars(first, last, value);
        // Past 32 bits the digits still name a number; it is kept as a Float.
        if (ec == std::errc() && ptr == last && value <= std::numeric_limits<std::int32_t>::max())
            return m_FiFo.Put(std::make_unique<TQREvElementConstant>(
                IntResult(static_cast<std::int32_t>(value))));
    }
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ptr != last || (ec != std::errc() && ec != std::errc::result_out_of_range))
        return badNumber();
    if (ec == std::errc::result_out_of_range)
        value = std::numeric_limits<double>::infinity();
    m_FiFo.Put(std::make_unique<TQREvElementConstant>(FloatResult(value)));
}

void TQREvCompiler::CompileNamed(std::string_view text) {
    const std::size_t open = text.find('(');
    if (open == std::string_view::npos)
        return CompileFunction(text, {});
    if (!EndsWithChar(text, ')'))
        return CompileFunction({}, {});
    CompileFunction(Trim(text.substr(0, open)), text.substr(open + 1, text.size() - open - 2));
}

void TQREvCompiler::CompileFunction(std::string_view name, std::string_view arguments) {
    auto function = QRFunctionLibrary().GetFunction(name);
    if (!function) {
        if (Trim(arguments).empty())
            return CompileName(name);
        return EmitError(Fmt(msg::kEvUnknownFunction, {name}));
    }
    m_FiFo.Put(std::move(function));
    if (!Trim(arguments).empty()) {
        std::size_t start = 0;
        ScanTopLevel(arguments, [&](std::size_t i) {
            if (arguments[i] == ',') {
                CompileComparison(arguments.substr(start, i - start));
                start = i + 1;
            }
            return false;
        });
        CompileComparison(arguments.substr(start));
    }
    m_FiFo.Put(std::make_unique<TQREvElementArgumentEnd>());
}

bool TQREvCompiler::CompileField(std::string_view name) {
    const std::size_t dot = cp932::Find(name, ".");
    const std::string setName = dot == std::string_view::npos ? "" : AnsiUpper(name.substr(0, dot));
    const std::string fieldName =
        AnsiUpper(dot == std::string_view::npos ? name : name.substr(dot + 1));
    for (TQRDataSet* dataSet : m_DataSets) {
        if (!dataSet || (!setName.empty() && AnsiUpper(dataSet->Name()) != setName))
            continue;
        for (int i = 0; i < dataSet->FieldCount(); ++i) {
            TQRField* field = dataSet->Fields(i);
            if (field && AnsiUpper(field->FieldName()) == fieldName) {
                m_FiFo.Put(std::make_unique<TQREvElementDataField>(field));
                return true;
            }
        }
    }
    return false;
}

void TQREvCompiler::CompileName(std::string_view name) {
    if (!m_DataSets.empty() && CompileField(name))
        return;
    for (TQREvEnvironment* environment : {m_Local, m_Global}) {
        if (!environment)
            continue;
        if (auto element = environment->Element(name))
            return m_FiFo.Put(std::move(element));
    }
    EmitError(Fmt(msg::kEvUnknownFunction, {name}));
}

} // namespace zel
