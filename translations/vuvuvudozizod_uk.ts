<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="ru_RU">
<context>
    <name>BatchReport</name>
    <message>
        <source>в проекте %1 нет расчета с R0 &gt; 0, отчет не составлен.</source>
        <translation>у проєкті %1 немає розрахунку з R0 &gt; 0, звіт не складено.</translation>
    </message>
</context>
<context>
    <name>CalculationDetailsWindow</name>
    <message>
        <source>Сведения о расчете</source>
        <translation>Відомості про розрахунок</translation>
    </message>
    <message>
        <source>&amp;Объект</source>
        <translation>&amp;Об’єкт</translation>
    </message>
    <message>
        <source>&amp;Заказчик</source>
        <translation>&amp;Замовник</translation>
    </message>
    <message>
        <source>&amp;Исполнитель</source>
        <translation>&amp;Виконавець</translation>
    </message>
    <message>
        <source>Заполненные сведения печатаются в заголовке отчета PDF и сохраняются в проекте.</source>
        <translation>Заповнені відомості друкуються в заголовку звіту PDF і зберігаються в проєкті.</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Параметры запуска: vuvuvudozizod --help</source>
        <translation>Параметри запуску: vuvuvudozizod --help</translation>
    </message>
    <message>
        <source>Подбор утеплителя многослойных ограждающих конструкций по ДБН В.2.6-31:2006.</source>
        <translation>Добір утеплювача багатошарових огороджувальних конструкцій за ДБН В.2.6-31:2006.</translation>
    </message>
    <message>
        <source>Показать эту справку и выйти.</source>
        <translation>Показати цю довідку й вийти.</translation>
    </message>
    <message>
        <source>Показать версию программы и выйти.</source>
        <translation>Показати версію програми й вийти.</translation>
    </message>
    <message>
        <source>Открыть проект, записать его отчет PDF в &lt;файл&gt; и выйти, не показывая окон.</source>
        <translation>Відкрити проєкт, записати його звіт PDF у &lt;файл&gt; і вийти, не показуючи вікон.</translation>
    </message>
    <message>
        <source>файл</source>
        <translation>файл</translation>
    </message>
    <message>
        <source>проект</source>
        <translation>проєкт</translation>
    </message>
    <message>
        <source>Файл проекта (*.vvz), который открыть при запуске.</source>
        <translation>Файл проєкту (*.vvz), який відкрити під час запуску.</translation>
    </message>
    <message>
        <source>[проект]</source>
        <translation>[проєкт]</translation>
    </message>
    <message>
        <source>Можно открыть только один проект, а указано %1.</source>
        <translation>Можна відкрити лише один проєкт, а вказано %1.</translation>
    </message>
    <message>
        <source>Для --pdf нужно имя файла отчета.</source>
        <translation>Для --pdf потрібне ім’я файлу звіту.</translation>
    </message>
    <message>
        <source>Для --pdf нужен файл проекта.</source>
        <translation>Для --pdf потрібен файл проєкту.</translation>
    </message>
</context>
<context>
    <name>Contacts</name>
    <message>
        <source>Главный офис </source>
        <translation>Головний офіс </translation>
    </message>
    <message>
        <source>65000, г. Одесса, ул. Образцовая, 1, офис 10.  Тел.: (000) 100-00-01, (000) 100-00-02</source>
        <translation>65000, м. Одеса, вул. Зразкова, 1, офіс 10.  Тел.: (000) 100-00-01, (000) 100-00-02</translation>
    </message>
    <message>
        <source>Николаев</source>
        <translation>Миколаїв</translation>
    </message>
    <message>
        <source>54000, г. Николаев, ул. Примерная, 12.  Тел.: (000) 200-00-01</source>
        <translation>54000, м. Миколаїв, вул. Взірцева, 12.  Тел.: (000) 200-00-01</translation>
    </message>
    <message>
        <source>Херсон</source>
        <translation>Херсон</translation>
    </message>
    <message>
        <source>73000, г. Херсон, пр. Условный, 7.  Тел.: (000) 300-00-01, (000) 300-00-02</source>
        <translation>73000, м. Херсон, просп. Умовний, 7.  Тел.: (000) 300-00-01, (000) 300-00-02</translation>
    </message>
    <message>
        <source>Винница</source>
        <translation>Вінниця</translation>
    </message>
    <message>
        <source>21000, г. Винница, ул. Вымышленная, 25.  Тел.: (000) 400-00-01
 Также еще один завод по адресу: 21000, г. Винница, ул. Заводская, 3.</source>
        <translation>21000, м. Вінниця, вул. Вигадана, 25.  Тел.: (000) 400-00-01
 Також ще один завод за адресою: 21000, м. Вінниця, вул. Заводська, 3.</translation>
    </message>
    <message>
        <source>Измаил</source>
        <translation>Ізмаїл</translation>
    </message>
    <message>
        <source>68600, г. Измаил, ул. Несуществующая, 4.  Тел.: (000) 500-00-01</source>
        <translation>68600, м. Ізмаїл, вул. Неіснуюча, 4.  Тел.: (000) 500-00-01</translation>
    </message>
