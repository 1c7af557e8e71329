#include "platform/qt/font_faces.h"

#include "platform/qt/qstring_text.h"

#include <QStringList>

namespace zel::platform {

void InstallFontFaceSubstitutions() {
    struct Face {
        const char* windowsName;
        const char* asciiName;
        const char* ipaName;
    };
    static const Face faces[] = {
        {"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic"},
        {"ＭＳ ゴシック", "MS Gothic", "IPAGothic"},
        {"ＭＳ Ｐ明朝", "MS PMincho", "IPAPMincho"},
        {"ＭＳ 明朝", "MS Mincho", "IPAMincho"},
    };
    for (const Face& face : faces) {
        const QString ipa = QString::fromLatin1(face.ipaName);
        QFont::insertSubstitutions(QString::fromUtf8(face.windowsName), {ipa});
        QFont::insertSubstitutions(QString::fromLatin1(face.asciiName), {ipa});
    }
}

QFont MakeFont(std::string_view faceName, int height) {
    QFont font(cp932::ToQString(faceName));
    // A positive height includes the internal leading; the IPA fonts have
    // none worth counting at these sizes, so both signs mean pixel size.
    font.setPixelSize(height < 0 ? -height : (height > 0 ? height : 12));
    return font;
}

} // namespace zel::platform
