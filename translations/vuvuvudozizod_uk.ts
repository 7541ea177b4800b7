<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="ru_RU">
<context>
    <name>AirGaps</name>
    <message>
        <source>Размещение прослойки</source>
        <translation>Розміщення прошарку</translation>
    </message>
    <message>
        <source>Средняя температура воздуха в прослойке</source>
        <translation>Середня температура повітря в прошарку</translation>
    </message>
    <message>
        <source>Толщина прослойки, мм</source>
        <translation>Товщина прошарку, мм</translation>
    </message>
    <message>
        <source>Горизонтальное.при потоке тепла снизу-вверх и вертикальное</source>
        <translation>Горизонтальне.при потоці тепла знизу вгору та вертикальне</translation>
    </message>
    <message>
        <source>Горизонтальное.при потоке тепла сверху-вниз</source>
        <translation>Горизонтальне.при потоці тепла згори вниз</translation>
    </message>
    <message>
        <source>&gt;= 0 гоад.С</source>
        <translation>&gt;= 0 °C</translation>
    </message>
    <message>
        <source>&lt; 0 гоад.С</source>
        <translation>&lt; 0 °C</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>в проекте %1 нет расчета с R0 &gt; 0, отчет не составлен.</source>
        <translation>у проєкті %1 немає розрахунку з R0 &gt; 0, звіт не складено.</translation>
    </message>
    <message>
        <source>отчет %1 не составлен.</source>
        <translation>звіт %1 не складено.</translation>
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
    <name>CalculationReport</name>
    <message>
        <source>      РАСЧЕТ ТЕПЛОИЗОЛЯЦИИ КОНСТРУКЦИИ </source>
        <translation>      РОЗРАХУНОК ТЕПЛОІЗОЛЯЦІЇ КОНСТРУКЦІЇ </translation>
    </message>
    <message>
        <source>               ОПИСАНИЕ МЕТОДИКИ РАСЧЕТА</source>
        <translation>               ОПИС МЕТОДИКИ РОЗРАХУНКУ</translation>
    </message>
    <message>
        <source>             (согласно ДБН В.2.6-31:2006)</source>
        <translation>             (згідно з ДБН В.2.6-31:2006)</translation>
    </message>
    <message>
        <source>Необходимо выполнение условия:</source>
        <translation>Має виконуватися умова:</translation>
    </message>
    <message>
        <source> R0 &gt;= Rqmin     ,где</source>
        <translation> R0 &gt;= Rqmin     ,де</translation>
    </message>
    <message>
        <source>R0 - Сопротивление теплопередаче конструкции, м2*К/Вт</source>
        <translation>R0 - Опір теплопередачі конструкції, м2*К/Вт</translation>
    </message>
    <message>
        <source>Rqmin -  требуемое сопротивление теплопередаче, м2*К/Вт.</source>
        <translation>Rqmin -  необхідний опір теплопередачі, м2*К/Вт.</translation>
    </message>
    <message>
        <source>R0=(1/Alfa н)+Rk+(1/Alfa в)    ,где</source>
        <translation>R0=(1/Alfa з)+Rk+(1/Alfa в)    ,де</translation>
    </message>
    <message>
        <source>Alfa н - коэффициент теплопередачи наружной поверхности, Вт/(м2*К) ;</source>
        <translation>Alfa з - коефіцієнт тепловіддачі зовнішньої поверхні, Вт/(м2*К) ;</translation>
    </message>
    <message>
        <source>Alfa в - коэффициент теплопередачи внутренней поверхности, Вт/(м2*К) ;</source>
        <translation>Alfa в - коефіцієнт тепловіддачі внутрішньої поверхні, Вт/(м2*К) ;</translation>
    </message>
    <message>
        <source>Rk - термическое сопротивление, м2*К/Вт</source>
        <translation>Rk - термічний опір, м2*К/Вт</translation>
    </message>
    <message>
        <source>Rk=Summa(Ri)     ,где</source>
        <translation>Rk=Summa(Ri)     ,де</translation>
    </message>
    <message>
        <source>Ri:=(Dti/Ldi) - термическое сопротивление каждого слоя конструкции, м2*К/Вт</source>
        <translation>Ri:=(Dti/Ldi) - термічний опір кожного шару конструкції, м2*К/Вт</translation>
    </message>
    <message>
        <source>Dti - толщина і-го слоя, м;</source>
        <translation>Dti - товщина і-го шару, м;</translation>
    </message>
    <message>
        <source>Ldi - коэффициент теплопроводности материала і-го слоя, Вт/(м*К).</source>
        <translation>Ldi - коефіцієнт теплопровідності матеріалу і-го шару, Вт/(м*К).</translation>
    </message>
    <message>
        <source>             Р А С Ч Е Т</source>
        <translation>         Р О З Р А Х У Н О К</translation>
    </message>
    <message>
        <source>  Температурная зона - </source>
        <translation>  Температурна зона - </translation>
    </message>
    <message>
        <source>Для вида конструкции  (Таблица </source>
        <translation>Для виду конструкції  (Таблиця </translation>
    </message>
    <message>
        <source>  при  режиме: </source>
        <translation>  при  режимі: </translation>
    </message>
    <message>
        <source>  для  домов : </source>
        <translation>  для  будинків : </translation>
    </message>
    <message>
        <source>  при  deltaTcr=</source>
        <translation>  при  deltaTcr=</translation>
    </message>
    <message>
        <source>требуемое сопротивление теплопередаче   Rqmin = </source>
        <translation>необхідний опір теплопередачі   Rqmin = </translation>
    </message>
    <message>
        <source>( Принят допускаемый коэффициент 0,8 при реконструкции с целью термомодернизации  /п.2.3 ДБН/)</source>
        <translation>( Прийнято допустимий коефіцієнт 0,8 при реконструкції з метою термомодернізації  /п.2.3 ДБН/)</translation>
    </message>
    <message>
        <source>Для типа конструкции (Приложение Е) :</source>
        <translation>Для типу конструкції (Додаток Е) :</translation>
    </message>
    <message>
        <source>коэффициент теплопередачи наружной поверхности равен:</source>
        <translation>коефіцієнт тепловіддачі зовнішньої поверхні дорівнює:</translation>
    </message>
    <message>
        <source>коэффициент теплопередачи внутренней поверхности равен:</source>
        <translation>коефіцієнт тепловіддачі внутрішньої поверхні дорівнює:</translation>
    </message>
    <message>
        <source>Вычисляем термическое сопротивление Rk.</source>
        <translation>Обчислюємо термічний опір Rk.</translation>
    </message>
    <message>
        <source>Условия эксплуатации - нормальные.</source>
        <translation>Умови експлуатації - нормальні.</translation>
    </message>
    <message>
        <source>          СЛОИ КОНСТРУКЦИИ </source>
        <translation>          ШАРИ КОНСТРУКЦІЇ </translation>
    </message>
    <message>
        <source>(Размещение- </source>
        <translation>(Розміщення- </translation>
    </message>
    <message>
        <source> при температуре </source>
        <translation> при температурі </translation>
    </message>
    <message>
        <source>Итого толщина конструкции = </source>
        <translation>Загальна товщина конструкції = </translation>
    </message>
    <message>
        <source>Сопротивление теплопередаче конструкции равно:</source>
        <translation>Опір теплопередачі конструкції дорівнює:</translation>
    </message>
    <message>
        <source>          В Ы В О Д</source>
        <translation>       В И С Н О В О К</translation>
    </message>
    <message>
        <source>  м2*оС/Вт .</source>
        <translation>  м2*К/Вт .</translation>
    </message>
    <message>
        <source>   Alfa н = </source>
        <translation>   Alfa з = </translation>
    </message>
    <message>
        <source>   R0=(1/Alfa н)+Rk+(1/Alfa в) = 1/</source>
        <translation>   R0=(1/Alfa з)+Rk+(1/Alfa в) = 1/</translation>
    </message>
</context>
<context>
    <name>ClimateList</name>
    <message>
        <source>Файл &quot;%1&quot; не является списком климата этой программы или поврежден; он не будет перезаписан.</source>
        <translation>Файл «%1» не є списком клімату цієї програми або пошкоджений; його не буде перезаписано.</translation>
    </message>
    <message>
        <source>В списке климата &quot;%1&quot; не прочитано мест: %2; список не будет перезаписан.</source>
        <translation>У списку клімату «%1» не прочитано місць: %2; список не буде перезаписано.</translation>
    </message>
    <message>
        <source>Список климата &quot;%1&quot; не прочитан: %2</source>
        <translation>Список клімату «%1» не прочитано: %2</translation>
    </message>
    <message>
        <source>Не удалось сохранить список климата</source>
        <translation>Не вдалося зберегти список клімату</translation>
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
    <message>
        <source>отчет &quot;%1&quot; заменил бы проект &quot;%2&quot;: выберите другое имя отчета.</source>
        <translation>звіт «%1» замінив би проєкт «%2»: виберіть інше ім’я звіту.</translation>
    </message>
    <message>
        <source>не удалось вывести текст: %1</source>
        <translation>не вдалося вивести текст: %1</translation>
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
    <name>DocumentLimits</name>
    <message>
        <source>Too many lines to show (more than %1)</source>
        <translation>Забагато рядків для показу (більше ніж %1)</translation>
    </message>
    <message>
        <source>A line too long to show (more than %1 characters)</source>
        <translation>Задовгий рядок для показу (більше ніж %1 знаків)</translation>
    </message>
    <message>
        <source>Document too large to show (more than %1 characters with its formatting)</source>
        <translation>Документ завеликий для показу (більше ніж %1 знаків разом із форматуванням)</translation>
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
    <name>EnvelopeKind</name>
    <message>
        <source>Температура наружного воздуха или воздуха чердака tн</source>
        <translation>Температура зовнішнього повітря або повітря горища tз</translation>
    </message>
    <message>
        <source>Температура воздуха проезда или холодного подвала tн</source>
        <translation>Температура повітря проїзду або холодного підвалу tз</translation>
    </message>
    <message>
        <source>Температура воздуха неотапливаемого подвала tн</source>
        <translation>Температура повітря неопалюваного підвалу tз</translation>
    </message>
    <message>
        <source>Расчетная температура наружного воздуха tн</source>
        <translation>Розрахункова температура зовнішнього повітря tз</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«%1» не є допустимим дійсним числом</translation>
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
    <name>FileReplacement</name>
    <message>
        <source>none</source>
        <translation>немає</translation>
    </message>
    <message>
        <source>%1 is kept in %2</source>
        <translation>%1 збережено в %2</translation>
    </message>
    <message>
        <source>%1: %2. The files could not all be put back: new %3; old %4</source>
        <translation>%1: %2. Не всі файли вдалося повернути: нові %3; старі %4</translation>
    </message>
    <message>
        <source>. The old content of </source>
        <translation>. Старий вміст </translation>
    </message>
    <message>
        <source>, of </source>
        <translation>, вміст </translation>
    </message>
</context>
<context>
    <name>HandInReport</name>
    <message>
        <source>Пересчитать</source>
        <translation>Перерахувати</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>Документ PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Все файлы (*.*)</source>
        <translation>Усі файли (*.*)</translation>
    </message>
    <message>
        <source>Не удалось сохранить отчет PDF</source>
        <translation>Не вдалося зберегти звіт PDF</translation>
    </message>
    <message>
        <source>Не удалось напечатать отчет в файл</source>
        <translation>Не вдалося надрукувати звіт у файл</translation>
    </message>
    <message>
        <source>%1.
Документ не сделан.</source>
        <translation>%1.
Документ не створено.</translation>
    </message>
</context>
<context>
    <name>InsulationQuantity</name>
    <message>
        <source>Утеплитель ПСБ-%1, толщина %2мм, площадь утепления %3м^2</source>
        <translation>Утеплювач ПСБ-%1, товщина %2мм, площа утеплення %3м^2</translation>
    </message>
    <message>
        <source>Расход утеплителя -</source>
        <translation>Витрата утеплювача -</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Выбор языка не удалось сохранить в файле &quot;%1&quot;: при следующем запуске язык будет выбран заново.</source>
        <translation>Вибір мови не вдалося зберегти у файлі «%1»: під час наступного запуску мову буде вибрано заново.</translation>
    </message>
</context>
<context>
    <name>LastSession</name>
    <message>
        <source>Последний расчет не сохраняется: не задана домашняя папка (переменная HOME).</source>
        <translation>Останній розрахунок не зберігається: не задано домашню папку (змінна HOME).</translation>
    </message>
    <message>
        <source>Последний расчет не сохраняется: домашней папки &quot;%1&quot; нет.</source>
        <translation>Останній розрахунок не зберігається: домашньої папки «%1» немає.</translation>
    </message>
</context>
<context>
    <name>LayerStack</name>
    <message>
        <source>Немножко внимания...</source>
        <translation>Трохи уваги...</translation>
    </message>
    <message>
        <source>Вы не выбрали конструкцию</source>
        <translation>Ви не вибрали конструкцію</translation>
    </message>
    <message>
        <source>Вы не ввели толщину слоя Dt</source>
        <translation>Ви не ввели товщину шару Dt</translation>
    </message>
</context>
<context>
    <name>MaterialCatalogue</name>
    <message>
        <source>ВОЗДУШНАЯ  ПРОСЛОЙКА</source>
        <translation>ПОВІТРЯНИЙ  ПРОШАРОК</translation>
    </message>
    <message>
        <source>Рубероид(600)</source>
        <translation>Рубероїд(600)</translation>
    </message>
    <message>
        <source>Линолеум ПВХ без подосновы (800)</source>
        <translation>Лінолеум ПВХ без підоснови (800)</translation>
    </message>
    <message>
        <source>Линолеум ПВХ без подосновы (1200 кг/м3)</source>
        <translation>Лінолеум ПВХ без підоснови (1200 кг/м3)</translation>
    </message>
    <message>
        <source>Линолеум ПВХ на тканевой осн.(1400 кг/м3)</source>
        <translation>Лінолеум ПВХ на тканинній осн.(1400 кг/м3)</translation>
    </message>
    <message>
        <source>Линолеум ПВХ на тканевой осн.(1600 кг/м3)</source>
        <translation>Лінолеум ПВХ на тканинній осн.(1600 кг/м3)</translation>
    </message>
    <message>
        <source>Линолеум ПВХ на теплоизол. осн.(1600 кг/м3)</source>
        <translation>Лінолеум ПВХ на теплоізол. осн.(1600 кг/м3)</translation>
    </message>
    <message>
        <source>Линолеум ПВХ на теплоизол. осн.(1800 кг/м3)</source>
        <translation>Лінолеум ПВХ на теплоізол. осн.(1800 кг/м3)</translation>
    </message>
    <message>
        <source>Сталь </source>
        <translation>Сталь </translation>
    </message>
    <message>
        <source>Алюминий  (2600 кг/м3)</source>
        <translation>Алюміній  (2600 кг/м3)</translation>
    </message>
    <message>
        <source>Латунь, медь (8500 кг/м3)</source>
        <translation>Латунь, мідь (8500 кг/м3)</translation>
    </message>
    <message>
        <source>Стекло оконное (2500 кг/м3)</source>
        <translation>Скло віконне (2500 кг/м3)</translation>
    </message>
    <message>
        <source>Асфальтобетон (2100 кг/м3)</source>
        <translation>Асфальтобетон (2100 кг/м3)</translation>
    </message>
    <message>
        <source>Железобетон (2500 кг/м3)</source>
        <translation>Залізобетон (2500 кг/м3)</translation>
    </message>
    <message>
        <source>Цементно-песчанная стяжка (1600 кг/м3)</source>
        <translation>Цементно-піщана стяжка (1600 кг/м3)</translation>
    </message>
    <message>
        <source>Плитка керамическая для пола (2000 кг/м3)</source>
        <translation>Плитка керамічна для підлоги (2000 кг/м3)</translation>
    </message>
    <message>
        <source>Лист асбоцементный (1600 кг/м3)</source>
        <translation>Лист азбестоцементний (1600 кг/м3)</translation>
    </message>
    <message>
        <source>Лист асбоцементный (1800 кг/м3)</source>
        <translation>Лист азбестоцементний (1800 кг/м3)</translation>
    </message>
    <message>
        <source>Битум, битум-полимер(1000 кг/м3)</source>
        <translation>Бітум, бітум-полімер(1000 кг/м3)</translation>
    </message>
    <message>
        <source>Битум, битум-полимер(1200 кг/м3)</source>
        <translation>Бітум, бітум-полімер(1200 кг/м3)</translation>
    </message>
    <message>
        <source>Битум, битум-полимер(1400 кг/м3)</source>
        <translation>Бітум, бітум-полімер(1400 кг/м3)</translation>
    </message>
    <message>
        <source>Гранит, базальт (2800 кг/м3)</source>
        <translation>Граніт, базальт (2800 кг/м3)</translation>
    </message>
    <message>
        <source>Мрамор (2800 кг/м3)</source>
        <translation>Мармур (2800 кг/м3)</translation>
    </message>
    <message>
        <source>Известняк (1600 кг/м3))</source>
        <translation>Вапняк (1600 кг/м3)</translation>
    </message>
    <message>
        <source>Известняк (1800 кг/м3)</source>
        <translation>Вапняк (1800 кг/м3)</translation>
    </message>
    <message>
        <source>Известняк (2000 кг/м3)</source>
        <translation>Вапняк (2000 кг/м3)</translation>
    </message>
    <message>
        <source>Туф (1000 кг/м3)</source>
        <translation>Туф (1000 кг/м3)</translation>
    </message>
    <message>
        <source>Кладка кирп.глин.на цем-.песч.р-ре(1800 кг/м3)</source>
        <translation>Кладка цегл.глин.на цем-.піщ.р-ні(1800 кг/м3)</translation>
    </message>
    <message>
        <source>Кладка кирп.глин.на цем.-шлак.р-ре(1700 кг/м3)</source>
        <translation>Кладка цегл.глин.на цем.-шлак.р-ні(1700 кг/м3)</translation>
    </message>
    <message>
        <source>Кладка кирп.глин.на цем.-перлит.р-ре(1600 кг/м3)</source>
        <translation>Кладка цегл.глин.на цем.-перліт.р-ні(1600 кг/м3)</translation>
    </message>
    <message>
        <source>Кладка кирп.силикат.на цем-.песч.р-ре(1800 кг/м3)</source>
        <translation>Кладка цегл.силікат.на цем-.піщ.р-ні(1800 кг/м3)</translation>
    </message>
    <message>
        <source>Кладка кирп.трепельн.на цем-.песч.р-ре(1000 кг/м3)</source>
        <translation>Кладка цегл.трепельн.на цем-.піщ.р-ні(1000 кг/м3)</translation>
    </message>
    <message>
        <source>Кладка кирп.шлаков.на цем-.песч.р-ре(1500 кг/м3)</source>
        <translation>Кладка цегл.шлак.на цем-.піщ.р-ні(1500 кг/м3)</translation>
    </message>
    <message>
        <source>Кладка кирп.керамич.пустотелая.на цем.песч.р-ре(1400 кг/м3)</source>
        <translation>Кладка цегл.керам.пустотіла.на цем.піщ.р-ні(1400 кг/м3)</translation>
    </message>
    <message>
        <source>Кладка кирп.керамич.пустотелая.на цем.песч.р-ре(1300 кг/м3)</source>
        <translation>Кладка цегл.керам.пустотіла.на цем.піщ.р-ні(1300 кг/м3)</translation>
    </message>
    <message>
        <source>Кладка кирп.керамич.пустотелая.на цем.песч.р-ре(1000 кг/м3)</source>
        <translation>Кладка цегл.керам.пустотіла.на цем.піщ.р-ні(1000 кг/м3)</translation>
    </message>
    <message>
        <source>Кладка блок.керамз/ошлакобет.на цем-.песч.р-ре(1350 кг/м3)</source>
        <translation>Кладка блок.керамз/шлакобет.на цем-.піщ.р-ні(1350 кг/м3)</translation>
    </message>
    <message>
        <source>Кладка блоков кремнез.цем..на изв.-кварц.р-ре(400 кг/м3)</source>
        <translation>Кладка блоків кремнез.цем..на вапн.-кварц.р-ні(400 кг/м3)</translation>
    </message>
    <message>
        <source>Раствор цементно-песчаный (1600 кг/м3)</source>
        <translation>Розчин цементно-піщаний (1600 кг/м3)</translation>
    </message>
    <message>
        <source>Раствор сложный (песок, известь, цемент) (1700 кг/м3)</source>
        <translation>Розчин складний (пісок, вапно, цемент) (1700 кг/м3)</translation>
    </message>
    <message>
        <source>Раствор известково-песчаный (1800 кг/м3)</source>
        <translation>Розчин вапняно-піщаний (1800 кг/м3)</translation>
    </message>
    <message>
        <source>Бетон на гравии или щебне на дикаре (2400 кг/м3)</source>
        <translation>Бетон на гравії або щебені з прир. каменю (2400 кг/м3)</translation>
    </message>
    <message>
        <source>Раствор цементно-кремнезитовый (200 кг/м3)</source>
        <translation>Розчин цементно-кремнезитовий (200 кг/м3)</translation>
    </message>
    <message>
        <source>Раствор цементно-кремнезитовый (300 кг/м3)</source>
        <translation>Розчин цементно-кремнезитовий (300 кг/м3)</translation>
    </message>
    <message>
        <source>Раствор цементно-перлитовый (600 кг/м3)</source>
        <translation>Розчин цементно-перлітовий (600 кг/м3)</translation>
    </message>
    <message>
        <source>Раствор цементно-перлитовый (800 кг/м3)</source>
        <translation>Розчин цементно-перлітовий (800 кг/м3)</translation>
    </message>
    <message>
        <source>Раствор цементно-перлитовый (1000 кг/м3)</source>
        <translation>Розчин цементно-перлітовий (1000 кг/м3)</translation>
    </message>
    <message>
        <source>Газобетон (1000кг/м^3)</source>
        <translation>Газобетон (1000кг/м^3)</translation>
    </message>
    <message>
        <source>Газобетон (1200кг/м^3)</source>
        <translation>Газобетон (1200кг/м^3)</translation>
    </message>
    <message>
        <source>Керамзитобетон на керамзит.песке (500 кг/м3)</source>
        <translation>Керамзитобетон на керамзит.піску (500 кг/м3)</translation>
    </message>
    <message>
        <source>Керамзитобетон на керамзит.песке (600 кг/м3)</source>
        <translation>Керамзитобетон на керамзит.піску (600 кг/м3)</translation>
    </message>
    <message>
        <source>Керамзитобетон на керамзит.песке (800 кг/м3)</source>
        <translation>Керамзитобетон на керамзит.піску (800 кг/м3)</translation>
    </message>
    <message>
        <source>Керамзитобетон на керамзит.песке (1000 кг/м3)</source>
        <translation>Керамзитобетон на керамзит.піску (1000 кг/м3)</translation>
    </message>
    <message>
        <source>Керамзитобетон на керамзит.песке (1200 кг/м3)</source>
        <translation>Керамзитобетон на керамзит.піску (1200 кг/м3)</translation>
    </message>
    <message>
        <source>Керамзитобетон на керамзит.песке (1400 кг/м3)</source>
        <translation>Керамзитобетон на керамзит.піску (1400 кг/м3)</translation>
    </message>
    <message>
        <source>Керамзитобетон на керамзит.песке (1600 кг/м3)</source>
        <translation>Керамзитобетон на керамзит.піску (1600 кг/м3)</translation>
    </message>
    <message>
        <source>Керамзитобетон на керамзит.песке (1800 кг/м3)</source>
        <translation>Керамзитобетон на керамзит.піску (1800 кг/м3)</translation>
    </message>
    <message>
        <source>Гравий керамзитовый (200 кг/м3)</source>
        <translation>Гравій керамзитовий (200 кг/м3)</translation>
    </message>
    <message>
        <source>Гравий керамзитовый (300 кг/м3)</source>
        <translation>Гравій керамзитовий (300 кг/м3)</translation>
    </message>
    <message>
        <source>Гравий керамзитовый (400 кг/м3)</source>
        <translation>Гравій керамзитовий (400 кг/м3)</translation>
    </message>
    <message>
        <source>Гравий керамзитовый (600 кг/м3)</source>
        <translation>Гравій керамзитовий (600 кг/м3)</translation>
    </message>
    <message>
        <source>Гравий керамзитовый (800 кг/м3)</source>
        <translation>Гравій керамзитовий (800 кг/м3)</translation>
    </message>
    <message>
        <source>Щебень перлитовый (300 кг/м3)</source>
        <translation>Щебінь перлітовий (300 кг/м3)</translation>
    </message>
    <message>
        <source>Гравий шлаковый (300 кг/м3)</source>
        <translation>Гравій шлаковий (300 кг/м3)</translation>
    </message>
    <message>
        <source>Щебень шлаковый (350 кг/м3)</source>
        <translation>Щебінь шлаковий (350 кг/м3)</translation>
    </message>
    <message>
        <source>Щебень шлакопемзовый (400 кг/м3)</source>
        <translation>Щебінь шлакопемзовий (400 кг/м3)</translation>
    </message>
    <message>
        <source>Песок для стройработ (1600 кг/м3)</source>
        <translation>Пісок для будробіт (1600 кг/м3)</translation>
    </message>
    <message>
        <source>Песок вермикулитовый (100 кг/м3)</source>
        <translation>Пісок вермикулітовий (100 кг/м3)</translation>
    </message>
    <message>
        <source>Песок вермикулитовый (200 кг/м3)</source>
        <translation>Пісок вермикулітовий (200 кг/м3)</translation>
    </message>
    <message>
        <source>Кладка из керамзитошлакобетонных блоков (1350кг/м3)</source>
        <translation>Кладка з керамзитошлакобетонних блоків (1350кг/м3)</translation>
    </message>
    <message>
        <source>Кладка из керамзитошлакобетонных блоков (1400кг/м3)</source>
        <translation>Кладка з керамзитошлакобетонних блоків (1400кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн.на синт.связ.негофрир. (75 кг/м3)</source>
        <translation>Плити мінват.на синт.зв’яз.негофров. (75 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн.на синт.связ.негофрир. (125 кг/м3)</source>
        <translation>Плити мінват.на синт.зв’яз.негофров. (125 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн.на синт.связ.негофрир. (150 кг/м3)</source>
        <translation>Плити мінват.на синт.зв’яз.негофров. (150 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн.на синт.связ.негофрир. (175 кг/м3)</source>
        <translation>Плити мінват.на синт.зв’яз.негофров. (175 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн.на синт.связ.негофрир. (200 кг/м3)</source>
        <translation>Плити мінват.на синт.зв’яз.негофров. (200 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн.на синт.связ.гофрир. (175 кг/м3)</source>
        <translation>Плити мінват.на синт.зв’яз.гофров. (175 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн.на синт.связ.гофрир. (200 кг/м3)</source>
        <translation>Плити мінват.на синт.зв’яз.гофров. (200 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. гофрир. (70 кг/м3)</source>
        <translation>Плити мінват. гофров. (70 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. гофрир. (100 кг/м3)</source>
        <translation>Плити мінват. гофров. (100 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. гофрир. (170 кг/м3)</source>
        <translation>Плити мінват. гофров. (170 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от3,5 до 4,2% (30 кг/м3)</source>
        <translation>Плити мінват. на синт. зв’яз. від3,5 до 4,2% (30 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от3,5 до 4,2% (50 кг/м3)</source>
        <translation>Плити мінват. на синт. зв’яз. від3,5 до 4,2% (50 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от3,5 до 4,2% (70 кг/м3)</source>
        <translation>Плити мінват. на синт. зв’яз. від3,5 до 4,2% (70 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от3,5 до 4,2% (110 кг/м3)</source>
        <translation>Плити мінват. на синт. зв’яз. від3,5 до 4,2% (110 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от3,5 до 4,2% (140 кг/м3)</source>
        <translation>Плити мінват. на синт. зв’яз. від3,5 до 4,2% (140 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от3,5 до 4,2% (180 кг/м3)</source>
        <translation>Плити мінват. на синт. зв’яз. від3,5 до 4,2% (180 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от3,5 до 4,2%  (220 кг/м3)</source>
        <translation>Плити мінват. на синт. зв’яз. від3,5 до 4,2%  (220 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от4,0 до 5,0% (20 кг/м3)</source>
        <translation>Плити мінват. на синт. зв’яз. від4,0 до 5,0% (20 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от4,0 до 5,0% (30 кг/м3)</source>
        <translation>Плити мінват. на синт. зв’яз. від4,0 до 5,0% (30 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ.от4,0 до 5,0% (50 кг/м3)</source>
        <translation>Плити мінват. на синт. зв’яз.від4,0 до 5,0% (50 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от4,0 до 5,0% (80 кг/м3)</source>
        <translation>Плити мінват. на синт. зв’яз. від4,0 до 5,0% (80 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от4,0 до 5,0% (110 кг/м3)</source>
        <translation>Плити мінват. на синт. зв’яз. від4,0 до 5,0% (110 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от4,0 до 5,0% (190 кг/м3)</source>
        <translation>Плити мінват. на синт. зв’яз. від4,0 до 5,0% (190 кг/м3)</translation>
    </message>
    <message>
        <source>Вата минеральная (80 кг/м3)</source>
        <translation>Вата мінеральна (80 кг/м3)</translation>
    </message>
    <message>
        <source>Вата минеральная (100 кг/м3)</source>
        <translation>Вата мінеральна (100 кг/м3)</translation>
    </message>
    <message>
        <source>Изд.теплоизоляц.стекловолокнист.(45 кг/м3)</source>
        <translation>Вир.теплоізоляц.скловолокнист.(45 кг/м3)</translation>
    </message>
    <message>
        <source>Пл.негор.теплоиз.базальто-волокн.(40 кг/м3)</source>
        <translation>Пл.негор.теплоіз.базальто-волокн.(40 кг/м3)</translation>
    </message>
    <message>
        <source>Пл.негор.теплоиз.базальто-волокн.(90 кг/м3)</source>
        <translation>Пл.негор.теплоіз.базальто-волокн.(90 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты пенополистирольные (15 кг/м3)</source>
        <translation>Плити пінополістирольні (15 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты пенополистирольные (25 кг/м3)</source>
        <translation>Плити пінополістирольні (25 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты пенополистирольные (35 кг/м3)</source>
        <translation>Плити пінополістирольні (35 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты пенополистирольные (50 кг/м3)</source>
        <translation>Плити пінополістирольні (50 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты пенополистир. экструзионн.(39 кг/м3)</source>
        <translation>Плити пінополістир. екструзійн.(39 кг/м3)</translation>
    </message>
    <message>
        <source>Жесткий пенополиуретан (40 кг/м3)</source>
        <translation>Жорсткий пінополіуретан (40 кг/м3)</translation>
    </message>
    <message>
        <source>Жесткий пенополиуретан (60 кг/м3)</source>
        <translation>Жорсткий пінополіуретан (60 кг/м3)</translation>
    </message>
    <message>
        <source>Жесткий пенополиуретан (80 кг/м3)</source>
        <translation>Жорсткий пінополіуретан (80 кг/м3)</translation>
    </message>
    <message>
        <source>Вспененный пенополиэтилен (30 кг/м3)</source>
        <translation>Спінений пінополіетилен (30 кг/м3)</translation>
    </message>
    <message>
        <source>Вспененный пенополиэтилен (50 кг/м3)</source>
        <translation>Спінений пінополіетилен (50 кг/м3)</translation>
    </message>
    <message>
        <source>Вспен.п/этилен хим.сшитый ППЭ (30 кг/м3)</source>
        <translation>Спін.п/етилен хім.зшитий ППЕ (30 кг/м3)</translation>
    </message>
    <message>
        <source>Блоки пенополистирольные (20 кг/м3)</source>
        <translation>Блоки пінополістирольні (20 кг/м3)</translation>
    </message>
    <message>
        <source>Блоки пенополистирольные (30 кг/м3)</source>
        <translation>Блоки пінополістирольні (30 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты пенополистир. экструзионн.(50 кг/м3)</source>
        <translation>Плити пінополістир. екструзійн.(50 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты пенополистир. экструзионн.(80кг/м3)</source>
        <translation>Плити пінополістир. екструзійн.(80кг/м3)</translation>
    </message>
    <message>
        <source>Плиты пенополистир. экструзионн.(20 кг/м3)</source>
        <translation>Плити пінополістир. екструзійн.(20 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты пенополистир. экструзионн.(25 кг/м3)</source>
        <translation>Плити пінополістир. екструзійн.(25 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты пенополистир. экструзионн.(30 кг/м3)</source>
        <translation>Плити пінополістир. екструзійн.(30 кг/м3)</translation>
    </message>
    <message>
        <source>Сосна и ель поперек волокон (500 кг/м3)</source>
        <translation>Сосна та ялина поперек волокон (500 кг/м3)</translation>
    </message>
    <message>
        <source>Сталь</source>
        <translation>Сталь</translation>
    </message>
    <message>
        <source>Стекло оконное</source>
        <translation>Скло віконне</translation>
    </message>
    <message>
        <source>Железобетон</source>
        <translation>Залізобетон</translation>
    </message>
    <message>
        <source>Рубероид, линолеум, стяжка </source>
        <translation>Рубероїд, лінолеум, стяжка </translation>
    </message>
    <message>
        <source>Плитка, битум, мрамор, известняк</source>
        <translation>Плитка, бітум, мармур, вапняк</translation>
    </message>
    <message>
        <source>Кладка кирпичная и блочная</source>
        <translation>Кладка цегляна та блокова</translation>
    </message>
    <message>
        <source>Растворы, бетон, ж/б</source>
        <translation>Розчини, бетон, з/б</translation>
    </message>
    <message>
        <source>Г а з о б е т о н   и пенозолобетон</source>
        <translation>Г а з о б е т о н   і пінозолобетон</translation>
    </message>
    <message>
        <source>Керамзитобетоны</source>
        <translation>Керамзитобетони</translation>
    </message>
    <message>
        <source>Гравий, щебень, песок</source>
        <translation>Гравій, щебінь, пісок</translation>
    </message>
    <message>
        <source>Кладка из керамзитошлакобетонных блоков</source>
        <translation>Кладка з керамзитошлакобетонних блоків</translation>
    </message>
    <message>
        <source>Минераловатные плиты</source>
        <translation>Мінераловатні плити</translation>
    </message>
    <message>
        <source>Полимеры </source>
        <translation>Полімери </translation>
    </message>
    <message>
        <source>Другие слои  конструкции,   воздушные прослойки</source>
        <translation>Інші шари  конструкції,   повітряні прошарки</translation>
    </message>
</context>
<context>
    <name>Moisture</name>
    <message>
        <source>Январь</source>
        <translation>Січень</translation>
    </message>
    <message>
        <source>Февраль</source>
        <translation>Лютий</translation>
    </message>
    <message>
        <source>Март</source>
        <translation>Березень</translation>
    </message>
    <message>
        <source>Апрель</source>
        <translation>Квітень</translation>
    </message>
    <message>
        <source>Май</source>
        <translation>Травень</translation>
    </message>
    <message>
        <source>Июнь</source>
        <translation>Червень</translation>
    </message>
    <message>
        <source>Июль</source>
        <translation>Липень</translation>
    </message>
    <message>
        <source>Август</source>
        <translation>Серпень</translation>
    </message>
    <message>
        <source>Сентябрь</source>
        <translation>Вересень</translation>
    </message>
    <message>
        <source>Октябрь</source>
        <translation>Жовтень</translation>
    </message>
    <message>
        <source>Ноябрь</source>
        <translation>Листопад</translation>
    </message>
    <message>
        <source>Декабрь</source>
        <translation>Грудень</translation>
    </message>
</context>
<context>
    <name>MoistureCheck</name>
    <message>
        <source>Слой %1: %2</source>
        <translation>Шар %1: %2</translation>
    </message>
    <message>
        <source>Слой %1: толщина должна быть больше 0.</source>
        <translation>Шар %1: товщина має бути більшою за 0.</translation>
    </message>
    <message>
        <source>Нет слоев: выполните расчет в окне слоев.</source>
        <translation>Немає шарів: виконайте розрахунок у вікні шарів.</translation>
    </message>
    <message>
        <source>Слой %1 (%2): паропроницаемость неизвестна — введите δ или μ.</source>
        <translation>Шар %1 (%2): паропроникність невідома — введіть δ або μ.</translation>
    </message>
    <message>
        <source>между слоями %1 и %2</source>
        <translation>між шарами %1 і %2</translation>
    </message>
    <message>
        <source>Нет расчета: исправьте данные.</source>
        <translation>Немає розрахунку: виправте дані.</translation>
    </message>
    <message>
        <source>Конденсации в толще конструкции нет ни в одном месяце.</source>
        <translation>Конденсації в товщі конструкції немає в жодному місяці.</translation>
    </message>
    <message>
        <source>Конденсат высыхает к концу месяца «%1»; наибольшее количество — %2 г/м² (%3). Сравните его с допустимым для материала.</source>
        <translation>Конденсат висихає до кінця місяця «%1»; найбільша кількість — %2 г/м² (%3). Порівняйте її з допустимою для матеріалу.</translation>
    </message>
    <message>
        <source>Конденсат накапливается: через год остается %1 г/м². Условие не выполняется.</source>
        <translation>Конденсат накопичується: через рік залишається %1 г/м². Умова не виконується.</translation>
    </message>
    <message>
        <source>Поверхность: fRsi = %1; наружный воздух ни в одном месяце не холоднее внутреннего, требования нет.</source>
        <translation>Поверхня: fRsi = %1; зовнішнє повітря в жодному місяці не холодніше за внутрішнє, вимоги немає.</translation>
    </message>
    <message>
        <source>Поверхность: при φв ≥ 80 % требование к температурному фактору невыполнимо (риск плесени).</source>
        <translation>Поверхня: за φв ≥ 80 % вимога до температурного фактора невиконувана (ризик плісняви).</translation>
    </message>
    <message>
        <source>Поверхность: fRsi = %1 ≥ fRsi,max = %2 (%3) — плесени не ожидается.</source>
        <translation>Поверхня: fRsi = %1 ≥ fRsi,max = %2 (%3) — пліснява не очікується.</translation>
    </message>
    <message>
        <source>Поверхность: fRsi = %1 &lt; fRsi,max = %2 (%3) — риск плесени на внутренней поверхности.</source>
        <translation>Поверхня: fRsi = %1 &lt; fRsi,max = %2 (%3) — ризик плісняви на внутрішній поверхні.</translation>
    </message>
    <message>
        <source>поток тепла горизонтальный</source>
        <translation>потік тепла горизонтальний</translation>
    </message>
    <message>
        <source>поток тепла вверх</source>
        <translation>потік тепла вгору</translation>
    </message>
    <message>
        <source>поток тепла вниз</source>
        <translation>потік тепла вниз</translation>
    </message>
    <message>
        <source>Rsi = %1 (%2), Rse = %3 м²·К/Вт</source>
        <translation>Rsi = %1 (%2), Rse = %3 м²·К/Вт</translation>
    </message>
</context>
<context>
    <name>MoistureClimate</name>
    <message>
        <source>Ожидается 12 строк по два числа: температура, °C, и относительная влажность, %.</source>
        <translation>Очікується 12 рядків по два числа: температура, °C, і відносна вологість, %.</translation>
    </message>
    <message>
        <source>Строка %1: &quot;%2&quot;.</source>
        <translation>Рядок %1: «%2».</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; — не число</source>
        <translation>%1: «%2» — не число</translation>
    </message>
    <message>
        <source>%1: влажность должна быть от 0 до 100 %</source>
        <translation>%1: вологість має бути від 0 до 100 %</translation>
    </message>
    <message>
        <source>%1: температура вне пределов от -100 до 100 °C</source>
        <translation>%1: температура поза межами від -100 до 100 °C</translation>
    </message>
    <message>
        <source>Внутренний воздух</source>
        <translation>Внутрішнє повітря</translation>
    </message>
</context>
<context>
    <name>MoistureDiagram</name>
    <message>
        <source>p, Па</source>
        <translation>p, Па</translation>
    </message>
    <message>
        <source>sd, м (от помещения)</source>
        <translation>sd, м (від приміщення)</translation>
    </message>
    <message>
        <source>толщина, мм (от помещения)</source>
        <translation>товщина, мм (від приміщення)</translation>
    </message>
    <message>
        <source>pнас — давление насыщения</source>
        <translation>pнас — тиск насичення</translation>
    </message>
    <message>
        <source>p — давление водяного пара</source>
        <translation>p — тиск водяної пари</translation>
    </message>
    <message>
        <source>● плоскость конденсации</source>
        <translation>● площина конденсації</translation>
    </message>
</context>
<context>
    <name>MoistureDocument</name>
    <message>
        <source>Влажностный режим</source>
        <translation>Вологісний режим</translation>
    </message>
    <message>
        <source>Климат (среднемесячный)</source>
        <translation>Клімат (середньомісячний)</translation>
    </message>
    <message>
        <source>место не названо</source>
        <translation>місце не назване</translation>
    </message>
    <message>
        <source>Внутренний воздух</source>
        <translation>Внутрішнє повітря</translation>
    </message>
    <message>
        <source>tв = %1 °C, φв = %2 % весь год</source>
        <translation>tв = %1 °C, φв = %2 % увесь рік</translation>
    </message>
    <message>
        <source>Сопротивления поверхностей</source>
        <translation>Опори теплообміну поверхонь</translation>
    </message>
    <message>
        <source>Баланс не рассчитан. </source>
        <translation>Баланс не розраховано. </translation>
    </message>
    <message>
        <source>Конденсация по месяцам</source>
        <translation>Конденсація за місяцями</translation>
    </message>
    <message>
        <source>Конденсация в толще</source>
        <translation>Конденсація в товщі</translation>
    </message>
    <message>
        <source>Начало года расчета</source>
        <translation>Початок розрахункового року</translation>
    </message>
    <message>
        <source>Плесень на внутренней поверхности</source>
        <translation>Пліснява на внутрішній поверхні</translation>
    </message>
    <message>
        <source>Давление пара в разрезе, месяц «%1»</source>
        <translation>Тиск пари в розрізі, місяць «%1»</translation>
    </message>
    <message>
        <source>Строка</source>
        <translation>Рядок</translation>
    </message>
    <message>
        <source>Материал</source>
        <translation>Матеріал</translation>
    </message>
    <message>
        <source>Толщина, мм</source>
        <translation>Товщина, мм</translation>
    </message>
    <message>
        <source>δ, мг/(м·ч·Па)</source>
        <translation>δ, мг/(м·год·Па)</translation>
    </message>
    <message>
        <source>sd, м</source>
        <translation>sd, м</translation>
    </message>
    <message>
        <source>Источник δ</source>
        <translation>Джерело δ</translation>
    </message>
    <message>
        <source>Итого</source>
        <translation>Разом</translation>
    </message>
    <message>
        <source>Месяц</source>
        <translation>Місяць</translation>
    </message>
    <message>
        <source>θн, °C</source>
        <translation>θз, °C</translation>
    </message>
    <message>
        <source>φн, %</source>
        <translation>φз, %</translation>
    </message>
    <message>
        <source>pн, Па</source>
        <translation>pз, Па</translation>
    </message>
    <message>
        <source>%1: g, г/м²</source>
        <translation>%1: g, г/м²</translation>
    </message>
    <message>
        <source>%1: Ma, г/м²</source>
        <translation>%1: Ma, г/м²</translation>
    </message>
</context>
<context>
    <name>MoistureWindow</name>
    <message>
        <source>Влажностный режим конструкции</source>
        <translation>Вологісний режим конструкції</translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation>Рисунок PNG (*.png)</translation>
    </message>
    <message>
        <source>Рисунок SVG (*.svg)</source>
        <translation>Рисунок SVG (*.svg)</translation>
    </message>
    <message>
        <source>Все файлы (*.*)</source>
        <translation>Усі файли (*.*)</translation>
    </message>
    <message>
        <source>Давление водяного пара</source>
        <translation>Тиск водяної пари</translation>
    </message>
    <message>
        <source>Слои (от помещения) и их паропроницаемость</source>
        <translation>Шари (від приміщення) та їхня паропроникність</translation>
    </message>
    <message>
        <source>Климат</source>
        <translation>Клімат</translation>
    </message>
    <message>
        <source>Место:</source>
        <translation>Місце:</translation>
    </message>
    <message>
        <source>Сохранить в список мест</source>
        <translation>Зберегти до списку місць</translation>
    </message>
    <message>
        <source>Вставить 12 строк из буфера</source>
        <translation>Вставити 12 рядків із буфера</translation>
    </message>
    <message>
        <source>Среднемесячные температура и относительная влажность наружного воздуха — по ДСТУ-Н Б В.1.1-27 (таблицы климатических параметров по месяцам).</source>
        <translation>Середньомісячні температура і відносна вологість зовнішнього повітря — за ДСТУ-Н Б В.1.1-27 (таблиці кліматичних параметрів за місяцями).</translation>
    </message>
    <message>
        <source>θн, °C</source>
        <translation>θз, °C</translation>
    </message>
    <message>
        <source>φн, %</source>
        <translation>φз, %</translation>
    </message>
    <message>
        <source>Результаты (ДСТУ EN ISO 13788)</source>
        <translation>Результати (ДСТУ EN ISO 13788)</translation>
    </message>
    <message>
        <source>Диаграмма за месяц:</source>
        <translation>Діаграма за місяць:</translation>
    </message>
    <message>
        <source>по оси x — sd вместо толщины</source>
        <translation>по осі x — sd замість товщини</translation>
    </message>
    <message>
        <source>Сохранить рисунок PNG...</source>
        <translation>Зберегти рисунок PNG...</translation>
    </message>
    <message>
        <source>Сохранить рисунок SVG...</source>
        <translation>Зберегти рисунок SVG...</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>№</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Материал</source>
        <translation>Матеріал</translation>
    </message>
    <message>
        <source>d, мм</source>
        <translation>d, мм</translation>
    </message>
    <message>
        <source>δ, мг/(м·ч·Па)</source>
        <translation>δ, мг/(м·год·Па)</translation>
    </message>
    <message>
        <source>μ</source>
        <translation>μ</translation>
    </message>
    <message>
        <source>sd, м</source>
        <translation>sd, м</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Значення</translation>
    </message>
    <message>
        <source>∞</source>
        <translation>∞</translation>
    </message>
    <message>
        <source>Внутренний воздух: tв = %1 °C, φв = %2 % (задаются в окне температурного режима)</source>
        <translation>Внутрішнє повітря: tв = %1 °C, φв = %2 % (задаються у вікні температурного режиму)</translation>
    </message>
    <message>
        <source>Конденсация во всех месяцах: год начат после самого теплого месяца.</source>
        <translation>Конденсація в усіх місяцях: рік розпочато після найтеплішого місяця.</translation>
    </message>
    <message>
        <source>Год начат с месяца «%1», первого с конденсацией после месяца без нее.</source>
        <translation>Рік розпочато з місяця «%1», першого з конденсацією після місяця без неї.</translation>
    </message>
    <message>
        <source>Месяц</source>
        <translation>Місяць</translation>
    </message>
    <message>
        <source>pн, Па</source>
        <translation>pз, Па</translation>
    </message>
    <message>
        <source>%1: g, г/м²</source>
        <translation>%1: g, г/м²</translation>
    </message>
    <message>
        <source>%1: Ma, г/м²</source>
        <translation>%1: Ma, г/м²</translation>
    </message>
    <message>
        <source>Введите название места и все 12 месяцев климата.</source>
        <translation>Введіть назву місця і всі 12 місяців клімату.</translation>
    </message>
    <message>
        <source>Заменить</source>
        <translation>Замінити</translation>
    </message>
    <message>
        <source>Место &quot;%1&quot; уже есть в списке. Заменить его климат?</source>
        <translation>Місце «%1» вже є в списку. Замінити його клімат?</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Нет рисунка: сначала исправьте данные.</source>
        <translation>Немає рисунка: спершу виправте дані.</translation>
    </message>
    <message>
        <source>Сохранено: %1</source>
        <translation>Збережено: %1</translation>
    </message>
</context>
<context>
    <name>OwnFiles</name>
    <message>
        <source>Файл &quot;%1&quot; — открытый проект, он не будет заменен. Выберите другое имя файла.</source>
        <translation>Файл «%1» — відкритий проєкт, його не буде замінено. Виберіть інше ім’я файлу.</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; хранит последний расчет для восстановления, он не будет заменен. Выберите другое имя файла.</source>
        <translation>Файл «%1» зберігає останній розрахунок для відновлення, його не буде замінено. Виберіть інше ім’я файлу.</translation>
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
    <name>PrintAndSvg</name>
    <message>
        <source>Печать и рисунки SVG недоступны: не загружается %1</source>
        <translation>Друк і рисунки SVG недоступні: не завантажується %1</translation>
    </message>
</context>
<context>
    <name>ProjectFields</name>
    <message>
        <source>Rqmin (главное окно)</source>
        <translation>Rqmin (головне вікно)</translation>
    </message>
    <message>
        <source>alpha_ext (главное окно)</source>
        <translation>alpha_ext (головне вікно)</translation>
    </message>
    <message>
        <source>alpha_int (главное окно)</source>
        <translation>alpha_int (головне вікно)</translation>
    </message>
    <message>
        <source>Rk (термическое сопротивление)</source>
        <translation>Rk (термічний опір)</translation>
    </message>
    <message>
        <source>главное окно: толщина слоя %1</source>
        <translation>головне вікно: товщина шару %1</translation>
    </message>
    <message>
        <source>требуемое сопротивление: D</source>
        <translation>необхідний опір: D</translation>
    </message>
    <message>
        <source>требуемое сопротивление: Rqmin</source>
        <translation>необхідний опір: Rqmin</translation>
    </message>
    <message>
        <source>межквартирные перегородки: </source>
        <translation>міжквартирні стіни: </translation>
    </message>
    <message>
        <source>температура более теплого помещения</source>
        <translation>температура теплішого приміщення</translation>
    </message>
    <message>
        <source>температура менее теплого помещения</source>
        <translation>температура менш теплого приміщення</translation>
    </message>
    <message>
        <source>перепад температур</source>
        <translation>допустима різниця температур</translation>
    </message>
    <message>
        <source>слой %1: Ld</source>
        <translation>шар %1: Ld</translation>
    </message>
    <message>
        <source>слой %1: S</source>
        <translation>шар %1: S</translation>
    </message>
    <message>
        <source>слой %1: толщина, мм</source>
        <translation>шар %1: товщина, мм</translation>
    </message>
    <message>
        <source>температурный профиль: </source>
        <translation>температурний профіль: </translation>
    </message>
    <message>
        <source>температура внутреннего воздуха</source>
        <translation>температура внутрішнього повітря</translation>
    </message>
    <message>
        <source>влажность внутреннего воздуха</source>
        <translation>вологість внутрішнього повітря</translation>
    </message>
    <message>
        <source>температура наружного воздуха</source>
        <translation>температура зовнішнього повітря</translation>
    </message>
    <message>
        <source>нормируемый перепад</source>
        <translation>допустима різниця температур</translation>
    </message>
    <message>
        <source>воздушная прослойка: термическое сопротивление</source>
        <translation>повітряний прошарок: термічний опір</translation>
    </message>
    <message>
        <source>подсчет расхода: высота, м</source>
        <translation>підрахунок витрати: висота, м</translation>
    </message>
    <message>
        <source>подсчет расхода: общая длина, м</source>
        <translation>підрахунок витрати: загальна довжина, м</translation>
    </message>
    <message>
        <source>коэффициенты: alpha_ext</source>
        <translation>коефіцієнти: alpha_ext</translation>
    </message>
    <message>
        <source>коэффициенты: alpha_int</source>
        <translation>коефіцієнти: alpha_int</translation>
    </message>
    <message>
        <source>вид ограждения (главное окно)</source>
        <translation>вид огородження (головне вікно)</translation>
    </message>
    <message>
        <source>тип конструкции (главное окно)</source>
        <translation>тип конструкції (головне вікно)</translation>
    </message>
    <message>
        <source>главное окно: название слоя %1</source>
        <translation>головне вікно: назва шару %1</translation>
    </message>
    <message>
        <source>файл пользовательского списка</source>
        <translation>файл списку користувача</translation>
    </message>
    <message>
        <source>Объект</source>
        <translation>Об’єкт</translation>
    </message>
    <message>
        <source>Заказчик</source>
        <translation>Замовник</translation>
    </message>
    <message>
        <source>Исполнитель</source>
        <translation>Виконавець</translation>
    </message>
    <message>
        <source>подсчет расхода: Ld слоя 12</source>
        <translation>підрахунок витрати: Ld шару 12</translation>
    </message>
    <message>
        <source>подсчет расхода: S слоя 12</source>
        <translation>підрахунок витрати: S шару 12</translation>
    </message>
    <message>
        <source>подсчет расхода: толщина слоя 12, мм</source>
        <translation>підрахунок витрати: товщина шару 12, мм</translation>
    </message>
    <message>
        <source>принятое Rqmin</source>
        <translation>прийняте Rqmin</translation>
    </message>
    <message>
        <source>слой %1: δ, мг/(м·ч·Па)</source>
        <translation>шар %1: δ, мг/(м·год·Па)</translation>
    </message>
    <message>
        <source>слой %1: μ</source>
        <translation>шар %1: μ</translation>
    </message>
    <message>
        <source>климат: месяц %1, температура</source>
        <translation>клімат: місяць %1, температура</translation>
    </message>
    <message>
        <source>климат: месяц %1, влажность</source>
        <translation>клімат: місяць %1, вологість</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>должно быть текстом</source>
        <translation>має бути текстом</translation>
    </message>
    <message>
        <source>должно быть логическим значением (true или false)</source>
        <translation>має бути логічним значенням (true або false)</translation>
    </message>
    <message>
        <source>должно быть целым числом</source>
        <translation>має бути цілим числом</translation>
    </message>
    <message>
        <source>вне допустимых значений</source>
        <translation>поза допустимими значеннями</translation>
    </message>
    <message>
        <source>должно быть объектом</source>
        <translation>має бути об’єктом</translation>
    </message>
    <message>
        <source>должно быть списком из %1 элементов</source>
        <translation>має бути списком з %1 елементів</translation>
    </message>
    <message>
        <source>элемент &quot;%1&quot; должен быть объектом</source>
        <translation>елемент «%1» має бути об’єктом</translation>
    </message>
    <message>
        <source>Проект &quot;%1&quot; поврежден: %2</source>
        <translation>Проєкт «%1» пошкоджено: %2</translation>
    </message>
    <message>
        <source>нет поля &quot;%1&quot;</source>
        <translation>немає поля «%1»</translation>
    </message>
    <message>
        <source>поле &quot;%1&quot; %2</source>
        <translation>поле «%1» %2</translation>
    </message>
    <message>
        <source>неизвестный вид здания &quot;%1&quot; в поле &quot;requirement.building&quot;</source>
        <translation>невідомий вид будівлі «%1» у полі «requirement.building»</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; не является проектом Vuvuvudozizod</source>
        <translation>Файл «%1» не є проєктом Vuvuvudozizod</translation>
    </message>
    <message>
        <source>неверная версия формата</source>
        <translation>неправильна версія формату</translation>
    </message>
    <message>
        <source>Проект &quot;%1&quot; сохранен более новой версией программы (версия формата %2); эта программа открывает проекты версии %3</source>
        <translation>Проєкт «%1» збережено новішою версією програми (версія формату %2); ця програма відкриває проєкти версії %3</translation>
    </message>
    <message>
        <source>файл испорчен или обрывается (байт %1)</source>
        <translation>файл пошкоджено або він обривається (байт %1)</translation>
    </message>
    <message>
        <source>поле &quot;decimalSeparator&quot; должно быть &quot;,&quot; или &quot;.&quot;</source>
        <translation>поле «decimalSeparator» має бути «,» або «.»</translation>
    </message>
    <message>
        <source>Не удалось открыть проект &quot;%1&quot;: %2</source>
        <translation>Не вдалося відкрити проєкт «%1»: %2</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>це папка, а не файл</translation>
    </message>
    <message>
        <source>Не удалось сохранить проект</source>
        <translation>Не вдалося зберегти проєкт</translation>
    </message>
    <message>
        <source>Проект Vuvuvudozizod (*.vvz)</source>
        <translation>Проєкт Vuvuvudozizod (*.vvz)</translation>
    </message>
    <message>
        <source>файл занимает %1 байт, а проект не больше %2 байт</source>
        <translation>файл займає %1 байт, а проєкт — не більше ніж %2 байт</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: он занял бы %3 байт, а открываются проекты не больше %4 байт; сократите длинные тексты</source>
        <translation>%1 «%2»: він зайняв би %3 байт, а відкриваються проєкти не більші ніж %4 байт; скоротіть довгі тексти</translation>
    </message>
    <message>
        <source>Проект &quot;%1&quot; называет в поле &quot;%2&quot; элемент &quot;%3&quot;, которого нет в списке этой программы</source>
        <translation>Проєкт «%1» називає в полі «%2» елемент «%3», якого немає в списку цієї програми</translation>
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
        <translation>Проєкт «%1» відкрито, але розрахунок за ним зупинено (%2): %3.
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
    <message>
        <source>В проекте &quot;%1&quot; есть тексты длиннее %2 знаков, больше поле не вмещает. Они показаны сокращенными: %3.
Файл проекта не изменен.</source>
        <translation>У проєкті «%1» є тексти, довші за %2 знаків, більше поле не вміщує. Їх показано скороченими: %3.
Файл проєкту не змінено.</translation>
    </message>
    <message>
        <source>Пересчет остановлен (%1): %2</source>
        <translation>Перерахунок зупинено (%1): %2</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Використання: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[параметри]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметри:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Аргументи:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Невідомий параметр «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Невідомі параметри: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Бракує значення після «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Неочікуване значення після «%1».</translation>
    </message>
</context>
<context>
    <name>ReportDocument</name>
    <message>
        <source>Требуемое сопротивление теплопередаче</source>
        <translation>Необхідний опір теплопередачі</translation>
    </message>
    <message>
        <source>Источник Rqmin</source>
        <translation>Джерело Rqmin</translation>
    </message>
    <message>
        <source>введено вручную в главном окне</source>
        <translation>введено вручну в головному вікні</translation>
    </message>
    <message>
        <source>Температурная зона</source>
        <translation>Температурна зона</translation>
    </message>
    <message>
        <source>Город</source>
        <translation>Місто</translation>
    </message>
    <message>
        <source>, режим: </source>
        <translation>, режим: </translation>
    </message>
    <message>
        <source>Вид конструкции (таблица </source>
        <translation>Вид конструкції (таблиця </translation>
    </message>
    <message>
        <source>Класс тепловой инерции</source>
        <translation>Клас теплової інерції</translation>
    </message>
    <message>
        <source>Значение по таблице</source>
        <translation>Значення за таблицею</translation>
    </message>
    <message>
        <source>Коэффициент при реконструкции (п. 2.3 ДБН)</source>
        <translation>Коефіцієнт при реконструкції (п. 2.3 ДБН)</translation>
    </message>
    <message>
        <source>Требуемое сопротивление Rqmin</source>
        <translation>Необхідний опір Rqmin</translation>
    </message>
    <message>
        <source>Внимание</source>
        <translation>Увага</translation>
    </message>
    <message>
        <source>Rqmin принято для %1, а D конструкции теперь %2: Rqmin нужно выбрать заново</source>
        <translation>Rqmin прийнято для %1, а D конструкції тепер %2: Rqmin треба вибрати заново</translation>
    </message>
    <message>
        <source>Редакция норм</source>
        <translation>Редакція норм</translation>
    </message>
    <message>
        <source>Поверхности со стороны соседей Alfa н</source>
        <translation>Поверхні з боку сусідів Alfa з</translation>
    </message>
    <message>
        <source>Наружной поверхности Alfa н</source>
        <translation>Зовнішньої поверхні Alfa з</translation>
    </message>
    <message>
        <source>Коэффициенты теплоотдачи поверхностей (приложение Е)</source>
        <translation>Коефіцієнти тепловіддачі поверхонь (додаток Е)</translation>
    </message>
    <message>
        <source>Тип конструкции</source>
        <translation>Тип конструкції</translation>
    </message>
    <message>
        <source>Внутренней поверхности Alfa в</source>
        <translation>Внутрішньої поверхні Alfa в</translation>
    </message>
    <message>
        <source>Строка</source>
        <translation>Рядок</translation>
    </message>
    <message>
        <source>Материал</source>
        <translation>Матеріал</translation>
    </message>
    <message>
        <source>Толщина, мм</source>
        <translation>Товщина, мм</translation>
    </message>
    <message>
        <source>Итого</source>
        <translation>Разом</translation>
    </message>
    <message>
        <source>Слой 11 — воздушная прослойка: </source>
        <translation>Шар 11 — повітряний прошарок: </translation>
    </message>
    <message>
        <source>, при температуре </source>
        <translation>, при температурі </translation>
    </message>
    <message>
        <source>Сопротивление теплопередаче конструкции</source>
        <translation>Опір теплопередачі конструкції</translation>
    </message>
    <message>
        <source>Сравнение</source>
        <translation>Порівняння</translation>
    </message>
    <message>
        <source>Вывод</source>
        <translation>Висновок</translation>
    </message>
    <message>
        <source>Утеплитель</source>
        <translation>Утеплювач</translation>
    </message>
    <message>
        <source>Плита</source>
        <translation>Плита</translation>
    </message>
    <message>
        <source>Необходимая толщина</source>
        <translation>Необхідна товщина</translation>
    </message>
    <message>
        <source>Толщина утеплителя</source>
        <translation>Товщина утеплювача</translation>
    </message>
    <message>
        <source>для текущего Rqmin не подобрана</source>
        <translation>для поточного Rqmin не підібрано</translation>
    </message>
    <message>
        <source>Расход утеплителя</source>
        <translation>Витрата утеплювача</translation>
    </message>
    <message>
        <source>Площадь утепления</source>
        <translation>Площа утеплення</translation>
    </message>
    <message>
        <source>Объем утеплителя</source>
        <translation>Об’єм утеплювача</translation>
    </message>
    <message>
        <source>Внутренний воздух</source>
        <translation>Внутрішнє повітря</translation>
    </message>
    <message>
        <source>Наружный воздух</source>
        <translation>Зовнішнє повітря</translation>
    </message>
    <message>
        <source>Температура внутренней поверхности τв</source>
        <translation>Температура внутрішньої поверхні τв</translation>
    </message>
    <message>
        <source>Температура наружной поверхности τн</source>
        <translation>Температура зовнішньої поверхні τз</translation>
    </message>
    <message>
        <source>Точка росы внутреннего воздуха tр</source>
        <translation>Точка роси внутрішнього повітря tр</translation>
    </message>
    <message>
        <source>Перепад tв − τв</source>
        <translation>Перепад tв − τв</translation>
    </message>
    <message>
        <source>Санитарное условие</source>
        <translation>Санітарно-гігієнічна вимога</translation>
    </message>
    <message>
        <source>Конденсация на поверхности</source>
        <translation>Конденсація на поверхні</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Примітка</translation>
    </message>
    <message>
        <source>Разрез не построен. </source>
        <translation>Розріз не побудовано. </translation>
    </message>
    <message>
        <source>РАСЧЕТ ТЕПЛОИЗОЛЯЦИИ СТЕНЫ МЕЖДУ КВАРТИРАМИ</source>
        <translation>РОЗРАХУНОК ТЕПЛОІЗОЛЯЦІЇ МІЖКВАРТИРНОЇ СТІНИ</translation>
    </message>
    <message>
        <source>РАСЧЕТ ТЕПЛОИЗОЛЯЦИИ КОНСТРУКЦИИ </source>
        <translation>РОЗРАХУНОК ТЕПЛОІЗОЛЯЦІЇ КОНСТРУКЦІЇ </translation>
    </message>
    <message>
        <source>Согласно ДБН В.2.6-31:2006. Дата расчета: </source>
        <translation>Згідно з ДБН В.2.6-31:2006. Дата розрахунку: </translation>
    </message>
    <message>
        <source>Объект</source>
        <translation>Об’єкт</translation>
    </message>
    <message>
        <source>Заказчик</source>
        <translation>Замовник</translation>
    </message>
    <message>
        <source>Исполнитель</source>
        <translation>Виконавець</translation>
    </message>
    <message>
        <source>Слои конструкции</source>
        <translation>Шари конструкції</translation>
    </message>
    <message>
        <source>Температуры в разрезе</source>
        <translation>Температури в розрізі</translation>
    </message>
    <message>
        <source>Страница %1 из %2</source>
        <translation>Сторінка %1 з %2</translation>
    </message>
    <message>
        <source>1/Alfa н + Rk + 1/Alfa в = 1/</source>
        <translation>1/Alfa з + Rk + 1/Alfa в = 1/</translation>
    </message>
    <message>
        <source>tн = </source>
        <translation>tз = </translation>
    </message>
    <message>
        <source>, Δtн = </source>
        <translation>, Δtcr = </translation>
    </message>
    <message>
        <source>не сделан: Rqmin нужно выбрать заново для D конструкции</source>
        <translation>не зроблено: Rqmin треба вибрати заново для D конструкції</translation>
    </message>
    <message>
        <source>для Rqmin %1 необходимо %2</source>
        <translation>для Rqmin %1 необхідно %2</translation>
    </message>
    <message>
        <source>для Rqmin %1 толщина этой плиты не подбирается</source>
        <translation>для Rqmin %1 товщина цієї плити не добирається</translation>
    </message>
    <message>
        <source>Принята %1; %2</source>
        <translation>Прийнято %1; %2</translation>
    </message>
    <message>
        <source>не приводится: плита или ее толщина в слое 12 изменены после подсчета расхода</source>
        <translation>не наводиться: плиту або її товщину в шарі 12 змінено після підрахунку витрати</translation>
    </message>
    <message>
        <source>не приводится: конструкция не проходит проверку</source>
        <translation>не наводиться: конструкція не проходить перевірку</translation>
    </message>
</context>
<context>
    <name>ReportPages</name>
    <message>
        <source>Не удалось начать печать отчета.</source>
        <translation>Не вдалося почати друк звіту.</translation>
    </message>
    <message>
        <source>Не удалось закончить печать отчета.</source>
        <translation>Не вдалося завершити друк звіту.</translation>
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
        <translation>Таблиці — ДБН В.2.6-31:2006 у першій редакції (чотири температурні зони). Норму змінено з 01.07.2013 (Зміна № 1), замінено ДБН В.2.6-31:2016 (наказ Мінрегіону від 08.07.2016 № 220), потім ДБН В.2.6-31:2021, який набув чинності 01.09.2022 (наказ № 72 від 16.05.2022): для зовнішніх стін житлових і громадських будівель Rq min не менше ніж 4,00 м²·К/Вт у I температурній зоні та 3,50 у II. Інше значення Rqmin можна ввести в головному вікні.</translation>
    </message>
</context>
<context>
    <name>ResistanceCheck</name>
    <message>
        <source>Условие выполняется.</source>
        <translation>Умова виконується.</translation>
    </message>
    <message>
        <source>Условие не выполняется!</source>
        <translation>Умова не виконується!</translation>
    </message>
</context>
<context>
    <name>ResultState</name>
    <message>
        <source>Слои изменены: нажмите «Расчет» в окне слоев</source>
        <translation>Шари змінено: натисніть «Розрахунок» у вікні шарів</translation>
    </message>
    <message>
        <source>Данные изменены: нажмите «Расчет!!!»</source>
        <translation>Дані змінено: натисніть «Розрахунок!!!»</translation>
    </message>
    <message>
        <source>D изменилось: выберите Rqmin заново</source>
        <translation>D змінилося: виберіть Rqmin заново</translation>
    </message>
    <message>
        <source>Слои конструкции изменены после последнего расчета, результаты устарели.
Пересчитать и сделать отчет по новым данным?</source>
        <translation>Шари конструкції змінено після останнього розрахунку, результати застаріли.
Перерахувати й зробити звіт за новими даними?</translation>
    </message>
    <message>
        <source>Rk, коэффициенты теплоотдачи или Rqmin изменены после последней проверки, результаты устарели.
Пересчитать и сделать отчет по новым данным?</source>
        <translation>Rk, коефіцієнти тепловіддачі або Rqmin змінено після останньої перевірки, результати застаріли.
Перерахувати й зробити звіт за новими даними?</translation>
    </message>
    <message>
        <source>слои</source>
        <translation>шари</translation>
    </message>
    <message>
        <source>коэффициенты теплоотдачи</source>
        <translation>коефіцієнти тепловіддачі</translation>
    </message>
    <message>
        <source>класс D</source>
        <translation>клас D</translation>
    </message>
    <message>
        <source>нажмите «Расчет» в окне слоев</source>
        <translation>натисніть «Розрахунок» у вікні шарів</translation>
    </message>
    <message>
        <source>нажмите «Расчет!!!»</source>
        <translation>натисніть «Розрахунок!!!»</translation>
    </message>
    <message>
        <source>Изменены %1</source>
        <translation>Змінено %1</translation>
    </message>
    <message>
        <source>; Rqmin выберите заново</source>
        <translation>; Rqmin виберіть заново</translation>
    </message>
    <message>
        <source>Тепловая инерция D конструкции перешла в другой класс после того, как было принято Rqmin; Rqmin нужно выбрать заново в окне требуемого сопротивления, отчет отметит это.</source>
        <translation>Теплова інерція D конструкції перейшла в інший клас після того, як було прийнято Rqmin; Rqmin треба вибрати заново у вікні необхідного опору, звіт зазначить це.</translation>
    </message>
    <message>
        <source>После последнего расчета изменены: %1; результаты устарели.</source>
        <translation>Після останнього розрахунку змінено: %1; результати застаріли.</translation>
    </message>
    <message>
        <source>Пересчитать и сделать отчет по новым данным?</source>
        <translation>Перерахувати й зробити звіт за новими даними?</translation>
    </message>
    <message>
        <source>Пересчитать и сделать отчет?</source>
        <translation>Перерахувати й зробити звіт?</translation>
    </message>
</context>
<context>
    <name>SectionDrawing</name>
    <message>
        <source>температура</source>
        <translation>температура</translation>
    </message>
    <message>
        <source>точка росы</source>
        <translation>точка роси</translation>
    </message>
    <message>
        <source>помещение, Rsi</source>
        <translation>приміщення, Rsi</translation>
    </message>
    <message>
        <source>снаружи, Rse</source>
        <translation>зовні, Rse</translation>
    </message>
    <message>
        <source>x, мм от внутренней поверхности</source>
        <translation>x, мм від внутрішньої поверхні</translation>
    </message>
    <message>
        <source>у внутренней поверхности: t = </source>
        <translation>біля внутрішньої поверхні: t = </translation>
    </message>
    <message>
        <source>у наружной поверхности: t = </source>
        <translation>біля зовнішньої поверхні: t = </translation>
    </message>
    <message>
        <source>x = %1 мм, слой %2: t = %3</source>
        <translation>x = %1 мм, шар %2: t = %3</translation>
    </message>
    <message>
        <source>холоднее точки росы внутреннего воздуха</source>
        <translation>холодніше за точку роси внутрішнього повітря</translation>
    </message>
</context>
<context>
    <name>SectionLayers</name>
    <message>
        <source>кладка</source>
        <translation>кладка</translation>
    </message>
    <message>
        <source>бетон, раствор</source>
        <translation>бетон, розчин</translation>
    </message>
    <message>
        <source>утеплитель</source>
        <translation>утеплювач</translation>
    </message>
    <message>
        <source>воздушная прослойка</source>
        <translation>повітряний прошарок</translation>
    </message>
    <message>
        <source>прочие слои</source>
        <translation>інші шари</translation>
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
        <translation>ПП «ВЕРАСК»</translation>
    </message>
    <message>
        <source>С п а с и б о    з а    В а ш е    в р е м я</source>
        <translation>Д я к у є м о    з а    у в а г у</translation>
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
    <message>
        <source>Образцов Петр Иванович</source>
        <translation>Образцов Петро Іванович</translation>
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
        <translation>Розрахунок записано у файл «%1», але показати його тут не можна: %2.</translation>
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
    <name>TForm2</name>
    <message>
        <source>Пользовательский список</source>
        <translation>Список користувача</translation>
    </message>
    <message>
        <source>Пользовательский список...</source>
        <translation>Список користувача...</translation>
    </message>
    <message>
        <source>Сопротивление слоев конструкции</source>
        <translation>Опір шарів конструкції</translation>
    </message>
    <message>
        <source>Термическое сопротивление теплопередаче  и тепловая инерция слоев конструкции</source>
        <translation>Термічний опір і теплова інерція шарів конструкції</translation>
    </message>
    <message>
        <source>Коэф. тепло-
проводности</source>
        <translation>Коеф. тепло-
провідності</translation>
    </message>
    <message>
        <source>Коэф. тепло-
усвоения</source>
        <translation>Коеф. тепло-
засвоєння</translation>
    </message>
    <message>
        <source>Толщина слоя
Dt, мм</source>
        <translation>Товщина шару
Dt, мм</translation>
    </message>
    <message>
        <source>Термическ.
сопрот-ние</source>
        <translation>Термічний
опір</translation>
    </message>
    <message>
        <source>Тепловая
инерция</source>
        <translation>Теплова
інерція</translation>
    </message>
    <message>
        <source>Open|</source>
        <translation>Відкрити|</translation>
    </message>
    <message>
        <source>Редактировать пользовательский список</source>
        <translation>Редагувати список користувача</translation>
    </message>
    <message>
        <source>Термическое сопротивление теплопередаче конструкции:</source>
        <translation>Термічний опір конструкції:</translation>
    </message>
    <message>
        <source>Толщина конструкции</source>
        <translation>Товщина конструкції</translation>
    </message>
    <message>
        <source>Тепловая инерция</source>
        <translation>Теплова інерція</translation>
    </message>
    <message>
        <source>---  Р е з у л ь т а т ы  ---</source>
        <translation>---  Р е з у л ь т а т и  ---</translation>
    </message>
    <message>
        <source>Расчет</source>
        <translation>Розрахунок</translation>
    </message>
    <message>
        <source>---   Р А С Ч Е Т  ! ! !   ---</source>
        <translation>---   Р О З Р А Х У Н О К  ! ! !   ---</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Прийняти</translation>
    </message>
    <message>
        <source>П о д о б р а т ь  у т е п л и т е л ь  в  ЧП &quot;ВЕРАСК&quot;</source>
        <translation>П і д і б р а т и  у т е п л ю в а ч  у  ПП «ВЕРАСК»</translation>
    </message>
    <message>
        <source>Температурный профиль...</source>
        <translation>Температурний профіль...</translation>
    </message>
    <message>
        <source>Влажностный режим...</source>
        <translation>Вологісний режим...</translation>
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
        <translation>Житлові та громадські будинки</translation>
    </message>
    <message>
        <source>Производственные здания</source>
        <translation>Виробничі будівлі</translation>
    </message>
    <message>
        <source>Межквартирные перегородки</source>
        <translation>Міжквартирні стіни</translation>
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
        <translation>Alfa з, Вт/(м2*К)</translation>
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
    <name>TForm5</name>
    <message>
        <source>Плиты пенополистирольные   </source>
        <translation>Плити пінополістирольні   </translation>
    </message>
    <message>
        <source>Характеристики</source>
        <translation>Характеристики</translation>
    </message>
    <message>
        <source>Подобрать утеплитель в ЧП &quot;ВЕРАСК&quot;</source>
        <translation>Підібрати утеплювач у ПП «ВЕРАСК»</translation>
    </message>
    <message>
        <source>Необходимая толщина  утеплителя:</source>
        <translation>Необхідна товщина утеплювача:</translation>
    </message>
    <message>
        <source>---  Посчитать расход утеплителя  ---</source>
        <translation>---  Підрахувати витрату утеплювача  ---</translation>
    </message>
    <message>
        <source>Узнать о наличии марок утеплителя в филиалах</source>
        <translation>Дізнатися про наявність марок утеплювача у філіях</translation>
    </message>
    <message>
        <source>Возврат</source>
        <translation>Назад</translation>
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
        <translation>Міжквартирні стіни</translation>
    </message>
    <message>
        <source>Требуемое сопротивление теплопередаче межквартирных перегородок</source>
        <translation>Необхідний опір теплопередачі міжквартирних стін</translation>
    </message>
    <message>
        <source>Расчетная температура воздуха,оС</source>
        <translation>Розрахункова температура повітря, °C</translation>
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
        <translation>міжквартирні стіни для будинків: %1; tв1 = %2 °C, tв2 = %3 °C, deltaTcr = %4</translation>
    </message>
</context>
<context>
    <name>TForm7</name>
    <message>
        <source>Воздушные прослойки</source>
        <translation>Повітряні прошарки</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Прийняти</translation>
    </message>
    <message>
        <source>Выберите толщину прослойки</source>
        <translation>Виберіть товщину прошарку</translation>
    </message>
    <message>
        <source>град.С</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Ld =</source>
        <translation>R =</translation>
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
        <translation>Назад</translation>
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
    <name>TForm9</name>
    <message>
        <source>Подсчет расхода утеплителя</source>
        <translation>Підрахунок витрати утеплювача</translation>
    </message>
    <message>
        <source>Текстовый файл</source>
        <translation>Текстовий файл</translation>
    </message>
    <message>
        <source>Высота, м</source>
        <translation>Висота, м</translation>
    </message>
    <message>
        <source>Общая длина, м</source>
        <translation>Загальна довжина, м</translation>
    </message>
    <message>
        <source>Расход утеплителя -</source>
        <translation>Витрата утеплювача -</translation>
    </message>
    <message>
        <source>Сохранить текст для заказа</source>
        <translation>Зберегти текст для замовлення</translation>
    </message>
    <message>
        <source>Сохранить текстовый файл</source>
        <translation>Зберегти текстовий файл</translation>
    </message>
    <message>
        <source>З а к а з а т ь</source>
        <translation>З а м о в и т и</translation>
    </message>
    <message>
        <source>Заказать на сайте</source>
        <translation>Замовити на сайті</translation>
    </message>
    <message>
        <source>В ы х о д</source>
        <translation>В и х і д</translation>
    </message>
    <message>
        <source>Выйти из программы</source>
        <translation>Вийти з програми</translation>
    </message>
    <message>
        <source>Расход утеплителя</source>
        <translation>Витрата утеплювача</translation>
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
        <translation>  R0:=(1/Alfa з)+Rk+(1/Alfa в)     - опір теплопередачі, м2*К/Вт </translation>
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
    <message>
        <source>Заголовок отчета:</source>
        <translation>Заголовок звіту:</translation>
    </message>
</context>
<context>
    <name>TemperatureCheck</name>
    <message>
        <source>пусто</source>
        <translation>порожньо</translation>
    </message>
    <message>
        <source>%1: %2 — не число.</source>
        <translation>%1: %2 — не число.</translation>
    </message>
    <message>
        <source>%1: ниже абсолютного нуля.</source>
        <translation>%1: нижче абсолютного нуля.</translation>
    </message>
    <message>
        <source>Нет слоев с толщиной: выполните расчет в окне слоев.</source>
        <translation>Немає шарів з товщиною: виконайте розрахунок у вікні шарів.</translation>
    </message>
    <message>
        <source>Слой %1: толщина %2 мм, такого слоя не бывает; разрез и температуры строятся только по всем слоям Rk.</source>
        <translation>Шар %1: товщина %2 мм, такого шару не буває; розріз і температури будуються лише за всіма шарами Rk.</translation>
    </message>
    <message>
        <source>Слой %1: сопротивление меньше нуля, проверьте его Ld.</source>
        <translation>Шар %1: опір менший за нуль, перевірте його Ld.</translation>
    </message>
    <message>
        <source>Выберите коэффициент %1 в главном окне (сейчас «%2»).</source>
        <translation>Виберіть коефіцієнт %1 у головному вікні (зараз «%2»).</translation>
    </message>
    <message>
        <source>tв не выше tн: тепло наружу не уходит.</source>
        <translation>tв не вища за tз: тепло назовні не виходить.</translation>
    </message>
    <message>
        <source>φв: от 0 до 100 %.</source>
        <translation>φв: від 0 до 100 %.</translation>
    </message>
    <message>
        <source>Δtн: не меньше 0.</source>
        <translation>Δtcr: не менше ніж 0.</translation>
    </message>
    <message>
        <source>Числа вне пределов расчета.</source>
        <translation>Числа поза межами розрахунку.</translation>
    </message>
    <message>
        <source>tв − τв не больше Δtн: санитарное условие выполняется.</source>
        <translation>tв − τв не більше за Δtcr: санітарно-гігієнічна вимога виконується.</translation>
    </message>
    <message>
        <source>tв − τв больше Δtн: санитарное условие не выполняется!</source>
        <translation>tв − τв більше за Δtcr: санітарно-гігієнічна вимога не виконується!</translation>
    </message>
    <message>
        <source>Сухой воздух: конденсата на поверхности нет.</source>
        <translation>Сухе повітря: конденсату на поверхні немає.</translation>
    </message>
    <message>
        <source>τв выше точки росы: конденсата на поверхности нет.</source>
        <translation>τв вища за точку роси: конденсату на поверхні немає.</translation>
    </message>
    <message>
        <source>τв не выше точки росы: на поверхности выпадет конденсат!</source>
        <translation>τв не вища за точку роси: на поверхні випаде конденсат!</translation>
    </message>
    <message>
        <source>tн</source>
        <translation>tз</translation>
    </message>
    <message>
        <source>Δtн</source>
        <translation>Δtcr</translation>
    </message>
    <message>
        <source>Alfa н</source>
        <translation>Alfa з</translation>
    </message>
</context>
<context>
    <name>TemperatureProfileWindow</name>
    <message>
        <source>Воздух помещения</source>
        <translation>Повітря приміщення</translation>
    </message>
    <message>
        <source>Внутренняя поверхность</source>
        <translation>Внутрішня поверхня</translation>
    </message>
    <message>
        <source>Между слоями %1 и %2</source>
        <translation>Між шарами %1 і %2</translation>
    </message>
    <message>
        <source>Наружная поверхность</source>
        <translation>Зовнішня поверхня</translation>
    </message>
    <message>
        <source>Наружный воздух</source>
        <translation>Зовнішнє повітря</translation>
    </message>
    <message>
        <source>Температурный режим конструкции</source>
        <translation>Температурний режим конструкції</translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation>Рисунок PNG (*.png)</translation>
    </message>
    <message>
        <source>Рисунок SVG (*.svg)</source>
        <translation>Рисунок SVG (*.svg)</translation>
    </message>
    <message>
        <source>Все файлы (*.*)</source>
        <translation>Усі файли (*.*)</translation>
    </message>
    <message>
        <source>Температурный профиль</source>
        <translation>Температурний профіль</translation>
    </message>
    <message>
        <source>Исходные данные</source>
        <translation>Вихідні дані</translation>
    </message>
    <message>
        <source>Температура внутреннего воздуха tв</source>
        <translation>Температура внутрішнього повітря tв</translation>
    </message>
    <message>
        <source>Влажность внутреннего воздуха φв</source>
        <translation>Вологість внутрішнього повітря φв</translation>
    </message>
    <message>
        <source>Нормативный перепад Δtн</source>
        <translation>Допустима різниця температур Δtcr</translation>
    </message>
    <message>
        <source>Температуру воздуха чердака или подвала введите сами.</source>
        <translation>Температуру повітря горища чи підвалу введіть самі.</translation>
    </message>
    <message>
        <source>Δtн по назначению здания и виду конструкции:</source>
        <translation>Δtcr за призначенням будівлі та видом конструкції:</translation>
    </message>
    <message>
        <source>Слой 1 — со стороны помещения</source>
        <translation>Шар 1 — з боку приміщення</translation>
    </message>
    <message>
        <source>Результаты</source>
        <translation>Результати</translation>
    </message>
    <message>
        <source>Температура внутренней поверхности τв</source>
        <translation>Температура внутрішньої поверхні τв</translation>
    </message>
    <message>
        <source>Температура наружной поверхности τн</source>
        <translation>Температура зовнішньої поверхні τз</translation>
    </message>
    <message>
        <source>Точка росы внутреннего воздуха tр</source>
        <translation>Точка роси внутрішнього повітря tр</translation>
    </message>
    <message>
        <source>Перепад tв − τв</source>
        <translation>Перепад tв − τв</translation>
    </message>
    <message>
        <source>Плоскость</source>
        <translation>Площина</translation>
    </message>
    <message>
        <source>Сохранить рисунок PNG...</source>
        <translation>Зберегти рисунок PNG...</translation>
    </message>
    <message>
        <source>Сохранить рисунок SVG...</source>
        <translation>Зберегти рисунок SVG...</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Наведите мышь на разрез, чтобы узнать температуру.</source>
        <translation>Наведіть мишу на розріз, щоб дізнатися температуру.</translation>
    </message>
    <message>
        <source>Исправьте исходные данные слева.</source>
        <translation>Виправте вихідні дані ліворуч.</translation>
    </message>
    <message>
        <source>Нет рисунка: сначала исправьте данные.</source>
        <translation>Немає рисунка: спершу виправте дані.</translation>
    </message>
    <message>
        <source>Записано: </source>
        <translation>Записано: </translation>
    </message>
    <message>
        <source>Δtн = </source>
        <translation>Δtcr = </translation>
    </message>
    <message>
        <source>Влажностный режим...</source>
        <translation>Вологісний режим...</translation>
    </message>
    <message>
        <source>Штриховка — где холоднее точки росы внутреннего воздуха. Выпадет ли там конденсат, зависит от паропроницаемости слоев: см. «Влажностный режим...».</source>
        <translation>Штрихування — де холодніше за точку роси внутрішнього повітря. Чи випаде там конденсат, залежить від паропроникності шарів: див. «Вологісний режим...».</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>File too large (%1 bytes; at most %2 bytes are read)</source>
        <translation>Файл завеликий (%1 байт; читається не більше ніж %2 байт)</translation>
    </message>
    <message>
        <source>File too large (more than %1 bytes)</source>
        <translation>Файл завеликий (більше ніж %1 байт)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Файл не знайдено</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Неправильне ім’я файлу</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Забагато відкритих файлів</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Доступ до файлу заборонено</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Диск заповнено</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Це папка</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Задовге ім’я файлу</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Помилка введення-виведення</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Помилка введення-виведення %1</translation>
    </message>
    <message>
        <source>ссылка ведет к несуществующему файлу</source>
        <translation>посилання веде до файлу, якого немає</translation>
    </message>
    <message>
        <source>файл не найден</source>
        <translation>файл не знайдено</translation>
    </message>
    <message>
        <source>часть пути не является папкой</source>
        <translation>частина шляху не є папкою</translation>
    </message>
    <message>
        <source>папки &quot;%1&quot; нет</source>
        <translation>папки «%1» немає</translation>
    </message>
    <message>
        <source>открыто слишком много файлов</source>
        <translation>відкрито забагато файлів</translation>
    </message>
    <message>
        <source>нет доступа к файлу или папке</source>
        <translation>немає доступу до файлу або папки</translation>
    </message>
    <message>
        <source>диск заполнен</source>
        <translation>диск заповнено</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>це папка, а не файл</translation>
    </message>
    <message>
        <source>слишком длинное имя файла</source>
        <translation>задовге ім’я файлу</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода на диске или устройстве</source>
        <translation>помилка введення-виведення на диску або пристрої</translation>
    </message>
    <message>
        <source>это не обычный файл, а канал, устройство или сокет</source>
        <translation>це не звичайний файл, а канал, пристрій або сокет</translation>
    </message>
    <message>
        <source>файл слишком велик (читается не более %1 байт)</source>
        <translation>файл завеликий (читається не більше ніж %1 байт)</translation>
    </message>
    <message>
        <source>символические ссылки образуют петлю</source>
        <translation>символічні посилання утворюють петлю</translation>
    </message>
    <message>
        <source>системная ошибка %1</source>
        <translation>системна помилка %1</translation>
    </message>
    <message>
        <source>Not a text file</source>
        <translation>Це не текстовий файл</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Це не звичайний файл</translation>
    </message>
    <message>
        <source>Disk full: &quot;%1&quot;</source>
        <translation>Диск заповнено: «%1»</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Не вдається відкрити файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Не вдається створити файл «%1». %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; — это файл, а не папка</source>
        <translation>«%1» — це файл, а не папка</translation>
    </message>
    <message>
        <source>в имени файла есть байты не в кодировке UTF-8, по такому имени файл открыть нельзя; переименуйте его</source>
        <translation>в імені файлу є байти не в кодуванні UTF-8, за таким ім’ям файл відкрити не можна; перейменуйте його</translation>
    </message>
    <message>
        <source>в папке &quot;%1&quot; нельзя создавать файлы</source>
        <translation>у папці «%1» не можна створювати файли</translation>
    </message>
</context>
<context>
    <name>VapourPermeability</name>
    <message>
        <source>&quot;%1&quot; — не число</source>
        <translation>«%1» — не число</translation>
    </message>
    <message>
        <source>μ должно быть не меньше 1</source>
        <translation>μ має бути не меншим за 1</translation>
    </message>
    <message>
        <source>δ должно быть от 0 до %1 мг/(м·ч·Па)</source>
        <translation>δ має бути від 0 до %1 мг/(м·год·Па)</translation>
    </message>
    <message>
        <source>по справочной таблице (два источника)</source>
        <translation>за довідковою таблицею (два джерела)</translation>
    </message>
    <message>
        <source>по справочной таблице (один источник)</source>
        <translation>за довідковою таблицею (одне джерело)</translation>
    </message>
    <message>
        <source>введено</source>
        <translation>введено</translation>
    </message>
    <message>
        <source>воздушная прослойка, μ = 1</source>
        <translation>повітряний прошарок, μ = 1</translation>
    </message>
    <message>
        <source>нет значения</source>
        <translation>немає значення</translation>
    </message>
</context>
</TS>
