#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace zel::test {

TTempDir::TTempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zeltestXXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a test folder");
    m_Path = pattern;
}

TTempDir::~TTempDir() {
    std::error_code ignored;
    std::filesystem::permissions(m_Path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_Path, ignored);
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

TCurrentDirectory::TCurrentDirectory(const std::string& path)
    : m_Old(std::filesystem::current_path().string()) {
    std::filesystem::current_path(path);
}

TCurrentDirectory::~TCurrentDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(m_Old, ignored);
}

} // namespace zel::test
