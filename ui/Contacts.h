#pragma once
// Addresses of the dealer and the author that the program shows and opens.
// Fictional: web addresses under the reserved .example domain, e-mail under example.com.

#include <QString>
#include <QtGlobal>

#include <array>

namespace Contacts {

inline const QString dealerSite = QStringLiteral("https://verask.example/");

// The caption and the details are sources of the translation context "Contacts".
struct Office {
    const char* caption; // the link's text: "Главный офис " or the branch's city
    QString page;        // the office's page on the dealer's site
    const char* details; // postal address and telephone numbers
};

// The main office first, then the four branches.
inline const std::array<Office, 5> offices{{
    {QT_TRANSLATE_NOOP("Contacts", "Главный офис "), QStringLiteral("https://verask.example/"),
     QT_TRANSLATE_NOOP("Contacts", "65000, г. Одесса, ул. Образцовая, 1, офис 10.  "
                                   "Тел.: (000) 100-00-01, (000) 100-00-02")},
    {QT_TRANSLATE_NOOP("Contacts", "Николаев"), QStringLiteral("https://verask.example/nikolaev"),
     QT_TRANSLATE_NOOP("Contacts",
                       "54000, г. Николаев, ул. Примерная, 12.  Тел.: (000) 200-00-01")},
    {QT_TRANSLATE_NOOP("Contacts", "Херсон"), QStringLiteral("https://verask.example/kherson"),
     QT_TRANSLATE_NOOP("Contacts", "73000, г. Херсон, пр. Условный, 7.  "
                                   "Тел.: (000) 300-00-01, (000) 300-00-02")},
    {QT_TRANSLATE_NOOP("Contacts", "Винница"), QStringLiteral("https://verask.example/vinnitsa"),
     QT_TRANSLATE_NOOP("Contacts", "21000, г. Винница, ул. Вымышленная, 25.  "
                                   "Тел.: (000) 400-00-01\n"
                                   " Также еще один завод по адресу: "
                                   "21000, г. Винница, ул. Заводская, 3.")},
    {QT_TRANSLATE_NOOP("Contacts", "Измаил"), QStringLiteral("https://verask.example/izmail"),
     QT_TRANSLATE_NOOP("Contacts",
                       "68600, г. Измаил, ул. Несуществующая, 4.  Тел.: (000) 500-00-01")},
}};

// A name follows the interface's language: a source of the About window's context.
inline const char* const authorName = QT_TRANSLATE_NOOP("TAboutBox", "Образцов Петр Иванович");
inline const QString authorEmail = QStringLiteral("author@example.com");
inline const QString authorSite = QStringLiteral("https://obraztsov.example/");

} // namespace Contacts
