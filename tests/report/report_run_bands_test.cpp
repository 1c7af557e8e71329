// The order and place of the bands around the records: groups with their
// footers and reprinted headers, sub-details, column headers, title,
// summary and the page events, read back from the bands' print events.

#include "tests/report/report_run_test_support.h"

#include <gtest/gtest.h>

namespace zel::test {
namespace {

using TPlace = TRunReport::TPlace;
using Places = std::vector<TPlace>;

// A run whose bands write "name:what" when they have printed; `what`
// describes the record at that moment.
struct TTrackedRun : TRunReport {
    explicit TTrackedRun(int records = 0) : TRunReport(records) { Track(detail, "D"); }

    void Track(TQRCustomBand* band, std::string name) {
        band->AfterPrint = [this, name](TQRCustomBand& b, bool printed) {
            Note(name + ":" + (describe ? describe() : std::to_string(given)));
            Log(b, printed);
        };
    }
    TQRGroup* AddGroup(const char* expression, long double height) {
        auto* group = Place(report.Own(std::make_unique<TQRGroup>()), height);
        group->SetExpression(expression);
        return group;
    }

    std::function<std::string()> describe;
    void Note(const std::string& event) { events += (events.empty() ? "" : " ") + event; }

    std::string events; // "D:1 D:2"
};

TEST(ReportRunGroups, HeadersOpenAndFootersCloseEachRunOfEqualValues) {
    TKindDataSet rows({{"A", 1}, {"A", 1}, {"B", 1}, {"B", 1}, {"B", 1}});
    TTrackedRun run;
    run.report.SetDataSet(&rows);
    run.describe = [&] { return rows.Current().kind; };
    run.Track(run.AddBand(rbTitle, 100), "T");
    run.Track(run.AddBand(rbSummary, 100), "S");
    TQRGroup* group = run.AddGroup("KIND", 100);
    group->SetFooterBand(run.AddBand(rbDetail, 100)); // becomes a group footer
    run.Track(group, "GH");
    run.Track(group->FooterBand(), "GF");
    run.report.Preview();
    // The group on the report without a master takes the report.
    EXPECT_EQ(group->Master(), &run.report);
    // A footer shows the last record of its group, the data set stepped
    // back for it; the last group closes before the summary.
    EXPECT_EQ(run.events, "T:A GH:A D:A D:A GF:A GH:B D:B D:B D:B GF:B S:B");
    // Title 100, header 100, two tickets (980), footer, header: the third ticket starts at 1380.
    EXPECT_EQ(run.OfType(rbDetail).at(2).Rect.Top, ScreenPixels(1380));
}

TEST(ReportRunGroups, AnOuterChangeRestartsTheInnerGroup) {
    TKindDataSet rows({{"X", 1}, {"X", 1}, {"X", 2}, {"Y", 2}});
    TTrackedRun run;
    run.report.SetDataSet(&rows);
    run.describe = [&] { return rows.Describe(); };
    TQRGroup* outer = run.AddGroup("KIND", 50);
    TQRGroup* inner = run.AddGroup("N", 50);
    outer->SetFooterBand(run.AddBand(rbDetail, 50));
    inner->SetFooterBand(run.AddBand(rbDetail, 50));
    run.Track(outer, "Ho");
    run.Track(inner, "Hi");
    run.Track(outer->FooterBand(), "Fo");
    run.Track(inner->FooterBand(), "Fi");
    run.report.Preview();
    // Y2 keeps N at 2, yet the inner group closes and opens again with
    // the outer one: footers inside out, headers outside in.
    EXPECT_EQ(run.events,
              "Ho:X1 Hi:X1 D:X1 D:X1 Fi:X1 Hi:X2 D:X2 Fi:X2 Fo:X2 Ho:Y2 Hi:Y2 D:Y2 Fi:Y2 Fo:Y2");
}

TEST(ReportRunGroups, AnOpenGroupReprintsItsHeaderAtTheTopOfANewPageWhenAsked) {
    for (const bool reprint : {true, false}) {
        SCOPED_TRACE(reprint);
        TKindDataSet rows(std::vector<TKindDataSet::TRow>(12, {"A", 1}));
        TTrackedRun run;
        run.report.SetDataSet(&rows);
        TQRGroup* group = run.AddGroup("KIND", 100);
        group->SetReprintOnNewPage(reprint);
        run.Track(group, "GH");
        run.report.Preview();
        EXPECT_EQ(run.Places(rbGroupHeader),
                  (reprint ? Places{{1, 1, 0}, {2, 1, 0}} : Places{{1, 1, 0}}));
        // Page 1: header, four tickets below it; column 2 of the same page
        // gets no header and holds five.
        const auto details = run.Places(rbDetail);
        ASSERT_EQ(details.size(), 12u);
        EXPECT_EQ((Places{details[3], details[4], details[9]}),
                  (Places{{1, 1, ScreenPixels(100 + 3 * 490)},
                          {1, 2, 0},
                          {2, 1, ScreenPixels(reprint ? 100 : 0)}}));
    }
}

TEST(ReportRunSubDetails, RunOncePerMasterRecordBeforeOrAfterItsDetail) {
    // Lines from OnNeedData, printed after or before the detail; or no
    // record source, with one set printed if empty ones may.
    enum TSetup { After, Before, PrintIfEmpty, NothingIfEmpty };
    const struct {
        TSetup setup;
        const char* expected;
    } cases[] = {
        // Record 2 has no lines: its sub-detail prints nothing, not even its header.
        {After, "D:1 SH:1 SD:1 SD:1 SF:1 D:2 D:3 SH:3 SD:3 SD:3 SF:3"},
        {Before, "SH:1 SD:1 SD:1 SF:1 D:1 D:2 SH:3 SD:3 SD:3 SF:3 D:3"},
        {PrintIfEmpty, "D:1 SH:1 SD:1 SF:1 D:2 SH:2 SD:2 SF:2 D:3 SH:3 SD:3 SF:3"},
        {NothingIfEmpty, "D:1 D:2 D:3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setup);
        const bool source = c.setup == After || c.setup == Before;
        TTrackedRun run(3);
        auto* sub = run.Place(run.report.Own(std::make_unique<TQRSubDetail>()), 100);
        sub->SetMaster(&run.report);
        sub->SetPrintBefore(c.setup == Before);
        sub->SetHeaderBand(run.AddBand(rbGroupHeader, 100));
        sub->SetFooterBand(run.AddBand(rbGroupFooter, 100));
        run.Track(sub, "SD");
        run.Track(sub->HeaderBand(), "SH");
        run.Track(sub->FooterBand(), "SF");
        int lines = 0;
        run.onRecord = [&](int) { lines = 0; };
        TQRComponent* sender = nullptr;
        if (source)
            sub->OnNeedData = [&](TQRComponent& from, bool& moreData) {
                sender = &from;
                moreData = run.given != 2 && lines < 2;
                if (moreData)
                    ++lines;
            };
        else
            sub->SetPrintIfEmpty(c.setup == PrintIfEmpty);
        run.report.Preview();
        EXPECT_EQ(run.events, c.expected);
        EXPECT_EQ(sender, source ? sub : nullptr);
    }
}

TEST(ReportRunHeaders, EnabledColumnHeadersTopEveryColumnBelowTheTitleOnPageOne) {
    TTrackedRun run(11);
    run.Track(run.AddBand(rbTitle, 200), "T");
    run.Track(run.AddBand(rbColumnHeader, 100), "CH");
    run.Track(run.AddBand(rbSummary, 100), "S");
    run.report.Preview();
    EXPECT_EQ(run.Places(rbColumnHeader),
              (Places{{1, 1, ScreenPixels(200)}, {1, 2, ScreenPixels(200)}, {2, 1, 0}}));
    EXPECT_EQ(run.OfType(rbColumnHeader).at(1).Rect.Left, ScreenPixels(915));
    const auto details = run.Places(rbDetail);
    ASSERT_EQ(details.size(), 11u);
    // Below title and header four tickets fit a column of page 1.
    EXPECT_EQ(
        (Places{details[0], details[4], details[8]}),
        (Places{{1, 1, ScreenPixels(300)}, {1, 2, ScreenPixels(300)}, {2, 1, ScreenPixels(100)}}));
    // The summary follows the last ticket where it ends.
    EXPECT_EQ(run.Places(rbSummary), (Places{{2, 1, ScreenPixels(100 + 3 * 490)}}));

    // A disabled column header is not printed and takes no room.
    TTrackedRun disabled(1);
    disabled.AddBand(rbColumnHeader, 100)->SetEnabled(false);
    disabled.report.Preview();
    EXPECT_EQ(disabled.Places(rbColumnHeader), Places{});
    EXPECT_EQ(disabled.Places(rbDetail), (Places{{1, 1, 0}}));
}

TEST(ReportRunPages, WithOneColumnEveryNewColumnIsANewPageBetweenThePageEvents) {
    TTrackedRun run(6);
    run.report.Page().SetColumns(1);
    run.Track(run.AddBand(rbPageHeader, 100), "PH");
    run.Track(run.AddBand(rbPageFooter, 100), "PF");
    run.report.OnStartPage = [&](TCustomPagettaRep& r) {
        run.Note("start" + std::to_string(r.PageNumber()));
    };
    run.report.OnEndPage = [&](TCustomPagettaRep& r) {
        run.Note("end" + std::to_string(r.PageNumber()));
    };
    run.report.Preview();
    // Header and footer leave 2270: four tickets a page.
    EXPECT_EQ(run.events, "start1 PH:1 D:1 D:2 D:3 D:4 PF:5 end1 start2 PH:5 D:5 D:6 PF:6 end2");
    for (const auto& p : run.OfType(rbDetail))
        EXPECT_EQ(p.Column, 1);
}

} // namespace
} // namespace zel::test
