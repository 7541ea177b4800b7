<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="ru_RU">
<context>
    <name>EnvelopeKind</name>
    <message>
        <source>Температура наружного воздуха или воздуха чердака tн</source>
        <translation>Температура зовнішнього повітря або повітря горища tн</translation>
    </message>
    <message>
        <source>Температура воздуха проезда или холодного подвала tн</source>
        <translation>Температура повітря проїзду або холодного підвалу tн</translation>
    </message>
    <message>
        <source>Температура воздуха неотапливаемого подвала tн</source>
        <translation>Температура повітря неопалюваного підвалу tн</translation>
    </message>
    <message>
        <source>Расчетная температура наружного воздуха tн</source>
        <translation>Розрахункова температура зовнішнього повітря tн</translation>
    </message>
</context>
<context>
    <name>PartitionRqmin</name>
    <message>
        <source>Жилые</source>
        <translation>Житлові</translation>
    </message>
    <message>
        <source>Обществ.и админ.</source>
        <translation>Громад.і адмін.</translation>
    </message>
    <message>
        <source>Лечеб.и детскУЗ</source>
        <translation>Лікув.і дит.закл.</translation>
    </message>
    <message>
        <source>Дошкольные</source>
        <translation>Дошкільні</translation>
    </message>
    <message>
        <source>  другие...</source>
        <translation>  інші...</translation>
    </message>
    <message>
        <source>Стены (наружные, внутренние)</source>
        <translation>Стіни (зовнішні, внутрішні)</translation>
    </message>
    <message>
        <source>Покрытия и перекрытия чердаков</source>
        <translation>Покриття і перекриття горищ</translation>
    </message>
    <message>
        <source>Перекр.над проездами и подвалами</source>
        <translation>Перекр.над проїздами і підвалами</translation>
    </message>
    <message>
        <source>Жилые дома, детские учрежд., школы-интернаты</source>
        <translation>Житлові будинки, дитячі закл., школи-інтернати</translation>
    </message>
    <message>
        <source>Др.обществ.,админ.и быт.(кроме влаж.и мокр.)</source>
        <translation>Ін.громад.,адмін.і побут.(крім волог.і мокр.)</translation>
    </message>
    <message>
        <source>Производств.с сухим и нормальным режимом</source>
        <translation>Виробнич.із сухим і нормальним режимом</translation>
    </message>
    <message>
        <source>Производств.с влажным и мокрым режимом</source>
        <translation>Виробнич.з вологим і мокрим режимом</translation>
    </message>
    <message>
        <source>Производств.с избытками тепла (&gt;23Вт/м3)</source>
        <translation>Виробнич.з надлишками тепла (&gt;23Вт/м3)</translation>
    </message>
