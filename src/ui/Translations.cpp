#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ui {
namespace {

bool Install(QCoreApplication& application, const QLocale& locale, const QString& name,
             const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (translator->load(locale, name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

// Qt's catalogue only with ours: Qt's dialogs in French around English texts would be worse.
void LoadTranslations(QCoreApplication& application, const QLocale& locale) {
    if (Install(application, locale, QStringLiteral("tallyrune"), QStringLiteral(":/i18n")))
        Install(application, locale, QStringLiteral("qtbase"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace ui
