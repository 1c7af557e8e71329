#include "framework/date_picture.h"

#include "platform/cp932.h"

namespace zel {
namespace {

void AddLiteral(std::vector<TDatePictureItem>& items, std::string_view text) {
    if (text.empty())
        return;
    if (!items.empty() && items.back().Part == TDatePart::Literal)
        items.back().Text += text;
    else
        items.push_back({TDatePart::Literal, 0, std::string(text)});
}

TDatePart PartOf(char letter, int width) {
    switch (letter) {
    case 'y':
        return TDatePart::Year;
    case 'M':
        return width >= 3 ? TDatePart::MonthName : TDatePart::Month;
    default:
        return width >= 3 ? TDatePart::DayName : TDatePart::Day;
    }
}

char LetterOf(TDatePart part) {
    switch (part) {
    case TDatePart::Year:
        return 'y';
    case TDatePart::Month:
    case TDatePart::MonthName:
        return 'M';
    default:
        return 'd';
    }
}

// Text that only sets a weekday name apart from the rest.
bool IsFiller(std::string_view text) {
    return text.find_first_not_of(" ,.") == std::string_view::npos;
}

} // namespace

std::vector<TDatePictureItem> SplitDatePicture(std::string_view picture) {
    std::vector<TDatePictureItem> items;
    std::size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        if (c == 'd' || c == 'M' || c == 'y') {
            std::size_t end = i;
            while (end < picture.size() && picture[end] == c)
                ++end;
            const int width = static_cast<int>(end - i);
            items.push_back({PartOf(c, width), width, {}});
            i = end;
        } else if (c == '\'') {
            // Quoted text up to the closing quote; '' stands for one quote,
            // inside quotes or out.
            std::string text;
            std::size_t j = i + 1;
            if (j < picture.size() && picture[j] == '\'') {
                AddLiteral(items, "'");
                i = j + 1;
                continue;
            }
            while (j < picture.size()) {
                if (picture[j] == '\'') {
                    if (j + 1 < picture.size() && picture[j + 1] == '\'') {
                        text += '\'';
                        j += 2;
                        continue;
                    }
                    break;
                }
                // A trail byte is never a quote, so bytes can be copied.
                text += picture[j++];
            }
            AddLiteral(items, text);
            i = j + 1;
        } else {
            const std::size_t length = cp932::CharLength(picture, i);
            AddLiteral(items, picture.substr(i, length));
            i += length;
        }
    }
    return items;
}

std::string JoinDatePicture(const std::vector<TDatePictureItem>& items) {
    std::string picture;
    for (const TDatePictureItem& item : items) {
        if (item.Part != TDatePart::Literal) {
            picture.append(static_cast<std::size_t>(item.Width), LetterOf(item.Part));
            continue;
        }
        // Quote what would read as letters of a field. Only whole
        // characters are looked at: a trail byte may be any letter.
        bool letters = false;
        std::string text;
        for (std::size_t i = 0; i < item.Text.size(); i += cp932::CharLength(item.Text, i)) {
            const char c = item.Text[i];
            letters = letters ||
                      (cp932::CharLength(item.Text, i) == 1 && (c == 'd' || c == 'M' || c == 'y'));
            if (c == '\'')
                text += "''";
            else
                text.append(item.Text, i, cp932::CharLength(item.Text, i));
        }
        picture += letters ? "'" + text + "'" : text;
    }
    return picture;
}

std::string WithoutDayNames(std::string_view picture) {
    const std::vector<TDatePictureItem> items = SplitDatePicture(picture);
    std::vector<TDatePictureItem> kept;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].Part != TDatePart::DayName) {
            kept.push_back(items[i]);
            continue;
        }
        // The filler on one side goes with the name: the one after it when
        // the name leads, else the one before it.
        if (!kept.empty() && kept.back().Part == TDatePart::Literal && IsFiller(kept.back().Text))
            kept.pop_back();
        else if (i + 1 < items.size() && items[i + 1].Part == TDatePart::Literal &&
                 IsFiller(items[i + 1].Text))
            ++i;
    }
    // Names taken from the middle may leave two literals side by side, or
    // two fields of one letter, which would read as one field: those keep
    // a space between them.
    std::vector<TDatePictureItem> merged;
    for (const TDatePictureItem& item : kept) {
        if (item.Part == TDatePart::Literal) {
            AddLiteral(merged, item.Text);
            continue;
        }
        if (!merged.empty() && merged.back().Part != TDatePart::Literal &&
            LetterOf(merged.back().Part) == LetterOf(item.Part))
            AddLiteral(merged, " ");
        merged.push_back(item);
    }
    return JoinDatePicture(merged);
}

} // namespace zel