</context>
<context>
    <name>RequiredResistance</name>
    <message>
        <source>1.    Наружные стены</source>
        <translation>1.    Зовнішні стіни</translation>
    </message>
    <message>
        <source>2а*. Покрытия и перекрытия неотаплив.чердаков</source>
        <translation>2а*. Покриття і перекриття неопалюв.горищ</translation>
    </message>
    <message>
        <source>3.    Перекрытия над проездами и холодными подвалами</source>
        <translation>3.    Перекриття над проїздами і холодними підвалами</translation>
    </message>
    <message>
        <source>4.    Перекрытия над неотаплив.подвалами- ВЫШЕ уровня земли</source>
        <translation>4.    Перекриття над неопалюв.підвалами- ВИЩЕ рівня землі</translation>
    </message>
    <message>
        <source>5а*. Перекрытия над неотаплив. подвалами- НИЖЕ уровня земли</source>
        <translation>5а*. Перекриття над неопалюв. підвалами- НИЖЧЕ рівня землі</translation>
    </message>
    <message>
        <source>Винница</source>
        <translation>Вінниця</translation>
    </message>
    <message>
        <source>Днепропетровск</source>
        <translation>Дніпро</translation>
    </message>
    <message>
        <source>Донецк</source>
        <translation>Донецьк</translation>
    </message>
    <message>
        <source>Житомир</source>
        <translation>Житомир</translation>
    </message>
    <message>
        <source>Запорожье</source>
        <translation>Запоріжжя</translation>
    </message>
    <message>
        <source>Ивано-Франковск</source>
        <translation>Івано-Франківськ</translation>
    </message>
    <message>
        <source>Киев</source>
        <translation>Київ</translation>
    </message>
    <message>
        <source>Кировоград</source>
        <translation>Кропивницький</translation>
    </message>
    <message>
        <source>Луганск</source>
        <translation>Луганськ</translation>
    </message>
    <message>
        <source>Луцк</source>
        <translation>Луцьк</translation>
    </message>
    <message>
        <source>Львов</source>
        <translation>Львів</translation>
    </message>
    <message>
        <source>Николаев</source>
        <translation>Миколаїв</translation>
    </message>
    <message>
        <source>Одесса</source>
        <translation>Одеса</translation>
    </message>
    <message>
        <source>Полтава</source>
        <translation>Полтава</translation>
    </message>
    <message>
        <source>Ровно</source>
        <translation>Рівне</translation>
    </message>
    <message>
        <source>Симферополь</source>
        <translation>Сімферополь</translation>
    </message>
    <message>
        <source>Сумы</source>
        <translation>Суми</translation>
    </message>
    <message>
        <source>Ужгород</source>
        <translation>Ужгород</translation>
    </message>
    <message>
        <source>Харьков</source>
        <translation>Харків</translation>
    </message>
    <message>
        <source>Херсон</source>
        <translation>Херсон</translation>
    </message>
    <message>
        <source>Хмельницкий</source>
        <translation>Хмельницький</translation>
    </message>
    <message>
        <source>Черкассы</source>
        <translation>Черкаси</translation>
    </message>
    <message>
        <source>Черновцы</source>
        <translation>Чернівці</translation>
    </message>
    <message>
        <source>Чернигов</source>
        <translation>Чернігів</translation>
    </message>
    <message>
        <source>--- Южный берег Крыма ---</source>
        <translation>--- Південний берег Криму ---</translation>
    </message>
    <message>
        <source>Внешние непрозрачные стены зданий</source>
        <translation>Зовнішні непрозорі стіни будівель</translation>
    </message>
    <message>
        <source>Покрытия и перекрытия зданий</source>
        <translation>Покриття і перекриття будівель</translation>
    </message>
    <message>
        <source>Перекрытия над проездами и подвалами</source>
        <translation>Перекриття над проїздами і підвалами</translation>
    </message>
    <message>
        <source>С сухим и нормальным режимом</source>
        <translation>Із сухим і нормальним режимом</translation>
    </message>
    <message>
        <source>С влажным и мокрым режимом</source>
        <translation>З вологим і мокрим режимом</translation>
    </message>
    <message>
        <source>С избытками тепла (&gt;23Вт/м3)</source>
        <translation>З надлишками тепла (&gt;23Вт/м3)</translation>
    </message>
    <message>
        <source>Таблицы — ДБН В.2.6-31:2006 в первой редакции (четыре температурные зоны). Норма изменена с 01.07.2013 (Изменение №1), заменена ДБН В.2.6-31:2016 (приказ Минрегиона от 08.07.2016 № 220), затем ДБН В.2.6-31:2021, действующими с 01.09.2022 (приказ № 72 от 16.05.2022): для наружных стен жилых и общественных зданий Rq min не менее 4,00 м²·К/Вт в I температурной зоне и 3,50 во II. Другое значение Rqmin можно ввести в главном окне.</source>
        <translation>Таблиці — ДБН В.2.6-31:2006 у першій редакції (чотири температурні зони). Норму змінено з 01.07.2013 (Зміна №1), замінено ДБН В.2.6-31:2016 (наказ Мінрегіону від 08.07.2016 № 220), потім ДБН В.2.6-31:2021, чинними з 01.09.2022 (наказ № 72 від 16.05.2022): для зовнішніх стін житлових і громадських будівель Rq min не менше 4,00 м²·К/Вт у I температурній зоні та 3,50 у II. Інше значення Rqmin можна ввести в головному вікні.</translation>
    </message>
