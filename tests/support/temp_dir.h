#pragma once
// A fresh folder for one test, removed with everything in it afterwards.

#include <string>

namespace zel::test {

class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    const std::string& Path() const { return m_Path; }
    std::string File(const std::string& name) const { return m_Path + "/" + name; }

private:
    std::string m_Path;
};

// Raw file access for checking what the program wrote.
std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);

// Changes the current directory for one scope.
class TCurrentDirectory {
public:
    explicit TCurrentDirectory(const std::string& path);
    ~TCurrentDirectory();

private:
    std::string m_Old;
};

} // namespace zel::test
