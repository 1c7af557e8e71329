#include "report/expressions/evaluator_environment.h"

#include "framework/format.h"
#include "framework/messages.h"
#include "platform/clock.h"
#include "platform/cp932.h"

#include <algorithm>

namespace zel {

namespace {

// Entries naming entries naming entries: each level is a nested evaluation
// on the stack, so a long enough chain must stop like a cycle does.
constexpr int kMaxEntryNesting = 64;
int g_EntryNesting = 0;

// A string constant's expression text.
std::string Quoted(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 2);
    out.append(1, '\'').append(text).append(1, '\'');
    return out;
}

} // namespace

TQREvResult TQREvEmbeddedFunction::Value(TQRFiFo&) {
    if (m_Busy)
        return ErrorResult(cp932::Sys(msg::kEvRecursion));
    if (g_EntryNesting >= kMaxEntryNesting)
        return ErrorResult(cp932::Sys(msg::kEvTooComplex));
    m_Busy = true;
    ++g_EntryNesting;
    struct TRelease {
        TQREvEmbeddedFunction* self;
        ~TRelease() {
            self->m_Busy = false;
            --g_EntryNesting;
        }
    } release{this};
    return m_Evaluator.Value();
}

TQREvEnvironment::~TQREvEnvironment() {
    m_PrepareCount = 0;
    Clear();
}

TQREvEmbeddedFunction* TQREvEnvironment::Entry(std::string_view name) const {
    const int index = IndexOf(AnsiUpper(name));
    return index < 0 ? nullptr : static_cast<TQREvEmbeddedFunction*>(Objects(index));
}

void TQREvEnvironment::AddFunction(std::string_view name, std::string_view expression) {
    const std::string key = AnsiUpper(name);
    if (IndexOf(key) >= 0)
        return;
    auto entry = std::make_shared<TQREvEmbeddedFunction>(std::string(expression));
    m_Entries.push_back(entry);
    AddObject(key, entry.get());
    if (m_PrepareCount > 0)
        PrepareEntry(*entry);
}

void TQREvEnvironment::DeleteFunction(std::string_view name) {
    const int index = IndexOf(AnsiUpper(name));
    if (index >= 0)
        Delete(index);
}

std::unique_ptr<TQREvElement> TQREvEnvironment::Element(std::string_view name) const {
    const TQREvEmbeddedFunction* entry = Entry(name);
    if (!entry)
        return nullptr;
    for (const auto& owned : m_Entries) {
        if (owned.get() == entry)
            return std::make_unique<TQREvElementWrapper>(owned, std::string(name));
    }
    return nullptr;
}

void TQREvEnvironment::PrepareEntry(TQREvEmbeddedFunction& entry) {
    entry.Evaluator().SetDataSets(m_DataSets);
    entry.Evaluator().SetEnvironment(this);
    entry.Evaluator().Prepare(entry.Expression());
}

void TQREvEnvironment::Prepare() {
    if (++m_PrepareCount != 1)
        return;
    for (const auto& entry : m_Entries)
        PrepareEntry(*entry);
}

void TQREvEnvironment::Unprepare() {
    // An unprepare from inside the entries' own unprepare is part of this one.
    if (m_Unpreparing || m_PrepareCount == 0)
        return;
    if (--m_PrepareCount != 0)
        return;
    m_Unpreparing = true;
    for (const auto& entry : m_Entries)
        entry->Evaluator().Unprepare();
    m_Unpreparing = false;
}

TQREvElement* TQREvEnvironment::GetConstant(std::string_view name) const {
    TQREvEmbeddedFunction* entry = Entry(name);
    if (!entry || !entry->Evaluator().Prepared() || entry->Evaluator().FiFo().Count() == 0)
        return nullptr;
    return entry->Evaluator().FiFo().Items(0);
}

void TQREvEnvironment::SetIntegerConstant(TQREvElement* element, std::int32_t value) {
    if (auto* constant = dynamic_cast<TQREvElementConstant*>(element))
        constant->SetValue(IntResult(value));
}

void TQREvEnvironment::SetStringConstant(TQREvElement* element, std::string_view value) {
    if (auto* constant = dynamic_cast<TQREvElementConstant*>(element))
        constant->SetValue(StringResult(value));
    else if (auto* text = dynamic_cast<TQREvElementString*>(element))
        text->SetText(value);
}

void TQREvEnvironment::SetConstant(TQREvElement* element, const TQREvResult& value) {
    if (auto* constant = dynamic_cast<TQREvElementConstant*>(element))
        constant->SetValue(value);
    else if (auto* text = dynamic_cast<TQREvElementString*>(element);
             text && value.Kind == TQREvResultType::resString)
        text->SetText(value.StrResult);
}

std::vector<std::string> TQREvEnvironment::Data() const {
    std::vector<std::string> out;
    for (int i = 0; i < Count(); ++i) {
        const auto* entry = static_cast<const TQREvEmbeddedFunction*>(Objects(i));
        out.push_back(entry ? entry->Expression() : std::string());
    }
    return out;
}

void TQREvEnvironment::SetData(const std::vector<std::string>& expressions) {
    const int count = std::min(Count(), static_cast<int>(expressions.size()));
    for (int i = 0; i < count; ++i) {
        const std::string name = Strings(i);
        Delete(i);
        auto entry = std::make_shared<TQREvEmbeddedFunction>(expressions[i]);
        m_Entries.push_back(entry);
        Insert(i, name);
        SetObjects(i, entry.get());
        if (m_PrepareCount > 0)
            PrepareEntry(*entry);
    }
}

void TQREvEnvironment::Delete(int index) {
    void* object = index >= 0 && index < Count() ? Objects(index) : nullptr;
    TStringList::Delete(index); // checks the index
    std::erase_if(m_Entries, [&](const auto& entry) { return entry.get() == object; });
}

void TQREvEnvironment::Clear() {
    TStringList::Clear();
    m_Entries.clear();
}

TQREvEnvironment& QRGlobalEnvironment() {
    static TQREvEnvironment global;
    static const bool built = [] {
        global.AddFunction("AppStartTime", Quoted(platform::CurrentTimeText()));
        global.AddFunction("AppStartDate", Quoted(platform::CurrentDateText()));
        // The program's title; the engine cannot ask the application for it.
        global.AddFunction("AppName", "'Zelmark'");
        return true;
    }();
    (void)built;
    return global;
}

} // namespace zel
