// The generation run end to end: records from OnNeedData placed down the columns and across pages
// of the ticket page, read back from the recorded pages and from the bands' own print events.

#include "tests/report/report_run_test_support.h"

#include <gtest/gtest.h>

namespace zel::test {
namespace {

using Places = std::vector<TRunReport::TPlace>;

TEST(ReportRun, WhatPrintsWithoutRecords) {
    enum TSource { NeedData, NoSource, EmptyDataSet };
    const struct {
        const char* what;
        TSource source;
        bool printIfEmpty;
        int pages;
        std::vector<TQRBandType> printed;
    } cases[] = {
        // OnNeedData that answers "no more" at once prints nothing at all,
        // whatever PrintIfEmpty says.
        {"no first record", NeedData, true, 0, {}},
        {"no record source, print if empty", NoSource, true, 1, {rbTitle, rbDetail, rbSummary}},
        {"no record source, nothing if empty", NoSource, false, 0, {}},
        // An open data set without records is never asked OnNeedData.
        {"empty data set, print if empty", EmptyDataSet, true, 1, {rbTitle, rbDetail, rbSummary}},
        {"empty data set, nothing if empty", EmptyDataSet, false, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TRunReport run(0);
        TKindDataSet empty({});
        run.AddBand(rbTitle, 100);
        run.AddBand(rbSummary, 100);
        if (c.source == NoSource)
            run.report.OnNeedData = nullptr;
        if (c.source == EmptyDataSet)
            run.report.SetDataSet(&empty);
        run.report.SetPrintIfEmpty(c.printIfEmpty);
        run.report.Preview();
        ASSERT_NE(run.report.QRPrinter(), nullptr);
        EXPECT_EQ(std::pair(run.report.QRPrinter()->Status(), run.report.QRPrinter()->PageCount()),
                  std::pair(TQRPrinterStatus::Finished, c.pages));
        std::vector<TQRBandType> printed;
        for (const auto& p : run.printedBands)
            printed.push_back(p.Type);
        EXPECT_EQ(printed, c.printed);
        EXPECT_EQ(run.asked, c.source == NeedData ? 1 : 0);
    }
}

TEST(ReportRun, PageHeadersAndFootersFollowTheOptions) {
    struct TCase {
        TQRReportOptions options;
        std::vector<int> headerPages, footerPages;
    };
    const std::vector<TCase> cases = {
        {{TQRReportOption::FirstPageHeader, TQRReportOption::LastPageFooter}, {1, 2, 3}, {1, 2, 3}},
        {{}, {2, 3}, {1, 2}},
    };
    for (const TCase& c : cases) {
        TRunReport run(21);
        run.AddBand(rbPageHeader, 100);
        run.AddBand(rbPageFooter, 150);
        run.report.SetOptions(c.options);
        run.report.Preview();
        std::vector<int> headerPages, footerPages;
        for (const auto& p : run.OfType(rbPageHeader))
            headerPages.push_back(p.Page);
        for (const auto& p : run.OfType(rbPageFooter)) {
            footerPages.push_back(p.Page);
            // At the bottom margin less the footers' height.
            EXPECT_EQ(p.Rect.Top, ScreenPixels(2570 - 100 - 150));
        }
        EXPECT_EQ(std::pair(headerPages, footerPages), std::pair(c.headerPages, c.footerPages));
        // Header 100 and footer 150 leave 2220: four tickets a column.
        const auto details = run.Places(rbDetail);
        const int firstTop =
            ScreenPixels(c.options.Contains(TQRReportOption::FirstPageHeader) ? 100 : 0);
        EXPECT_EQ(details[0], (TRunReport::TPlace{1, 1, firstTop}));
        EXPECT_EQ(details[4], (TRunReport::TPlace{1, 2, firstTop}));
        EXPECT_EQ(details[8], (TRunReport::TPlace{2, 1, ScreenPixels(100)}));
    }
}

TEST(ReportRun, ForcedBreaksAreAbsorbedOnceAndABandTallerThanThePageStaysWhereItIs) {
    TRunReport column(3);
    column.detail->SetForceNewColumn(true);
    column.report.Preview();
    EXPECT_EQ(column.Places(rbDetail), (Places{{1, 1, 0}, {1, 1, ScreenPixels(490)}, {1, 2, 0}}));
    TRunReport page(3);
    page.AddBand(rbTitle, 200);
    page.detail->SetForceNewPage(true);
    page.report.Preview();
    EXPECT_EQ(page.Places(rbDetail), (Places{{1, 1, ScreenPixels(200)}, {2, 1, 0}, {3, 1, 0}}));
    EXPECT_EQ(page.report.QRPrinter()->PageCount(), 3);
    // A band taller than the page prints where it stands.
    TRunReport run(2);
    SetStoredHeight(run.detail, 1000);
    run.detail->BeforePrint = [&](TQRCustomBand& band, bool&) {
        if (run.given == 2)
            band.Size().SetHeight(3000);
    };
    run.report.Preview();
    EXPECT_EQ(run.Places(rbDetail), (Places{{1, 1, 0}, {1, 1, ScreenPixels(1000)}}));
}

TEST(ReportRun, AVetoedBandKeepsItsPlaceButRaisesAfterPrintAndPrintsItsChild) {
    TRunReport run(3);
    run.detail->SetHasChild(true);
    TQRCustomBand* child = run.detail->ChildBand();
    SetStoredHeight(child, 100);
    child->AfterPrint = [&](TQRCustomBand& b, bool printed) { run.Log(b, printed); };
    run.detail->BeforePrint = [&](TQRCustomBand&, bool& print) { print = run.given != 2; };
    run.report.Preview();
    std::string order; // + printed, - vetoed
    for (const auto& p : run.printedBands)
        order += std::string(p.Type == rbChild ? "C" : "D") + (p.Printed ? "+ " : "- ");
    EXPECT_EQ(order, "D+ C+ D- C+ D+ C+ ");
    // The vetoed record takes no room: its child follows the first child.
    EXPECT_EQ(std::pair(run.printedBands[3].Rect.Top, run.printedBands[4].Rect.Top),
              std::pair(ScreenPixels(590), ScreenPixels(690)));
}

TEST(ReportRun, AlignToBottomMovesABandDownNeverUp) {
    TRunReport run(6);
    run.AddBand(rbSummary, 200)->SetAlignToBottom(true);
    run.report.Preview();
    EXPECT_EQ(run.Places(rbSummary), (Places{{1, 2, ScreenPixels(2570 - 100 - 200)}}));
    // Four tickets end at 1960, below where the band would align (1870): it
    // stays where it is, finds 510 left, and goes to the top of column 2.
    TRunReport tall(4);
    tall.AddBand(rbSummary, 600)->SetAlignToBottom(true);
    tall.report.Preview();
    EXPECT_EQ(tall.Places(rbSummary), (Places{{1, 2, 0}}));
}

TEST(ReportRun, ExpressionsShowReportValuesAndCountTheRecordsOfTheirMaster) {
    TRunReport run(11);
    run.report.SetReportTitle("Tickets");
    run.label->SetEnabled(false);
    const std::string where = "REPORTTITLE+' '+STR(PAGENUMBER)+'/'+STR(COLUMNNUMBER)";
    TQRExpr* const place = run.AddExpr(run.detail);
    place->SetExpression(where);
    TQRExpr* const count = run.AddExpr(run.AddBand(rbPageFooter, 100));
    EXPECT_EQ(count->Caption(), cp932::FromUtf8("(なし)")) << "no expression yet";
    count->SetExpression("COUNT");
    count->SetResetAfterPrint(true);
    count->SetMask("0' tickets'");
    run.report.Preview();
    // The footer leaves four tickets a column: eight on page 1.
    std::vector<std::string> texts;
    for (int page : {1, 2})
        for (const auto& text : run.Texts(page))
            texts.push_back(text.Text);
    ASSERT_EQ(texts.size(), 13u);
    EXPECT_EQ((std::vector{texts[0], texts[4], texts[8], texts[9], texts[12]}),
              (std::vector<std::string>{"Tickets 1/1", "Tickets 1/2", "8 tickets", "Tickets 2/1",
                                        "3 tickets"}));
    EXPECT_EQ(place->Caption(), where) << "between runs the label shows its expression again";
}

} // namespace
} // namespace zel::test