</context>
<context>
    <name>DrawingExport</name>
    <message>
        <source>Не удалось сохранить рисунок</source>
        <translation>Не вдалося зберегти рисунок</translation>
    </message>
</context>
<context>
    <name>ErrorHandler</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; не є допустимим дійсним числом</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Ділення на нуль в обчисленнях з рухомою комою</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Недопустима операція з числами з рухомою комою</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Переповнення в обчисленнях з рухомою комою</translation>
    </message>
</context>
<context>
    <name>ProjectReplay</name>
    <message>
        <source>деление на ноль</source>
        <translation>ділення на нуль</translation>
    </message>
    <message>
        <source>недопустимая операция с числами</source>
        <translation>недопустима операція з числами</translation>
    </message>
    <message>
        <source>результат вне диапазона чисел</source>
        <translation>результат поза діапазоном чисел</translation>
    </message>
    <message>
        <source>в поле «%1» записано «%2», это значение не читается как число</source>
        <translation>у полі «%1» записано «%2», це значення не читається як число</translation>
    </message>
    <message>
        <source>«%1» не читается как число</source>
        <translation>«%1» не читається як число</translation>
    </message>
    <message>
        <source>Проект &quot;%1&quot; открыт, но расчет по нему остановлен (%2): %3.
Поля показывают значения, сохраненные в проекте.</source>
        <translation>Проєкт &quot;%1&quot; відкрито, але розрахунок за ним зупинено (%2): %3.
Поля показують значення, збережені в проєкті.</translation>
    </message>
    <message>
        <source>заполнение окон</source>
        <translation>заповнення вікон</translation>
    </message>
    <message>
        <source>расчет слоев</source>
        <translation>розрахунок шарів</translation>
    </message>
    <message>
        <source>проверка R0 &gt;= Rqmin</source>
        <translation>перевірка R0 &gt;= Rqmin</translation>
    </message>
    <message>
        <source>подбор и расход утеплителя</source>
        <translation>добір і витрата утеплювача</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>О программе</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>З а к р ы т ь</source>
        <translation>З а к р и т и</translation>
    </message>
    <message>
        <source>Закрыть окно</source>
        <translation>Закрити вікно</translation>
    </message>
    <message>
        <source>Подбор утеплителя для теплоизоляции многослойных конструкций</source>
        <translation>Добір утеплювача для теплоізоляції багатошарових конструкцій</translation>
    </message>
    <message>
        <source>ЧП &quot;ВЕРАСК&quot;</source>
        <translation>ПП &quot;ВЕРАСК&quot;</translation>
    </message>
    <message>
        <source>С п а с и б о    з а    В а ш е    в р е м я</source>
        <translation>Д я к у є м о    з а    В а ш    ч а с</translation>
    </message>
    <message>
        <source>Автор:</source>
        <translation>Автор:</translation>
    </message>
    <message>
        <source>Версия:</source>
        <translation>Версія:</translation>
    </message>
    <message>
        <source>Дата:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>2012 г. </source>
        <translation>2012 р. </translation>
    </message>
    <message>
        <source>ОТПРАВИТЬ ПИСЬМО</source>
        <translation>НАДІСЛАТИ ЛИСТА</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Відкрити</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Текстовые (*.txt)</source>
        <translation>Текстові (*.txt)</translation>
    </message>
    <message>
        <source>RTF-формат (*.rtf)</source>
        <translation>RTF-формат (*.rtf)</translation>
    </message>
    <message>
        <source>Таблица Excel</source>
        <translation>Таблиця Excel</translation>
    </message>
    <message>
        <source>Расчетные (*.rww)</source>
        <translation>Розрахункові (*.rww)</translation>
    </message>
    <message>
        <source>Все файлы (*.*)</source>
        <translation>Усі файли (*.*)</translation>
    </message>
    <message>
        <source>Просмотр, редактирование</source>
        <translation>Перегляд, редагування</translation>
    </message>
    <message>
        <source>        Сохранить...</source>
        <translation>        Зберегти...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Зберегти як</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>в нем есть управляющие символы</source>
        <translation>у ньому є керувальні символи</translation>
    </message>
    <message>
        <source>в нем есть строка длиннее %1 знаков</source>
        <translation>у ньому є рядок, довший за %1 знаків</translation>
    </message>
    <message>
        <source>в нем больше %1 строк</source>
        <translation>у ньому понад %1 рядків</translation>
    </message>
    <message>
        <source>Записано в файл  </source>
        <translation>Записано у файл  </translation>
    </message>
    <message>
        <source>Расчет записан в файл &quot;%1&quot;, но показать его здесь нельзя: %2.</source>
        <translation>Розрахунок записано у файл &quot;%1&quot;, але показати його тут не можна: %2.</translation>
    </message>
