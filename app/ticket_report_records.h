#pragma once
// One ticket's record: a grid row loaded into the labels that change from
// ticket to ticket.

#include "app/ticket_report_examinees.h"
#include "app/ticket_report_layout.h"

#include <array>
#include <string>
#include <string_view>

namespace zel::app {

// The exam number one character to a box: a double-byte character fills
// one box whole, boxes past the number's end stay empty, and characters
// past the sixth are not printed.
std::array<std::string, kExamNumberBoxes> ExamNumberBoxes(std::string_view examNumber);

// Loads the row after `tag` and moves `tag` on to it. The answer, whether
// that row is an examinee row, is decided before the counter moves; the
// row past the end is loaded all the same and never printed.
bool LoadNextExaminee(const TTicketComponents& components, const TExamineeRows& rows, int& tag);

} // namespace zel::app
