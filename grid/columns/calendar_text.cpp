#include "grid/columns/calendar_text.h"

#include "framework/date_locale.h"
#include "framework/date_picture.h"
#include "framework/date_text.h"
#include "platform/cp932.h"

#include <string_view>
#include <vector>

namespace zel {
namespace {

// Characters a mask reads as instructions rather than text. "/" is not
// among them: it stands for itself in these masks.
bool IsMaskCharacter(char c) {
    return std::string_view("!><\\LlAaCc09#:;_").find(c) != std::string_view::npos;
}

// Exactly one year, month and day, all in digits, and nothing else to
// fill in.
bool HasNumericFields(const std::vector<TDatePictureItem>& items) {
    int year = 0, month = 0, day = 0;
    for (const TDatePictureItem& item : items) {
        switch (item.Part) {
        case TDatePart::Year:
            ++year;
            break;
        case TDatePart::Month:
            ++month;
            break;
        case TDatePart::Day:
            ++day;
            break;
        case TDatePart::Literal:
            break;
        default:
            return false;
        }
    }
    return year == 1 && month == 1 && day == 1;
}

std::vector<TDatePictureItem> PictureItems(TMODateFormat format) {
    const TDateLocale& locale = DateLocale();
    std::vector<TDatePictureItem> items =
        SplitDatePicture(format == dtLong ? locale.LongDateFormat : locale.ShortDateFormat);
    if (!HasNumericFields(items))
        items = SplitDatePicture(format == dtLong ? cp932::Sys("yyyy年MM月dd日") : "yy/MM/dd");
    for (TDatePictureItem& item : items) {
        if (item.Part == TDatePart::Year)
            item.Width = item.Width == 2 ? 2 : 4;
        else if (item.Part != TDatePart::Literal)
            item.Width = 2;
    }
    return items;
}

// The mask's body, with `digit` for the digits of every field but the last
// and `lastDigit` for the last one's.
std::string MaskBody(const std::vector<TDatePictureItem>& items, char digit, char lastDigit,
                     bool escape) {
    std::size_t last = 0;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].Part != TDatePart::Literal)
            last = i;
    std::string body;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const TDatePictureItem& item = items[i];
        if (item.Part != TDatePart::Literal) {
            body.append(static_cast<std::size_t>(item.Width), i == last ? lastDigit : digit);
            continue;
        }
        for (std::size_t k = 0; k < item.Text.size(); k += cp932::CharLength(item.Text, k)) {
            const std::size_t length = cp932::CharLength(item.Text, k);
            if (escape && length == 1 && IsMaskCharacter(item.Text[k]))
                body += '\\';
            body.append(item.Text, k, length);
        }
    }
    return body;
}

} // namespace

std::string CalendarDatePicture(TMODateFormat format) {
    return JoinDatePicture(PictureItems(format));
}

std::string CalendarEditMask(TMODateFormat format) {
    return "!" + MaskBody(PictureItems(format), '9', '0', true) + ";1;_";
}

std::string CalendarBlankText(TMODateFormat format) {
    return MaskBody(PictureItems(format), ' ', ' ', false);
}

bool IsCalendarBlankText(const std::string& text) {
    return text == CalendarBlankText(dtShort) || text == CalendarBlankText(dtLong);
}

std::string CalendarDateText(TMODateFormat format, const TDate& date) {
    return FormatDatePicture(CalendarDatePicture(format), date);
}

std::optional<TDate> ParseCalendarDateText(TMODateFormat format, const std::string& text) {
    return ParseDateText(text, CalendarDatePicture(format));
}

TDate CalendarCellDate(TMODateFormat format, const std::string& text) {
    return ParseCalendarDateText(format, text).value_or(TDate::Today());
}

} // namespace zel
