#pragma once
// Date pictures as the locale gives them ("yyyy/MM/dd", "yyyy年M月d日"):
// runs of d, M and y letters are fields, text in single quotes and every
// other character is kept as it stands. Code page 932 throughout.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

enum class TDatePart : std::uint8_t { Literal, Year, Month, Day, DayName, MonthName };

struct TDatePictureItem {
    TDatePart Part = TDatePart::Literal;
    int Width = 0;    // letters in the run
    std::string Text; // the literal's text
    friend bool operator==(const TDatePictureItem&, const TDatePictureItem&) = default;
};

// Adjacent literals come out as one item.
std::vector<TDatePictureItem> SplitDatePicture(std::string_view picture);
std::string JoinDatePicture(const std::vector<TDatePictureItem>& items);

// The picture with its weekday names taken out, together with the commas
// and blanks that only set them apart: "yyyy年M月d日dddd" gives
// "yyyy年M月d日", "dddd, MMMM d, yyyy" gives "MMMM d, yyyy".
std::string WithoutDayNames(std::string_view picture);

} // namespace zel
