#include "production/Fonts.h"

#include <QStringList>

void Fonts::installSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("Trebuchet MS"),
                               QStringList{QStringLiteral("Open Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               QStringList{QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
}

namespace {
QFont make(const char* family, int pixelSize, bool bold, bool italic) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    // No ligatures: the sheet's text stays searchable and copyable letter by letter ("Profil", not "Proﬁl").
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}
} // namespace

QFont Fonts::trebuchet(int pixelSize, bool bold, bool italic) {
    return make("Trebuchet MS", pixelSize, bold, italic);
}
QFont Fonts::arial(int pixelSize, bool bold) {
    return make("Arial", pixelSize, bold, false);
}
QFont Fonts::comicSans(int pixelSize, bool bold) {
    return make("Comic Sans MS", pixelSize, bold, false);
}
