#pragma once
// Addresses of the dealer and the author that the program shows and opens.
// Fictional: web addresses under the reserved .example domain, e-mail under example.com.

#include <QString>

#include <array>

namespace Contacts {

inline const QString dealerSite = QStringLiteral("https://verask.example/");

struct Office {
    QString caption; // the link's text: "Главный офис " or the branch's city
    QString page;    // the office's page on the dealer's site
    QString details; // postal address and telephone numbers
};

// The main office first, then the four branches.
inline const std::array<Office, 5> offices{{
    {QStringLiteral("Главный офис "), QStringLiteral("https://verask.example/"),
     QStringLiteral("65000, г. Одесса, ул. Образцовая, 1, офис 10.  "
                    "Тел.: (000) 100-00-01, (000) 100-00-02")},
    {QStringLiteral("Николаев"), QStringLiteral("https://verask.example/nikolaev"),
     QStringLiteral("54000, г. Николаев, ул. Примерная, 12.  Тел.: (000) 200-00-01")},
    {QStringLiteral("Херсон"), QStringLiteral("https://verask.example/kherson"),
     QStringLiteral("73000, г. Херсон, пр. Условный, 7.  Тел.: (000) 300-00-01, (000) 300-00-02")},
    {QStringLiteral("Винница"), QStringLiteral("https://verask.example/vinnitsa"),
     QStringLiteral("21000, г. Винница, ул. Вымышленная, 25.  Тел.: (000) 400-00-01\n"
                    " Также еще один завод по адресу: "
                    "21000, г. Винница, ул. Заводская, 3.")},
    {QStringLiteral("Измаил"), QStringLiteral("https://verask.example/izmail"),
     QStringLiteral("68600, г. Измаил, ул. Несуществующая, 4.  Тел.: (000) 500-00-01")},
}};

inline const QString authorName = QStringLiteral("Образцов Петр Иванович");
inline const QString authorEmail = QStringLiteral("author@example.com");
inline const QString authorSite = QStringLiteral("https://obraztsov.example/");

} // namespace Contacts
