#include "framework/date_text.h"

#include "framework/date_locale.h"
#include "framework/date_picture.h"
#include "platform/cp932.h"
#include "platform/japanese_era.h"

#include <cctype>
#include <vector>

namespace zel {
namespace {

std::string Number(int value, int digits) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < digits)
        text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
    return text;
}

std::string Year(const TDate& date, int width) {
    return width == 2 ? Number(date.Year() % 100, 2) : Number(date.Year(), width > 2 ? 4 : 1);
}

const std::string& DayName(const TDate& date) {
    return DateLocale().ShortDayNames[static_cast<std::size_t>(date.DayOfWeek())];
}

platform::TEraYear EraOf(const TDate& date) {
    // A date outside the calendar's years has no era.
    if (!date.IsValid())
        return {{}, date.Year()};
    if (auto era = platform::JapaneseEraOf(date.Year(), date.Month(), date.Day()))
        return *era;
    return {{}, date.Year()};
}

// Length of the run of `letter` (either case) at `pos`.
std::size_t RunLength(std::string_view format, std::size_t pos) {
    const auto lower = [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    };
    std::size_t end = pos;
    while (end < format.size() && lower(format[end]) == lower(format[pos]))
        ++end;
    return end - pos;
}

} // namespace

std::string FormatDateTime(std::string_view format, const TDate& date) {
    std::string text;
    std::size_t i = 0;
    while (i < format.size()) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(format[i])));
        if (c == '"' || c == '\'') {
            const std::size_t close = format.find(format[i], i + 1);
            const std::size_t end = close == std::string_view::npos ? format.size() : close;
            text.append(format.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        if (c != 'd' && c != 'm' && c != 'y' && c != 'e' && c != 'g') {
            const std::size_t length = cp932::CharLength(format, i);
            text.append(format.substr(i, length));
            i += length;
            continue;
        }
        const std::size_t run = RunLength(format, i);
        i += run;
        switch (c) {
        case 'd':
            text += run <= 2   ? Number(date.Day(), static_cast<int>(run))
                    : run <= 4 ? DayName(date)
                    : run == 5 ? FormatShortDate(date)
                               : FormatLongDate(date);
            break;
        case 'm':
            text += Number(date.Month(), run == 2 ? 2 : 1);
            break;
        case 'y':
            text += Year(date, run <= 2 ? 2 : 4);
            break;
        case 'e':
            text += Number(EraOf(date).Year, run >= 2 ? 2 : 1);
            break;
        case 'g': {
            const std::string name = EraOf(date).Name;
            text += run >= 2 || name.empty() ? name : name.substr(0, cp932::CharLength(name, 0));
            break;
        }
        }
    }
    return text;
}

std::string FormatDatePicture(std::string_view picture, const TDate& date) {
    std::string text;
    for (const TDatePictureItem& item : SplitDatePicture(picture)) {
        switch (item.Part) {
        case TDatePart::Literal:
            text += item.Text;
            break;
        case TDatePart::Year:
            text += Year(date, item.Width);
            break;
        case TDatePart::Month:
            text += Number(date.Month(), item.Width);
            break;
        case TDatePart::MonthName:
            text += Number(date.Month(), 1);
            break;
        case TDatePart::Day:
            text += Number(date.Day(), item.Width);
            break;
        case TDatePart::DayName:
            text += DayName(date);
            break;
        }
    }
    return text;
}

std::string FormatShortDate(const TDate& date) {
    return FormatDatePicture(DateLocale().ShortDateFormat, date);
}

std::string FormatLongDate(const TDate& date) {
    return FormatDatePicture(DateLocale().LongDateFormat, date);
}

std::optional<TDate> ParseDateText(std::string_view text, std::string_view picture) {
    // The order of the three numbers.
    std::vector<TDatePart> order;
    std::string separators = cp932::Sys("/-.年月日 ");
    for (const TDatePictureItem& item : SplitDatePicture(picture)) {
        if (item.Part == TDatePart::Literal)
            separators += item.Text;
        else if (item.Part != TDatePart::DayName)
            order.push_back(item.Part);
    }
    // Runs of digits, and nothing between them that is not a separator.
    std::vector<std::string> numbers;
    for (std::size_t i = 0; i < text.size();) {
        if (std::isdigit(static_cast<unsigned char>(text[i]))) {
            std::size_t end = i;
            while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
                ++end;
            numbers.emplace_back(text.substr(i, end - i));
            i = end;
            continue;
        }
        const std::size_t length = cp932::CharLength(text, i);
        if (cp932::Find(separators, text.substr(i, length)) == std::string::npos)
            return std::nullopt;
        i += length;
    }
    if (numbers.size() != 3 || order.size() != 3)
        return std::nullopt;
    int year = -1, month = -1, day = -1;
    for (std::size_t k = 0; k < 3; ++k) {
        const std::string& digits = numbers[k];
        const std::size_t maxDigits = order[k] == TDatePart::Year ? 4 : 2;
        if (digits.size() > maxDigits)
            return std::nullopt;
        const int value = std::stoi(digits);
        switch (order[k]) {
        case TDatePart::Year:
            year = value;
            if (digits.size() <= 2) {
                const int first = TDate::Today().Year() - 50;
                year = first + ((value - first % 100) % 100 + 100) % 100;
            }
            break;
        case TDatePart::Month:
            month = value;
            break;
        case TDatePart::Day:
            day = value;
            break;
        default:
            return std::nullopt; // a month name: not written in digits
        }
    }
    const TDate date(year, month, day);
    if (year < 0 || month < 0 || day < 0 || !date.IsValid())
        return std::nullopt;
    return date;
}

std::optional<TDate> ParseShortDate(std::string_view text) {
    return ParseDateText(text, DateLocale().ShortDateFormat);
}

std::optional<TDate> ParseLongDate(std::string_view text) {
    return ParseDateText(text, DateLocale().LongDateFormat);
}

} // namespace zel
