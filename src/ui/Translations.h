#pragma once
// The user's language: the designer's German catalogue (compiled in under :/i18n) and Qt's own
// for its dialogs, for the locale the system names. A language without a catalogue of ours loads
// nothing, so every text stays in English as written, Qt's too.

#include <QLocale>

class QCoreApplication;

namespace ui {

void LoadTranslations(QCoreApplication& application, const QLocale& locale = QLocale::system());

} // namespace ui
