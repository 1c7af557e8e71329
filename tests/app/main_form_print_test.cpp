#include "app/main_form.h"
#include "app/settings.h"
#include "app/ticket_report.h"
#include "app/ticket_report_grid_examinees.h"
#include "grid/string_grid.h"
#include "output/report_printer.h"
#include "platform/cp932.h"
#include "tests/output/report_printer_test_support.h"
#include "tests/support/message_box_spy.h"
#include "tests/support/temp_dir.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace zel::app {
namespace {

// The main window with the ticket report made after it, as at start-up;
// the report's pages stay in its report printer instead of a preview, on
// a device that offers B5.
class MainFormPrintTest : public testing::Test {
protected:
    MainFormPrintTest() {
        form.SetTicketReport(&report);
        report.OnPreview = [this](TQRPrinter& printer) {
            printer.PrinterSettings().SetDevice(&device);
        };
    }

    std::vector<std::string> PageTexts(int page) const {
        std::vector<std::string> texts;
        const auto metafile = report.QRPrinter()->GetPage(page);
        for (const auto& record : metafile->Page().Records())
            if (const auto* text = std::get_if<platform::TTextOutRecord>(&record))
                if (!text->Text.empty())
                    texts.push_back(cp932::ToUtf8(text->Text));
        return texts;
    }
    void SetRow(int row, const char* number, const char* name, const char* venue) {
        grid.SetCells(0, row, cp932::FromUtf8(number));
        grid.SetCells(1, row, cp932::FromUtf8(name));
        grid.SetCells(2, row, cp932::FromUtf8(venue));
    }

    test::TTempDir dir;
    test::TCurrentDirectory in{dir.Path()};
    test::TMessageBoxSpy box;
    TMainForm form;
    TStringGrid& grid = *form.ExamineeGrid;
    TGridExaminees examinees{grid};
    test::TAcceptingDevice device;
    TTicketReport report{examinees};
};

TEST_F(MainFormPrintTest, WithoutATermNothingOfTheReportChanges) {
    report.NameLabel->SetTop(7);
    form.SchoolNameEdit->setText(QString::fromUtf8("ゼルマーク塾"));
    form.PrintButton->click();
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(report.SchoolNameLabel->Caption(), cp932::FromUtf8("一二三四五六七八九十"));
    EXPECT_EQ(report.NameLabel->Top(), 7);
    EXPECT_EQ(report.QRPrinter(), nullptr);
}

TEST_F(MainFormPrintTest, PrintsTheListWithTheHeaderFieldsAndTheStoredOffsets) {
    OpenSettings().WriteString(kSectionMargin, kKeyTop, "10");
    OpenSettings().WriteString(kSectionMargin, kKeyLeft, "-10");
    form.SchoolNameEdit->setText(QString::fromUtf8("ゼルマーク塾"));
    form.YearEdit->setText(QStringLiteral("31"));
    form.TermCombo->setCurrentIndex(2);
    grid.SetRowCount(3);
    SetRow(1, "1234567", "山田　太郎", "本校");
    SetRow(2, "Ａ12", "佐藤　花子", "駅前校");
    form.PrintButton->click();

    EXPECT_TRUE(box.shown.empty());
    EXPECT_EQ(report.NameLabel->Top(), 103);
    EXPECT_EQ(report.NameLabel->Left(), 100);
    ASSERT_EQ(report.QRPrinter()->PageCount(), 1);
    // Labels print in the band's order: school, the six boxes, name, venue,
    // year, term.
    const std::vector<std::string> expected = {"ゼルマーク塾",
                                               "1",
                                               "2",
                                               "3",
                                               "4",
                                               "5",
                                               "6",
                                               "山田　太郎",
                                               "本校",
                                               "31",
                                               "冬期",
                                               "ゼルマーク塾",
                                               "Ａ",
                                               "1",
                                               "2",
                                               "佐藤　花子",
                                               "駅前校",
                                               "31",
                                               "冬期"};
    EXPECT_EQ(PageTexts(1), expected);
}

TEST_F(MainFormPrintTest, StartUpListPrintsOneTicketOfHeaderFieldsOnly) {
    form.SchoolNameEdit->setText(QString::fromUtf8("ゼルマーク塾"));
    form.YearEdit->clear(); // an empty year prints as an empty field
    form.TermCombo->setCurrentIndex(0);
    form.PrintButton->click();
    ASSERT_EQ(report.QRPrinter()->PageCount(), 1);
    EXPECT_EQ(PageTexts(1), (std::vector<std::string>{"ゼルマーク塾", "夏期"}));
}

TEST_F(MainFormPrintTest, CaptionRowAloneBeginsNoPage) {
    grid.SetFixedRows(0);
    grid.SetRowCount(1);
    SetRow(0, "1", "見出し", "会場");
    form.TermCombo->setCurrentIndex(1);
    form.PrintButton->click();
    ASSERT_NE(report.QRPrinter(), nullptr);
    EXPECT_EQ(report.QRPrinter()->PageCount(), 0);
}

} // namespace
} // namespace zel::app
