#include "report/expressions/evaluator_library.h"

#include "platform/cp932.h"

namespace zel {

void TQRLibrary::Add(TQRLibraryEntry entry) {
    entry.Name = AnsiUpper(entry.Name);
    for (TQRLibraryEntry& existing : m_Entries) {
        if (existing.Name == entry.Name) {
            existing = std::move(entry);
            return;
        }
    }
    m_Entries.push_back(std::move(entry));
}

const TQRLibraryEntry* TQRLibrary::EntryByName(std::string_view name) const {
    const std::string key = AnsiUpper(name);
    for (const TQRLibraryEntry& entry : m_Entries) {
        if (entry.Name == key)
            return &entry;
    }
    return nullptr;
}

std::unique_ptr<TQREvElementFunction> TQRFunctionLibrary::GetFunction(std::string_view name) const {
    const TQRLibraryEntry* entry = EntryByName(name);
    return entry ? entry->Instance() : nullptr;
}

namespace {

template <typename Function> std::unique_ptr<TQREvElementFunction> Make() {
    return std::make_unique<Function>();
}

struct TStandardEntry {
    const char* name;
    std::unique_ptr<TQREvElementFunction> (*make)();
    const char* syntax;
    const char* description; // UTF-8
    const char* signature;
};

constexpr TStandardEntry kStandard[] = {
    {"IF", Make<TQREvIfFunction>, "IF(<Exp>, <X>, <Y>)", "<Exp> が真なら <X>、偽なら <Y> を返す",
     "5BVV"},
    {"STR", Make<TQREvStrFunction>, "STR(<X>)", "数値 <X> を文字列に変換", "7N"},
    {"UPPER", Make<TQREvUpperFunction>, "UPPER(<X>)", "文字列を大文字化する", "7S"},
    {"LOWER", Make<TQREvLowerFunction>, "LOWER(<X>)", "文字列を小文字化する", "7S"},
    {"PRETTY", Make<TQREvPrettyFunction>, "PRETTY(<X>)", "文字列を大文字で始める", "7S"},
    {"TIME", Make<TQREvTimeFunction>, "TIME", "現在の時間を文字列で返す", "1"},
    {"DATE", Make<TQREvDateFunction>, "DATE", "現在の日付を文字列で返す", "1"},
    {"COPY", Make<TQREvCopyFunction>, "COPY(<X>, <St>,<Len>)", "文字列 <X> の部分文字列を返す",
     "7SNN"},
    {"SUM", Make<TQREvSumFunction>, "SUM(<X>)", "数値 <X> の合計を返す", "3N"},
    {"COUNT", Make<TQREvCountFunction>, "COUNT", "件数を返す", "3"},
    {"MAX", Make<TQREvMaxFunction>, "MAX(<X>)", "<X> の最大値を返す", "3V"},
    {"MIN", Make<TQREvMinFunction>, "MIN(<X>)", "<X> の最小値を返す", "3V"},
    {"AVERAGE", Make<TQREvAverageFunction>, "AVERAGE(<X>)", "<X> の平均値を返す", "3N"},
    {"TRUE", Make<TQREvTrueFunction>, "TRUE", "論理値", "5"},
    {"FALSE", Make<TQREvFalseFunction>, "FALSE", "論理値", "5"},
    {"INT", Make<TQREvIntFunction>, "INT(<X>)", "<X> の整数部分を返す", "2N"},
    {"FRAC", Make<TQREvFracFunction>, "FRAC(<X>)", "<X> の小数部分を返す", "2N"},
    {"SQRT", Make<TQREvSqrtFunction>, "SQRT(<X>)", "<X> の平方根を返す", "2N"},
    {"DIV", Make<TQREvDivFunction>, "DIV(<X>, <Y>) ", "<X> を <Y> で整数除算", "2NN"},
    {"TYPEOF", Make<TQREvTypeOfFunction>, "TYPEOF(<Exp>)", "<EXP> の種類を返す", "6N"},
    {"FORMATNUMERIC", Make<TQREvFormatNumericFunction>, "FORMATNUMERIC(<F>,<N>)",
     "数値 <N> を書式 <F> で表現する", "7SN"},
};

} // namespace

TQRFunctionLibrary& QRFunctionLibrary() {
    static TQRFunctionLibrary library = [] {
        TQRFunctionLibrary built;
        for (const TStandardEntry& e : kStandard)
            built.Add({e.name, e.make, std::string(e.syntax) + "|" + cp932::Sys(e.description),
                       e.signature, "Zelmark"});
        return built;
    }();
    return library;
}

} // namespace zel
