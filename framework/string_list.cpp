#include "framework/string_list.h"

#include "framework/exceptions.h"
#include "platform/cp932.h"

namespace zel {
namespace {

bool IsBlank(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 1 && b <= 32;
}

// A NUL ends a text, as it would a C string.
std::string_view UpToNul(std::string_view text) {
    const std::size_t nul = text.find('\0');
    return nul == std::string_view::npos ? text : text.substr(0, nul);
}

// Reads a quoted field starting at the opening quote at `pos`; leaves `pos`
// just after the closing quote. Doubled quotes stand for one quote. Without
// a closing quote the field takes the rest of the text minus its last
// character, as if that character were the closing quote.
std::string ReadQuotedField(std::string_view text, std::size_t& pos) {
    std::string field;
    std::size_t lastCharStart = std::string::npos;
    ++pos;
    while (pos < text.size()) {
        if (text[pos] == '"') {
            if (pos + 1 < text.size() && text[pos + 1] == '"') {
                lastCharStart = field.size();
                field += '"';
                pos += 2;
                continue;
            }
            ++pos;
            return field;
        }
        const std::size_t len = cp932::CharLength(text, pos);
        lastCharStart = field.size();
        field.append(text.substr(pos, len));
        pos += len;
    }
    if (lastCharStart != std::string::npos)
        field.resize(lastCharStart);
    return field;
}

bool NeedsQuotes(std::string_view s) {
    for (std::size_t i = 0; i < s.size(); i += cp932::CharLength(s, i)) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b <= 32 || s[i] == '"' || s[i] == ',')
            return true;
    }
    return false;
}

// Quotes are doubled where reading sees one: at a character's start, never
// in the second byte of a double-byte character, which reading takes along
// with its first byte whatever it is.
std::string Quoted(std::string_view s) {
    std::string out = "\"";
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t len = cp932::CharLength(s, i);
        out.append(s.substr(i, len));
        if (len == 1 && s[i] == '"')
            out += '"';
        i += len;
    }
    out += '"';
    return out;
}

} // namespace

std::vector<std::string_view> SplitLines(std::string_view text) {
    text = UpToNul(text);
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t stop = pos;
        while (stop < text.size() && text[stop] != '\r' && text[stop] != '\n')
            ++stop;
        lines.push_back(text.substr(pos, stop - pos));
        pos = stop;
        if (pos < text.size() && text[pos] == '\r')
            ++pos;
        if (pos < text.size() && text[pos] == '\n')
            ++pos;
    }
    return lines;
}

std::vector<std::string> SplitCommaFields(std::string_view text) {
    text = UpToNul(text);
    std::vector<std::string> fields;
    std::size_t pos = 0;
    auto skipBlanks = [&] {
        while (pos < text.size() && IsBlank(text[pos]))
            ++pos;
    };
    skipBlanks();
    while (pos < text.size()) {
        if (text[pos] == '"') {
            fields.push_back(ReadQuotedField(text, pos));
        } else {
            const std::size_t start = pos;
            while (pos < text.size() && !IsBlank(text[pos]) && text[pos] != ',')
                pos += cp932::CharLength(text, pos);
            fields.emplace_back(text.substr(start, pos - start));
        }
        skipBlanks();
        if (pos < text.size() && text[pos] == ',') {
            ++pos;
            skipBlanks();
        }
    }
    return fields;
}

int TStrings::Add(const std::string& s) {
    const int index = Count();
    Insert(index, s);
    return index;
}

int TStrings::AddObject(const std::string& s, void* object) {
    const int index = Add(s);
    if (index >= 0)
        PutObject(index, object);
    return index;
}

int TStrings::IndexOf(std::string_view s) const {
    for (int i = 0; i < Count(); ++i)
        if (Get(i) == s)
            return i;
    return -1;
}

void TStrings::Assign(const TStrings& source) {
    Updating([&] {
        Clear();
        for (int i = 0; i < source.Count(); ++i)
            AddObject(source.Get(i), source.GetObject(i));
    });
}

void TStrings::SetText(std::string_view text) {
    Updating([&] {
        Clear();
        for (const std::string_view line : SplitLines(text))
            Add(std::string(line));
    });
}

std::string TStrings::Text() const {
    std::string out;
    for (int i = 0; i < Count(); ++i) {
        out += Get(i);
        out += "\r\n";
    }
    return out;
}

void TStrings::SetCommaText(std::string_view text) {
    Updating([&] {
        Clear();
        for (const std::string& field : SplitCommaFields(text))
            Add(field);
    });
}

std::string TStrings::CommaText() const {
    const int count = Count();
    if (count == 1 && Get(0).empty())
        return "\"\"";
    std::string out;
    for (int i = 0; i < count; ++i) {
        const std::string item = Get(i);
        out += NeedsQuotes(item) ? Quoted(item) : item;
        if (i + 1 < count)
            out += ',';
    }
    return out;
}

void TStrings::BeginUpdate() {
    if (m_UpdateCount++ == 0)
        SetUpdateState(true);
}

void TStrings::EndUpdate() {
    if (--m_UpdateCount == 0)
        SetUpdateState(false);
}

void TStrings::Put(int index, const std::string& s) {
    void* object = GetObject(index);
    Delete(index);
    Insert(index, s);
    PutObject(index, object);
}

void* TStrings::GetObject(int) const {
    return nullptr;
}
void TStrings::PutObject(int, void*) {}
void TStrings::SetUpdateState(bool) {}

void TStringList::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        RaiseListIndexError(index);
}

void TStringList::Insert(int index, const std::string& s) {
    if (index < 0 || index > Count())
        RaiseListIndexError(index);
    m_Items.insert(m_Items.begin() + index, {s, nullptr});
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    m_Items.erase(m_Items.begin() + index);
}

std::string TStringList::Get(int index) const {
    CheckIndex(index);
    return m_Items[static_cast<std::size_t>(index)].first;
}

void TStringList::Put(int index, const std::string& s) {
    CheckIndex(index);
    m_Items[static_cast<std::size_t>(index)].first = s;
}

void* TStringList::GetObject(int index) const {
    CheckIndex(index);
    return m_Items[static_cast<std::size_t>(index)].second;
}

void TStringList::PutObject(int index, void* object) {
    CheckIndex(index);
    m_Items[static_cast<std::size_t>(index)].second = object;
}

} // namespace zel