</context>
<context>
    <name>SurfaceCoefficients</name>
    <message>
        <source>Внешние стены, крыши, покрытия, перекрытия </source>
        <translation>Зовнішні стіни, дахи, покриття, перекриття </translation>
    </message>
    <message>
        <source>Перекрытия чердаков и холодных подвалов</source>
        <translation>Перекриття горищ і холодних підвалів</translation>
    </message>
    <message>
        <source>Перекрытия над холодными подвалами и техэтажами,- НИЖЕ ур.земли</source>
        <translation>Перекриття над холодними підвалами і техповерхами,- НИЖЧЕ рів.землі</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Вид ограждающей конструкции </source>
        <translation>Вид огороджувальної конструкції </translation>
    </message>
    <message>
        <source> Выбрать город ...</source>
        <translation> Вибрати місто ...</translation>
    </message>
    <message>
        <source>Режим</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Требуемое сопротивление</source>
        <translation>Необхідний опір</translation>
    </message>
    <message>
        <source>Требуемое сопротивление теплопередаче конструкции</source>
        <translation>Необхідний опір теплопередачі конструкції</translation>
    </message>
    <message>
        <source>Температурная зона</source>
        <translation>Температурна зона</translation>
    </message>
    <message>
        <source>Жилищно-гражданские здания</source>
        <translation>Житлово-цивільні будівлі</translation>
    </message>
    <message>
        <source>Производственные здания</source>
        <translation>Виробничі будівлі</translation>
    </message>
    <message>
        <source>Межквартирные перегородки</source>
        <translation>Міжквартирні перегородки</translation>
    </message>
    <message>
        <source>Реконструкция с целью термомодернизации (коэф. 0,8) /допускается по п.2.3 ДБН/</source>
        <translation>Реконструкція з метою термомодернізації (коеф. 0,8) /допускається за п.2.3 ДБН/</translation>
    </message>
    <message>
        <source>Тепловая инерция</source>
        <translation>Теплова інерція</translation>
    </message>
    <message>
        <source>Расчет</source>
        <translation>Розрахунок</translation>
    </message>
    <message>
        <source>Расчет требуемого сопротивления</source>
        <translation>Розрахунок необхідного опору</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Прийняти</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Тип конструкции ...</source>
        <translation>Тип конструкції ...</translation>
    </message>
    <message>
        <source>Коэффициенты теплоотдачи</source>
        <translation>Коефіцієнти тепловіддачі</translation>
    </message>
    <message>
        <source>Коэф.геплоотдачи наружн.</source>
        <translation>Коеф.тепловіддачі зовн.</translation>
    </message>
    <message>
        <source>Alfa н, Вт/(м2*К)</source>
        <translation>Alfa н, Вт/(м2*К)</translation>
    </message>
    <message>
        <source>Коэф.геплоотдачи внутр.</source>
        <translation>Коеф.тепловіддачі внутр.</translation>
    </message>
    <message>
        <source>Alfa в, Вт/(м2*К)</source>
        <translation>Alfa в, Вт/(м2*К)</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Прийняти</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Назначение зданий</source>
        <translation>Призначення будівель</translation>
    </message>
    <message>
        <source>Вид конструкции</source>
        <translation>Вид конструкції</translation>
    </message>
    <message>
        <source>Межквартирные перегородки</source>
        <translation>Міжквартирні перегородки</translation>
    </message>
    <message>
        <source>Требуемое сопротивление теплопередаче межквартирных перегородок</source>
        <translation>Необхідний опір теплопередачі міжквартирних перегородок</translation>
    </message>
    <message>
        <source>Расчетная температура воздуха,оС</source>
        <translation>Розрахункова температура повітря,оС</translation>
    </message>
    <message>
        <source>Разность темп.возд.и внутр.поверхн.</source>
        <translation>Різниця темп.повітря і внутр.поверхні</translation>
    </message>
    <message>
        <source>Коэф.теплоотдачи внутр.поверхн.</source>
        <translation>Коеф.тепловіддачі внутр.поверхні</translation>
    </message>
    <message>
        <source>Требуемое сопротивление </source>
        <translation>Необхідний опір </translation>
    </message>
    <message>
        <source>Выбор...</source>
        <translation>Вибір...</translation>
    </message>
    <message>
        <source>Расчет Rq min !</source>
        <translation>Розрахунок Rq min !</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Прийняти</translation>
    </message>
    <message>
        <source>Rq min=(tv1-tv2) / (DtTcr*Alf в1)</source>
        <translation>Rq min=(tv1-tv2) / (DtTcr*Alf в1)</translation>
    </message>
    <message>
        <source>стены между квартирами для домов: %1; tв1 = %2 °C, tв2 = %3 °C, deltaTcr = %4</source>
        <translation>стіни між квартирами для будинків: %1; tв1 = %2 °C, tв2 = %3 °C, deltaTcr = %4</translation>
    </message>
</context>
</TS>
