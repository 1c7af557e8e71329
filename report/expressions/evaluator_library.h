#pragma once
// The registered functions an expression may call, by name (any case). Each
// entry says which element to make, how it is written and what it does
// (syntax "|" description), and its signature: a category digit (1 date and
// time, 2 mathematics, 3 statistics, 5 logic, 6 other, 7 text) followed by
// one letter per argument (N number, S string, B boolean, V any).

#include "report/expressions/evaluator_functions.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

struct TQRLibraryEntry {
    std::string Name; // upper case
    std::function<std::unique_ptr<TQREvElementFunction>()> Instance;
    std::string Description;
    std::string Data; // the signature
    std::string Vendor;
};

class TQRLibrary {
public:
    virtual ~TQRLibrary() = default;
    // An entry whose name is already present replaces it.
    void Add(TQRLibraryEntry entry);
    const TQRLibraryEntry* EntryByName(std::string_view name) const;
    int Count() const { return static_cast<int>(m_Entries.size()); }
    const TQRLibraryEntry& Entries(int index) const { return m_Entries[index]; }

private:
    std::vector<TQRLibraryEntry> m_Entries;
};

class TQRFunctionLibrary : public TQRLibrary {
public:
    // A new element for the named function, or nothing when it is unknown.
    std::unique_ptr<TQREvElementFunction> GetFunction(std::string_view name) const;
};

// The library every expression uses, with the standard functions.
TQRFunctionLibrary& QRFunctionLibrary();

} // namespace zel
