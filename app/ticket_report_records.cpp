#include "app/ticket_report_records.h"

#include "platform/cp932.h"

namespace zel::app {

std::array<std::string, kExamNumberBoxes> ExamNumberBoxes(std::string_view examNumber) {
    std::array<std::string, kExamNumberBoxes> boxes;
    std::size_t pos = 0;
    for (std::string& box : boxes) {
        if (pos >= examNumber.size())
            break;
        const std::size_t length = cp932::CharLength(examNumber, pos);
        box = examNumber.substr(pos, length);
        pos += length;
    }
    return boxes;
}

bool LoadNextExaminee(const TTicketComponents& components, const TExamineeRows& rows, int& tag) {
    // Read now: the list may have changed since the last print.
    const bool moreData = tag < rows.RowCount() - 1;
    ++tag;
    components.NameLabel->SetCaption(rows.Cells(1, tag));
    components.VenueLabel->SetCaption(rows.Cells(2, tag));
    const auto boxes = ExamNumberBoxes(rows.Cells(0, tag));
    for (int k = 0; k < kExamNumberBoxes; ++k)
        components.Box(k)->SetCaption(boxes[k]);
    return moreData;
}

} // namespace zel::app
