#pragma once
// The fixed texts the windows' lists and captions show before the user chooses, as source
// texts in their windows' translation contexts: the windows show them, and a report made
// without windows names them alike.

#include <QtGlobal>

namespace ListTexts {

// The main window's construction kinds (TMainForm), in the order of its list.
inline constexpr const char* constructionKinds[] = {
    QT_TRANSLATE_NOOP("TMainForm", "НАРУЖНОЙ СТЕНЫ"), QT_TRANSLATE_NOOP("TMainForm", "ПЕРЕКРЫТИЯ"),
    QT_TRANSLATE_NOOP("TMainForm", "ПОКРЫТИЯ")};
// The main window's envelope caption until one is handed over (TMainForm).
inline constexpr char envelopeCaption[] =
    QT_TRANSLATE_NOOP("TMainForm", "Вид ограждающей конструкции ");

// The requirement window's prompts (TForm3).
inline constexpr char envelopePrompt[] =
    QT_TRANSLATE_NOOP("TForm3", "Вид ограждающей конструкции ");
inline constexpr char cityPrompt[] = QT_TRANSLATE_NOOP("TForm3", " Выбрать город ...");
inline constexpr char regimePrompt[] = QT_TRANSLATE_NOOP("TForm3", "Режим");

// The walls-between-flats window's prompts (TForm6).
inline constexpr char purposePrompt[] = QT_TRANSLATE_NOOP("TForm6", "Назначение зданий");
inline constexpr char kindPrompt[] = QT_TRANSLATE_NOOP("TForm6", "Вид конструкции");

// The coefficients window's prompt (TForm4).
inline constexpr char typePrompt[] = QT_TRANSLATE_NOOP("TForm4", "Тип конструкции ...");

// The selection window's list and board caption before a board is chosen (TForm5).
inline constexpr char noProductText[] = QT_TRANSLATE_NOOP("TForm5", "Плиты пенополистирольные   ");
inline constexpr char noProductCaption[] = QT_TRANSLATE_NOOP("TForm5", "Характеристики");

// The layer window's captions of the user list (TForm2), before and after a set is opened.
inline constexpr char userListCaption[] = QT_TRANSLATE_NOOP("TForm2", "Пользовательский список");
inline constexpr char openedUserListCaption[] =
    QT_TRANSLATE_NOOP("TForm2", "Пользовательский список...");

} // namespace ListTexts
