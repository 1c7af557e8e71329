#pragma once
// The examinee list of tests/app/fixtures/, as the spreadsheets wrote it:
// Calc's clipboard block and one cell, Excel's clipboard, Excel's "CSV"
// (code page 932), "CSV UTF-8" and "Unicode テキスト" (UTF-16LE). Each file
// starts with the sheet's header row; the Calc block ends in two empty
// rows. The expected examinees are as the sheet shows them, UTF-8, a line
// break inside a cell being one space.

#include <array>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace zel::test {

inline std::string FixtureBytes(const std::string& name) {
    std::ifstream file(std::string(ZELMARK_SOURCE_DIR) + "/tests/app/fixtures/" + name,
                       std::ios::binary);
    EXPECT_TRUE(file) << name;
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

using TExamineeCells = std::array<std::string, 3>;

inline const std::vector<TExamineeCells>& SheetExaminees() {
    static const std::vector<TExamineeCells> examinees = {
        {"000101", "山田　太郎", "本校"},   {"000102", "佐藤　花子", "駅前校"},
        {"000103", "高橋 一郎", "駅前校"},  {"000104", "田中　美咲", "駅前校,第2教室"},
        {"000105", "伊藤 健太", "本校"},    {"100,111", "加藤　大輝", "本校"},
        {"000106", "\"中島\"　健", "本校"}, {"000107", "渡辺 直美", "駅前校"},
        {"000108", "小林　翔", "本校"},     {"000109", "中村　陽菜", "駅前校"},
        {"000110", "山本 蓮", "本校"},      {"000111", "吉田　結衣", "第2会場 (3F)"},
        {"000112", "山口　大和", "本校"},   {"000113", "松本　芽依", "駅前校"},
        {"000114", "井上　湊", "本校"},     {"000115", "木村　葵", "駅前校"},
        {"000116", "林　悠真", "本校"},     {"000117", "斎藤　凛", "駅前校"},
        {"000118", "清水　樹", "本校"},     {"000119", "山崎　咲良", "駅前校"},
        {"000120", "森　陽翔", "本校"},     {"000121", "池田　美桜", "駅前校"},
        {"000122", "橋本　颯太", "本校"},   {"000123", "阿部　心春", "駅前校"},
        {"000124", "石川　大翔", "本校"},   {"000125", "前田　莉子", "駅前校"},
        {"000126", "藤田　悠人", "本校"},   {"000127", "後藤　紬", "駅前校"},
        {"000128", "岡田　蒼", "本校"},     {"000129", "長谷川　澪", "駅前校"},
    };
    return examinees;
}

} // namespace zel::test