</context>
<context>
    <name>TForm10</name>
    <message>
        <source>Контакты и гиперссылки на сайт</source>
        <translation>Контакти та гіперпосилання на сайт</translation>
    </message>
    <message>
        <source>Перейти на сайт</source>
        <translation>Перейти на сайт</translation>
    </message>
</context>
<context>
    <name>TForm8</name>
    <message>
        <source>Расчетные (*.rww)</source>
        <translation>Розрахункові (*.rww)</translation>
    </message>
    <message>
        <source>Конструкции</source>
        <translation>Конструкції</translation>
    </message>
    <message>
        <source>----- Номера строк данных конструкций должны соответствовать номерам строк коэффициентов !!! -----</source>
        <translation>----- Номери рядків даних конструкцій мають відповідати номерам рядків коефіцієнтів !!! -----</translation>
    </message>
    <message>
        <source>Конструкция :</source>
        <translation>Конструкція :</translation>
    </message>
    <message>
        <source>Коэф. тепло- проводности:</source>
        <translation>Коеф. тепло- провідності:</translation>
    </message>
    <message>
        <source>Коэф. тепло- усвоения:</source>
        <translation>Коеф. тепло- засвоєння:</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Добавить в файл</source>
        <translation>Додати у файл</translation>
    </message>
    <message>
        <source>Перезаписать?</source>
        <translation>Перезаписати?</translation>
    </message>
    <message>
        <source>Возврат</source>
        <translation>Повернення</translation>
    </message>
    <message>
        <source>Количество строк:</source>
        <translation>Кількість рядків:</translation>
    </message>
    <message>
        <source>Добавлено в файл  </source>
        <translation>Додано у файл  </translation>
    </message>
    <message>
        <source>Вы действительно хотите перезаписать все пользовательские данные?</source>
        <translation>Ви дійсно бажаєте перезаписати всі дані користувача?</translation>
    </message>
    <message>
        <source>Записано в файл  </source>
        <translation>Записано у файл  </translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Просто выбираем или вводим все необходимые значения</source>
        <translation>Просто вибираємо або вводимо всі потрібні значення</translation>
    </message>
    <message>
        <source>Расчет производится в соответствии с ДБН В.2.6-31:2006 (СНиП II-3-79 (1998))</source>
        <translation>Розрахунок виконується відповідно до ДБН В.2.6-31:2006 (СНиП II-3-79 (1998))</translation>
    </message>
    <message>
        <source>                   - Условие</source>
        <translation>                   - Умова</translation>
    </message>
    <message>
        <source>  R0:=(1/Alfa н)+Rk+(1/Alfa в) - сопр.теплопередаче, м2*К/Вт </source>
        <translation>  R0:=(1/Alfa з)+Rk+(1/Alfa в) - опір теплопередачі, м2*К/Вт </translation>
    </message>
    <message>
        <source>           - термическое сопр., м2*К/Вт </source>
        <translation>           - термічний опір, м2*К/Вт </translation>
    </message>
    <message>
        <source>           - (толщина,м) / (коэф.теплопроводности, Вт/(м*К)).</source>
        <translation>           - (товщина,м) / (коеф.теплопровідності, Вт/(м*К)).</translation>
    </message>
    <message>
        <source>НАРУЖНОЙ СТЕНЫ</source>
        <translation>ЗОВНІШНЬОЇ СТІНИ</translation>
    </message>
    <message>
        <source>ПЕРЕКРЫТИЯ</source>
        <translation>ПЕРЕКРИТТЯ</translation>
    </message>
    <message>
        <source>ПОКРЫТИЯ</source>
        <translation>ПОКРИТТЯ</translation>
    </message>
    <message>
        <source>Текстовые (*.txt)</source>
        <translation>Текстові (*.txt)</translation>
    </message>
    <message>
        <source>rtf-формат (*.rtf)</source>
        <translation>rtf-формат (*.rtf)</translation>
    </message>
    <message>
        <source>Расчетные (*.rww)</source>
        <translation>Розрахункові (*.rww)</translation>
    </message>
    <message>
        <source>Все файлы (*.*)</source>
        <translation>Усі файли (*.*)</translation>
    </message>
    <message>
        <source>Подбор утеплителя для теплоизоляции многослойных конструкций _V5.1</source>
        <translation>Добір утеплювача для теплоізоляції багатошарових конструкцій _V5.1</translation>
    </message>
    <message>
        <source>Подбор утеплителя для теплоизоляции многослойных конструкций</source>
        <translation>Добір утеплювача для теплоізоляції багатошарових конструкцій</translation>
    </message>
    <message>
        <source>(вид конструкции)</source>
        <translation>(вид конструкції)</translation>
    </message>
    <message>
        <source>Вид ограждающей конструкции </source>
        <translation>Вид огороджувальної конструкції </translation>
    </message>
    <message>
        <source>Тип конструкции</source>
        <translation>Тип конструкції</translation>
    </message>
    <message>
        <source>              Результат</source>
        <translation>              Результат</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Open text...</source>
        <translation>&amp;Відкрити текст...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Відкрити наявний файл</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Зберегти &amp;як...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Зберегти поточний файл під новим ім’ям</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ихід</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Вийти з програми</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Зміст</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Показати зміст довідки</translation>
    </message>
    <message>
        <source>О пользовании</source>
        <translation>Про користування</translation>
    </message>
    <message>
        <source>По расчету</source>
        <translation>Про розрахунок</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Про програму...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Показати відомості про програму</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Открыть текст</source>
        <translation>Відкрити текст</translation>
    </message>
    <message>
        <source>Сохранить результаты расчета</source>
        <translation>Зберегти результати розрахунку</translation>
    </message>
    <message>
        <source>Просмотр/редактир.</source>
        <translation>Перегляд/редаг.</translation>
    </message>
    <message>
        <source>Просмотр и редактирование сохраненного расчета</source>
        <translation>Перегляд і редагування збереженого розрахунку</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Справка о пользовании программой</source>
        <translation>Довідка про користування програмою</translation>
    </message>
    <message>
        <source>Информация</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>Информация о программе</source>
        <translation>Інформація про програму</translation>
    </message>
    <message>
        <source>Температурный профиль|Температуры в толще конструкции, точка росы и проверка внутренней поверхности</source>
        <translation>Температурний профіль|Температури в товщі конструкції, точка роси й перевірка внутрішньої поверхні</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Закрыть программу</source>
        <translation>Закрити програму</translation>
    </message>
    <message>
        <source>Выбор...</source>
        <translation>Вибір...</translation>
    </message>
    <message>
        <source>Сопрот.требуемое</source>
        <translation>Необхідний опір</translation>
    </message>
    <message>
        <source>Коэф.ТП наружн.</source>
        <translation>Коеф.тепловідд. зовн.</translation>
    </message>
    <message>
        <source>Alfa н</source>
        <translation>Alfa з</translation>
    </message>
    <message>
        <source>Коэф.ТП внутр.</source>
        <translation>Коеф.тепловідд. внутр.</translation>
    </message>
    <message>
        <source>Alfa в</source>
        <translation>Alfa в</translation>
    </message>
    <message>
        <source>Слои конструкции...</source>
        <translation>Шари конструкції...</translation>
    </message>
    <message>
        <source>Термическое сопротивление</source>
        <translation>Термічний опір</translation>
    </message>
    <message>
        <source>Сайт фирмы</source>
        <translation>Сайт фірми</translation>
    </message>
    <message>
        <source>ПОСЕТИТЬ САЙТ</source>
        <translation>ВІДВІДАТИ САЙТ</translation>
    </message>
    <message>
        <source>ПОСЕТИТЬ САЙТ ФИРМЫ</source>
        <translation>ВІДВІДАТИ САЙТ ФІРМИ</translation>
    </message>
    <message>
        <source>Контакты</source>
        <translation>Контакти</translation>
    </message>
    <message>
        <source>Контакты и гиперссылки на сайт</source>
        <translation>Контакти та гіперпосилання на сайт</translation>
    </message>
    <message>
        <source>Р е з у л ь т а т ы :</source>
        <translation>Р е з у л ь т а т и :</translation>
    </message>
    <message>
        <source>Сопротивление теплопередаче конструкции, Ro</source>
        <translation>Опір теплопередачі конструкції, Ro</translation>
    </message>
    <message>
        <source>Расчет!!!</source>
        <translation>Розрахунок!!!</translation>
    </message>
    <message>
        <source>Необходимое термическое сопротивление  Rk </source>
        <translation>Необхідний термічний опір  Rk </translation>
    </message>
    <message>
        <source>- Подбор  утеплителя -</source>
        <translation>- Добір  утеплювача -</translation>
    </message>
    <message>
        <source>Сохранить расчет </source>
        <translation>Зберегти розрахунок </translation>
    </message>
    <message>
        <source>Сохранить расчет</source>
        <translation>Зберегти розрахунок</translation>
    </message>
    <message>
        <source>Слои конструкции:</source>
        <translation>Шари конструкції:</translation>
    </message>
    <message>
        <source>Толщина, мм</source>
        <translation>Товщина, мм</translation>
    </message>
    <message>
        <source>Итого:</source>
        <translation>Разом:</translation>
    </message>
    <message>
        <source>Открыть проект...</source>
        <translation>Відкрити проєкт...</translation>
    </message>
    <message>
        <source>Открыть сохраненный проект расчета</source>
        <translation>Відкрити збережений проєкт розрахунку</translation>
    </message>
    <message>
        <source>Сохранить проект...</source>
        <translation>Зберегти проєкт...</translation>
    </message>
    <message>
        <source>Сохранить исходные данные расчета в файл проекта</source>
        <translation>Зберегти вихідні дані розрахунку у файл проєкту</translation>
    </message>
    <message>
        <source>Восстановить последний расчет</source>
        <translation>Відновити останній розрахунок</translation>
    </message>
    <message>
        <source>Открыть расчет, который был открыт при закрытии программы</source>
        <translation>Відкрити розрахунок, який був відкритий під час закриття програми</translation>
    </message>
    <message>
        <source>Сведения о расчете...</source>
        <translation>Відомості про розрахунок...</translation>
    </message>
    <message>
        <source>Объект, заказчик и исполнитель для заголовка отчета</source>
        <translation>Об’єкт, замовник і виконавець для заголовка звіту</translation>
    </message>
    <message>
        <source>Отчет PDF...</source>
        <translation>Звіт PDF...</translation>
    </message>
    <message>
        <source>Сохранить отчет с таблицей слоев и разрезом в PDF</source>
        <translation>Зберегти звіт із таблицею шарів і розрізом у PDF</translation>
    </message>
    <message>
        <source>Печать...</source>
        <translation>Друк...</translation>
    </message>
    <message>
        <source>Напечатать отчет с таблицей слоев и разрезом</source>
        <translation>Надрукувати звіт із таблицею шарів і розрізом</translation>
    </message>
</context>
</TS>
