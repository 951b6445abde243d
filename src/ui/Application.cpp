#include "ui/Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void SetUpApplication(QApplication& app) {
    // The name only: a display name would be appended by the toolkit to every window's title.
    QApplication::setApplicationName(QStringLiteral("Doravel 3"));
    const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    // Dates and the date pickers read as on a Turkish desktop; numbers have their own module.
    QLocale::setDefault(turkish);
    // OK, Cancel, Yes, No, the print preview and the file dialogs in Turkish (Debian's
    // qt6-translations-l10n); without it they stay in English.
    auto* toolkit = new QTranslator(&app);
    if (toolkit->load(turkish, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(toolkit);
}
