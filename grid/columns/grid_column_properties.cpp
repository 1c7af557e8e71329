#include "grid/columns/grid_column_properties.h"

#include <climits>
#include <functional>
#include <type_traits>

namespace zel {
namespace {

constexpr const char* kDateFormats[] = {"dtLong", "dtShort"};
constexpr const char* kAlignments[] = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr const char* kAlignmentsV[] = {"tavTop", "tavCenter", "tavBottom"};
constexpr const char* kBooleans[] = {"False", "True"};
constexpr const char* kDataTypes[] = {"dtString", "dtInteger"};
constexpr const char* kImeModes[] = {"imDisable", "imClose",   "imOpen",     "imDontCare",
                                     "imSAlpha",  "imAlpha",   "imHira",     "imSKata",
                                     "imKata",    "imChinese", "imSHanguel", "imHanguel"};
constexpr const char* kButtonStyles[] = {"cbsList",   "cbsDropList", "cbsEllipsis", "cbsCheckBox",
                                         "cbsSimple", "cbsSpin",     "cbsCalendar"};
constexpr const char* kFontStyles[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

int IntOf(const TStoredValue& v) {
    return std::get<int>(v);
}

// A property kept as a plain value of the definition, enumeration, flag or
// colour alike, reached through its getter and setter.
template <auto Getter, auto Setter>
TColumnProperty Plain(const char* name, TStoredKind kind, std::span<const char* const> names = {},
                      std::optional<int> stored = std::nullopt) {
    TColumnProperty p;
    p.Name = name;
    p.Kind = kind;
    p.Names = names;
    p.Get = [](const TMOGridColumn& c) -> TStoredValue {
        return static_cast<int>(std::invoke(Getter, c));
    };
    p.Set = [](TMOGridColumn& c, const TStoredValue& v) {
        using Value = std::invoke_result_t<decltype(Getter), const TMOGridColumn&>;
        std::invoke(Setter, c, static_cast<Value>(IntOf(v)));
    };
    if (stored)
        p.Default = *stored;
    return p;
}

// A field of one of the definition's fonts: read the font, change the
// field, put the font back.
template <auto ObjectGetter, auto ObjectSetter, auto Member>
TColumnProperty FontField(std::string name, TStoredKind kind, std::optional<int> stored,
                          int min = INT_MIN, int max = INT_MAX) {
    TColumnProperty p;
    p.Name = std::move(name);
    p.Kind = kind;
    p.Min = min;
    p.Max = max;
    p.Get = [](const TMOGridColumn& c) -> TStoredValue {
        return static_cast<int>(std::invoke(ObjectGetter, c).*Member);
    };
    p.Set = [](TMOGridColumn& c, const TStoredValue& v) {
        auto object = std::invoke(ObjectGetter, c);
        object.*Member = static_cast<std::remove_cvref_t<decltype(object.*Member)>>(IntOf(v));
        std::invoke(ObjectSetter, c, object);
    };
    if (stored)
        p.Default = *stored;
    return p;
}

template <auto Getter, auto Setter>
void AddFont(std::vector<TColumnProperty>& out, std::string name) {
    out.push_back(FontField<Getter, Setter, &TGridFont::Charset>(
        name + ".Charset", TStoredKind::Int, platform::kDefaultCharset, 0, 255));
    out.push_back(FontField<Getter, Setter, &TGridFont::Color>(name + ".Color", TStoredKind::Color,
                                                               std::nullopt));
    out.push_back(FontField<Getter, Setter, &TGridFont::Height>(
        name + ".Height", TStoredKind::Int, std::nullopt, -kMaxFontHeight, kMaxFontHeight));
    TColumnProperty face;
    face.Name = name + ".Name";
    face.Kind = TStoredKind::Text;
    face.Get = [](const TMOGridColumn& c) -> TStoredValue { return std::invoke(Getter, c).Name; };
    face.Set = [](TMOGridColumn& c, const TStoredValue& v) {
        TGridFont font = std::invoke(Getter, c);
        font.Name = std::get<std::string>(v);
        std::invoke(Setter, c, font);
    };
    out.push_back(face);
    out.push_back(FontField<Getter, Setter, &TGridFont::Style>(name + ".Style",
                                                               TStoredKind::FontStyle, 0, 0, 15));
}

// A property of an option object the definition owns (spin options,
// calendar colours), through the object's getter and setter.
template <auto ObjectGetter, auto ObjectSetter, auto Getter, auto Setter>
TColumnProperty Option(const char* name, TStoredKind kind, int stored) {
    TColumnProperty p;
    p.Name = name;
    p.Kind = kind;
    p.Min = INT_MIN;
    p.Max = INT_MAX;
    p.Get = [](const TMOGridColumn& c) -> TStoredValue {
        return static_cast<int>(std::invoke(Getter, std::invoke(ObjectGetter, c)));
    };
    p.Set = [](TMOGridColumn& c, const TStoredValue& v) {
        auto object = std::invoke(ObjectGetter, c);
        std::invoke(Setter, object, IntOf(v));
        std::invoke(ObjectSetter, c, object);
    };
    p.Default = stored;
    return p;
}

template <auto Getter, auto Setter> TColumnProperty Spin(const char* name, int stored) {
    return Option<&TMOGridColumn::SpinButtonOption, &TMOGridColumn::SetSpinButtonOption, Getter,
                  Setter>(name, TStoredKind::Int, stored);
}

template <auto Getter, auto Setter> TColumnProperty CalColor(const char* name, TColor stored) {
    TColumnProperty p =
        Option<&TMOGridColumn::CalColors, &TMOGridColumn::SetCalColors, Getter, Setter>(
            name, TStoredKind::Color, stored);
    p.Name = std::string("CalColors.") + name;
    return p;
}

std::vector<TColumnProperty> MakeProperties() {
    using C = TMOGridColumn;
    using K = TStoredKind;
    std::vector<TColumnProperty> out;
    out.push_back(
        Plain<&C::DateFormat, &C::SetDateFormat>("DateFormat", K::Enum, kDateFormats, dtShort));
    out.push_back(Plain<&C::Alignment, &C::SetAlignment>("Alignment", K::Enum, kAlignments));
    out.push_back(
        Plain<&C::AlignmentV, &C::SetAlignmentV>("AlignmentV", K::Enum, kAlignmentsV, tavCenter));
    out.push_back(Plain<&C::CanEdit, &C::SetCanEdit>("CanEdit", K::Enum, kBooleans));

    TColumnProperty caption;
    caption.Name = "Caption";
    caption.Kind = K::Text;
    caption.Get = [](const C& c) -> TStoredValue { return c.Caption(); };
    caption.Set = [](C& c, const TStoredValue& v) { c.SetCaption(std::get<std::string>(v)); };
    out.push_back(caption);

    out.push_back(Plain<&C::Color, &C::SetColor>("Color", K::Color));
    out.push_back(Plain<&C::DataType, &C::SetDataType>("DataType", K::Enum, kDataTypes));
    AddFont<&C::Font, &C::SetFont>(out, "Font");
    AddFont<&C::FixCellFont, &C::SetFixCellFont>(out, "FixCellFont");
    out.push_back(Plain<&C::FixAlignment, &C::SetFixAlignment>("FixAlignment", K::Enum, kAlignments,
                                                               taCenter));
    out.push_back(Plain<&C::FixAlignmentV, &C::SetFixAlignmentV>("FixAlignmentV", K::Enum,
                                                                 kAlignmentsV, tavCenter));
    out.push_back(Plain<&C::ImeMode, &C::SetImeMode>("ImeMode", K::Enum, kImeModes));
    out.push_back(Plain<&C::ButtonStyle, &C::SetButtonStyle>("ButtonStyle", K::Enum, kButtonStyles,
                                                             cbsSimple));

    TColumnProperty list;
    list.Name = "ListStrings";
    list.Kind = K::TextList;
    list.Get = [](const C& c) -> TStoredValue {
        std::vector<std::string> items;
        for (int i = 0; i < c.ListStrings().Count(); ++i)
            items.push_back(c.ListStrings().Strings(i));
        return items;
    };
    list.Set = [](C& c, const TStoredValue& v) {
        TStringList items;
        for (const std::string& s : std::get<std::vector<std::string>>(v))
            items.Add(s);
        c.SetListStrings(items);
    };
    out.push_back(list);

    using S = TMOSpinButtonOption;
    out.push_back(Spin<&S::Increment, &S::SetIncrement>("SpinButtonOption.Increment", 1));
    out.push_back(Spin<&S::MaxValue, &S::SetMaxValue>("SpinButtonOption.MaxValue", 0));
    out.push_back(Spin<&S::MinValue, &S::SetMinValue>("SpinButtonOption.MinValue", 0));
    using M = TMOMonthCalColors;
    out.push_back(
        CalColor<&M::MonthFixedColor, &M::SetMonthFixedColor>("MonthFixedColor", clWhite));
    out.push_back(CalColor<&M::MonthBackColor, &M::SetMonthBackColor>("MonthBackColor", clWhite));
    out.push_back(CalColor<&M::SaturDayColor, &M::SetSaturDayColor>("SaturDayColor", clBlue));
    out.push_back(
        CalColor<&M::TitleBackColor, &M::SetTitleBackColor>("TitleBackColor", clActiveCaption));
    out.push_back(CalColor<&M::TitleTextColor, &M::SetTitleTextColor>("TitleTextColor", clWhite));
    out.push_back(CalColor<&M::WeekEndColor, &M::SetWeekEndColor>("WeekEndColor", clRed));
    out.push_back(CalColor<&M::DayTextColor, &M::SetDayTextColor>("DayTextColor", clWindowText));
    return out;
}

} // namespace

const std::vector<TColumnProperty>& ColumnProperties() {
    static const std::vector<TColumnProperty> properties = MakeProperties();
    return properties;
}

std::span<const char* const> FontStyleNames() {
    return kFontStyles;
}

} // namespace zel
