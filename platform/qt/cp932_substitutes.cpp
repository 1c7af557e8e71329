// The substitutes. A compatibility ideograph whose canonical form code page
// 932 holds becomes that form (Unicode's own decomposition, through Qt). The
// rest come from one small table; Debian ships no list made for this (the
// Unihan variant data in unicode-data covers only a few of these pairs and
// maps others to forms no Japanese reader would take), so the table names
// the source of each group.

#include "platform/qt/cp932_substitutes.h"

#include <algorithm>
#include <iterator>

namespace zel::cp932 {
namespace {

struct TVariant {
    char32_t From;
    char16_t To;
};

// Sorted by From.
constexpr TVariant kVariants[] = {
    // The ten characters JIS X 0213:2004 added for the glyphs it changed in
    // JIS X 0208, mapped back to the JIS X 0208 character they stand for.
    {0x4FF1, u'倶'},  // 俱
    {0x525D, u'剥'},  // 剝
    {0x541E, u'呑'},  // 吞, also a semantic variant in Unihan
    {0x5653, u'嘘'},  // 噓
    {0x59F8, u'妍'},  // 姸
    {0x5C5B, u'屏'},  // 屛
    {0x5E77, u'并'},  // 幷
    {0x7626, u'痩'},  // 瘦
    {0x7E6B, u'繋'},  // 繫
    {0x20B9F, u'叱'}, // 𠮟, also Unihan's z-variant
    // Unihan_Variants.txt (Unicode 15.0, Debian's unicode-data): the
    // spoofing variant of the "tsuchi-yoshi" and a semantic variant of 﨑.
    {0x20BB7, u'吉'}, // 𠮷
    // Surname forms printed with the plain character in every register of
    // names; added by hand, as no list in Debian carries them.
    {0x2123D, u'土'}, // 𡈽
    {0x2363A, u'橋'}, // 𣘺
    {0x2550E, u'崎'}, // 𥔎
    {0x266B0, u'脇'}, // 𦚰
};

static_assert(std::is_sorted(std::begin(kVariants), std::end(kVariants),
                             [](const TVariant& a, const TVariant& b) { return a.From < b.From; }));

} // namespace

QString SubstituteFor(char32_t c) {
    const auto* hit =
        std::lower_bound(std::begin(kVariants), std::end(kVariants), c,
                         [](const TVariant& v, char32_t key) { return v.From < key; });
    if (hit != std::end(kVariants) && hit->From == c)
        return QString(QChar(hit->To));
    // Compatibility ideographs (U+F900..U+FAFF, U+2F800..U+2FA1F) that have
    // a canonical decomposition.
    if ((c >= 0xF900 && c <= 0xFAFF) || (c >= 0x2F800 && c <= 0x2FA1F)) {
        const QString canonical = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_C);
        if (canonical.size() == 1 && canonical.at(0).unicode() != c)
            return canonical;
    }
    return {};
}

} // namespace zel::cp932
