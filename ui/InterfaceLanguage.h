#pragma once
// The interface language: Russian, the language the program's texts are written in, or
// Ukrainian from the program's own translation. Qt's own texts (dialogs, message-box
// buttons, edit menus) follow it. The user's choice is remembered for the next start.

class QString;

enum class InterfaceLanguage { Russian, Ukrainian };

namespace Language {

// The remembered choice, else the first of the system's user-interface languages (in the
// order of preference) that the program has; Russian where it has none of them.
InterfaceLanguage atStart();

// Installs the translations of `language` in place of the ones before; every widget then
// receives QEvent::LanguageChange. False when a translation file is missing: its texts
// stay as written.
bool apply(InterfaceLanguage language);

InterfaceLanguage current();

// Kept in the program's settings for the next start; false when it could not be stored
// there (the folder not writable, or the settings' place taken by something not a file).
bool remember(InterfaceLanguage language);
// The settings file, as the user reads its name.
QString settingsFile();

// "ru" or "uk", as the command line and the test scripts name the languages.
const char* code(InterfaceLanguage language);
bool fromCode(const QString& code, InterfaceLanguage& language);

} // namespace Language
