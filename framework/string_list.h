#pragma once
// Ordered lists of texts (each with an object reference), with the system's
// rules for splitting a text into lines and a line into comma fields.
// TStrings is the abstract list; grids supply row and column views of it.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zel {

class TStrings {
public:
    virtual ~TStrings() = default;

    virtual int Count() const = 0;
    std::string Strings(int index) const { return Get(index); }
    void SetStrings(int index, const std::string& s) { Put(index, s); }
    void* Objects(int index) const { return GetObject(index); }
    void SetObjects(int index, void* object) { PutObject(index, object); }

    // Appends and returns the new item's index (a view may place it elsewhere).
    virtual int Add(const std::string& s);
    int AddObject(const std::string& s, void* object);
    virtual void Insert(int index, const std::string& s) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    int IndexOf(std::string_view s) const;

    // Copies every item (text and object) of `source` after emptying this list.
    virtual void Assign(const TStrings& source);

    // Lines separated by CR LF, CR or LF; a NUL ends the text.
    void SetText(std::string_view text);
    // Every item followed by CR LF.
    std::string Text() const;
    // Fields separated by commas and blanks (bytes 1..32), with quoting.
    // Views that know where each field goes may place them directly.
    virtual void SetCommaText(std::string_view text);
    std::string CommaText() const;

    // Counted; the list learns when the outermost bracket opens and closes.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return m_UpdateCount; }

protected:
    virtual std::string Get(int index) const = 0;
    virtual void Put(int index, const std::string& s);
    virtual void* GetObject(int index) const;
    virtual void PutObject(int index, void* object);
    virtual void SetUpdateState(bool updating);
    // Runs `fn` inside a begin/end-update bracket that closes on errors too.
    template <typename Fn> void Updating(Fn&& fn) {
        BeginUpdate();
        try {
            fn();
        } catch (...) {
            EndUpdate();
            throw;
        }
        EndUpdate();
    }

private:
    int m_UpdateCount = 0;
};

// Splitting rules on their own, for callers that only need the pieces.
// The lines are views into `text`, so a long text is split without a copy
// of each line.
std::vector<std::string_view> SplitLines(std::string_view text);
std::vector<std::string> SplitCommaFields(std::string_view text);

class TStringList : public TStrings {
public:
    int Count() const override { return static_cast<int>(m_Items.size()); }
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override { m_Items.clear(); }

protected:
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    void* GetObject(int index) const override;
    void PutObject(int index, void* object) override;

private:
    void CheckIndex(int index) const;
    std::vector<std::pair<std::string, void*>> m_Items;
};

} // namespace zel
