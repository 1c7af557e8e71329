#pragma once
// Turns an expression text into its element sequence: comparison, additive
// and multiplicative levels, then factors. Errors become error elements in
// place of what they stand for, so the sequence always stays whole.

#include "report/expressions/data_set.h"
#include "report/expressions/evaluator_elements.h"

#include <cstddef>
#include <string_view>

namespace zel {

class TQREvEnvironment;

// Each level of nesting is a call on the stack while compiling and while
// evaluating; past these limits an expression is refused, never a crash.
inline constexpr int kQRMaxNesting = 1000;
inline constexpr std::size_t kQRMaxExpressionLength = 65536;

class TQREvCompiler {
public:
    TQREvCompiler(TQRFiFo& fifo, const TQRDataSetList& dataSets, TQREvEnvironment* local,
                  TQREvEnvironment* global)
        : m_FiFo(fifo), m_DataSets(dataSets), m_Local(local), m_Global(global) {}

    void Compile(std::string_view text);

private:
    void CompileComparison(std::string_view text);
    struct TOperatorLevel;
    void CompileLevel(std::string_view text, const TOperatorLevel& level);
    void CompileAdditive(std::string_view text);
    void CompileMultiplicative(std::string_view text);
    void CompileFactor(std::string_view text);
    void CompileNumber(std::string_view text);
    void CompileNamed(std::string_view text);
    void CompileFunction(std::string_view name, std::string_view arguments);
    void CompileName(std::string_view name);
    bool CompileField(std::string_view name);
    void EmitError(std::string message);
    // False (with an error element emitted) when nesting goes too deep.
    bool Enter();

    TQRFiFo& m_FiFo;
    const TQRDataSetList& m_DataSets;
    TQREvEnvironment* m_Local;
    TQREvEnvironment* m_Global;
    int m_Nesting = 0;
};

} // namespace zel
