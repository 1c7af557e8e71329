// The code page 932 conversions. Qt's (ICU-backed) "windows-31j" converter
// is asked once per character to build two tables; the conversions then run
// on the tables alone. This keeps them fast, and exact where the converter
// is not: it substitutes its own bytes for unmappable characters, gives
// invisible control characters for invalid bytes, and its error flag
// cannot be trusted to say so.

#include "platform/cp932.h"
#include "platform/qt/cp932_substitutes.h"
#include "platform/qt/qstring_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <vector>

namespace zel::cp932 {
namespace {

constexpr const char* kCodecName = "windows-31j";
constexpr char16_t kNone = 0;

class TTables {
public:
    TTables() : m_ToUnicode(0x10000, kNone), m_FromUnicode(0x10000, 0) {
        for (unsigned b = 0x80; b <= 0xFF; ++b)
            if (!IsLeadByte(static_cast<unsigned char>(b)))
                Learn(b, std::string(1, static_cast<char>(b)));
        for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
            if (!IsLeadByte(static_cast<unsigned char>(lead)))
                continue;
            for (unsigned trail = 0x40; trail <= 0xFC; ++trail)
                if (trail != 0x7F)
                    Learn(lead << 8 | trail,
                          std::string{static_cast<char>(lead), static_cast<char>(trail)});
        }
        PreferTheConvertersBytes();
    }

    // The character for a code (one byte, or lead << 8 | trail), or kNone.
    char16_t ToUnicode(unsigned code) const { return m_ToUnicode[code]; }
    // The code for a character, or 0 when code page 932 cannot hold it.
    unsigned FromUnicode(char16_t c) const { return m_FromUnicode[c]; }

private:
    void Learn(unsigned code, const std::string& bytes) {
        QStringDecoder decoder(kCodecName, QStringConverter::Flag::Stateless);
        const QString text = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
        if (text.size() != 1)
            return;
        const char16_t c = text.at(0).unicode();
        if (c == 0x1A || c == 0xFFFD || QChar::isSurrogate(c))
            return; // the converter's marks for an invalid code
        m_ToUnicode[code] = c;
        if (m_FromUnicode[c] == 0)
            m_FromUnicode[c] = code;
    }

    // Some characters have two codes (the NEC and IBM extensions); take the
    // one the converter writes, as the system's own conversion would.
    void PreferTheConvertersBytes() {
        QStringEncoder encoder(kCodecName, QStringConverter::Flag::Stateless);
        for (unsigned c = 0x80; c < 0x10000; ++c) {
            if (m_FromUnicode[c] == 0)
                continue;
            const QChar ch(static_cast<char16_t>(c));
            const QByteArray bytes = encoder.encode(QStringView(&ch, 1));
            unsigned code = 0;
            if (bytes.size() == 1)
                code = static_cast<unsigned char>(bytes[0]);
            else if (bytes.size() == 2)
                code = static_cast<unsigned char>(bytes[0]) << 8 |
                       static_cast<unsigned char>(bytes[1]);
            if (code != 0 && m_ToUnicode[code] == c)
                m_FromUnicode[c] = code;
        }
    }

    std::vector<char16_t> m_ToUnicode;
    std::vector<unsigned> m_FromUnicode;
};

const TTables& Tables() {
    static const TTables tables;
    return tables;
}

bool IsAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

TUnheldChar Unheld(std::size_t offset, char32_t c);

// One pass for both conversions: `unheld` is null when nobody asks.
std::string Convert(const QString& text, std::vector<TUnheldChar>* unheld) {
    const TTables& tables = Tables();
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()) * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        char32_t full = c;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            full = QChar::surrogateToUcs4(c, text.at(++i).unicode());
        if (IsVariationSelector(full))
            continue;
        const unsigned code = full > 0xFFFF || QChar::isSurrogate(c) ? 0 : tables.FromUnicode(c);
        if (code > 0xFF) {
            out += {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
        } else if (code != 0) {
            out += static_cast<char>(code);
        } else {
            // One "?" for one character, inside the BMP or not.
            if (unheld)
                unheld->push_back(Unheld(out.size(), full));
            out += '?';
        }
    }
    return out;
}

TUnheldChar Unheld(std::size_t offset, char32_t c) {
    const QString character = QString::fromUcs4(&c, 1);
    const QByteArray utf8 = character.toUtf8();
    TUnheldChar unheld;
    unheld.Offset = offset;
    unheld.CodePoint = c;
    unheld.Utf8.assign(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    // A substitute is offered only when code page 932 holds all of it.
    const QString substitute = SubstituteFor(c);
    if (!substitute.isEmpty()) {
        std::vector<TUnheldChar> inner;
        std::string bytes = Convert(substitute, &inner);
        if (inner.empty())
            unheld.Substitute = std::move(bytes);
    }
    return unheld;
}

} // namespace

QString ToQString(std::string_view sjis) {
    if (IsAscii(sjis))
        return QString::fromLatin1(sjis.data(), static_cast<qsizetype>(sjis.size()));
    const TTables& tables = Tables();
    QString out;
    out.reserve(static_cast<qsizetype>(sjis.size()));
    for (std::size_t i = 0; i < sjis.size();) {
        const auto b = static_cast<unsigned char>(sjis[i]);
        if (b < 0x80) {
            out += QChar(b);
            ++i;
            continue;
        }
        const std::size_t len = CharLength(sjis, i);
        const unsigned code = len == 2 ? b << 8 | static_cast<unsigned char>(sjis[i + 1]) : b;
        const char16_t c = len == 1 && IsLeadByte(b) ? kNone : tables.ToUnicode(code);
        out += c == kNone ? QChar(QChar::ReplacementCharacter) : QChar(c);
        i += len;
    }
    return out;
}

std::string FromQString(const QString& text) {
    return Convert(text, nullptr);
}

TCheckedText FromQStringChecked(const QString& text) {
    TCheckedText checked;
    checked.Text = Convert(text, &checked.Unheld);
    return checked;
}

TCheckedText FromUtf8Checked(std::string_view utf8) {
    return FromQStringChecked(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

std::string ToUtf8(std::string_view sjis) {
    if (IsAscii(sjis))
        return std::string(sjis);
    const QByteArray utf8 = ToQString(sjis).toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

std::string FromUtf8(std::string_view utf8) {
    if (IsAscii(utf8))
        return std::string(utf8);
    return FromQString(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

} // namespace zel::cp932
