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
        <translation>Горизонтальне.при потоці тепла знизу-вгору та вертикальне</translation>
    </message>
    <message>
        <source>Горизонтальное.при потоке тепла сверху-вниз</source>
        <translation>Горизонтальне.при потоці тепла згори-вниз</translation>
    </message>
    <message>
        <source>&gt;= 0 гоад.С</source>
        <translation>&gt;= 0 град.С</translation>
    </message>
    <message>
        <source>&lt; 0 гоад.С</source>
        <translation>&lt; 0 град.С</translation>
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
        <translation>Руберойд(600)</translation>
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
        <translation>Вапняк (1600 кг/м3))</translation>
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
        <translation>Плити мінват.на синт.зв&apos;яз.негофров. (75 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн.на синт.связ.негофрир. (125 кг/м3)</source>
        <translation>Плити мінват.на синт.зв&apos;яз.негофров. (125 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн.на синт.связ.негофрир. (150 кг/м3)</source>
        <translation>Плити мінват.на синт.зв&apos;яз.негофров. (150 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн.на синт.связ.негофрир. (175 кг/м3)</source>
        <translation>Плити мінват.на синт.зв&apos;яз.негофров. (175 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн.на синт.связ.негофрир. (200 кг/м3)</source>
        <translation>Плити мінват.на синт.зв&apos;яз.негофров. (200 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн.на синт.связ.гофрир. (175 кг/м3)</source>
        <translation>Плити мінват.на синт.зв&apos;яз.гофров. (175 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн.на синт.связ.гофрир. (200 кг/м3)</source>
        <translation>Плити мінват.на синт.зв&apos;яз.гофров. (200 кг/м3)</translation>
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
        <translation>Плити мінват. на синт. зв&apos;яз. від3,5 до 4,2% (30 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от3,5 до 4,2% (50 кг/м3)</source>
        <translation>Плити мінват. на синт. зв&apos;яз. від3,5 до 4,2% (50 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от3,5 до 4,2% (70 кг/м3)</source>
        <translation>Плити мінват. на синт. зв&apos;яз. від3,5 до 4,2% (70 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от3,5 до 4,2% (110 кг/м3)</source>
        <translation>Плити мінват. на синт. зв&apos;яз. від3,5 до 4,2% (110 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от3,5 до 4,2% (140 кг/м3)</source>
        <translation>Плити мінват. на синт. зв&apos;яз. від3,5 до 4,2% (140 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от3,5 до 4,2% (180 кг/м3)</source>
        <translation>Плити мінват. на синт. зв&apos;яз. від3,5 до 4,2% (180 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от3,5 до 4,2%  (220 кг/м3)</source>
        <translation>Плити мінват. на синт. зв&apos;яз. від3,5 до 4,2%  (220 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от4,0 до 5,0% (20 кг/м3)</source>
        <translation>Плити мінват. на синт. зв&apos;яз. від4,0 до 5,0% (20 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от4,0 до 5,0% (30 кг/м3)</source>
        <translation>Плити мінват. на синт. зв&apos;яз. від4,0 до 5,0% (30 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ.от4,0 до 5,0% (50 кг/м3)</source>
        <translation>Плити мінват. на синт. зв&apos;яз.від4,0 до 5,0% (50 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от4,0 до 5,0% (80 кг/м3)</source>
        <translation>Плити мінват. на синт. зв&apos;яз. від4,0 до 5,0% (80 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от4,0 до 5,0% (110 кг/м3)</source>
        <translation>Плити мінват. на синт. зв&apos;яз. від4,0 до 5,0% (110 кг/м3)</translation>
    </message>
    <message>
        <source>Плиты минватн. на синт. связ. от4,0 до 5,0% (190 кг/м3)</source>
        <translation>Плити мінват. на синт. зв&apos;яз. від4,0 до 5,0% (190 кг/м3)</translation>
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
        <translation>Руберойд, лінолеум, стяжка </translation>
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
    <name>SectionDrawing</name>
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
    <message>
        <source>температура</source>
        <translation>температура</translation>
    </message>
    <message>
        <source>точка росы</source>
        <translation>точка роси</translation>
    </message>
    <message>
        <source>холоднее точки росы</source>
        <translation>холодніше точки роси</translation>
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
        <translation>Термічний опір теплопередачі  і теплова інерція шарів конструкції</translation>
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
        <translation>Термічний опір теплопередачі конструкції:</translation>
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
        <translation>П і д і б р а т и  у т е п л ю в а ч  у  ПП &quot;ВЕРАСК&quot;</translation>
    </message>
    <message>
        <source>Температурный профиль...</source>
        <translation>Температурний профіль...</translation>
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
        <translation>Підібрати утеплювач у ПП &quot;ВЕРАСК&quot;</translation>
    </message>
    <message>
        <source>Необходимая толщина  утеплителя:</source>
        <translation>Необхідна товщина  утеплювача:</translation>
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
        <translation>Повернення</translation>
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
        <source>Утеплитель ПСБ-%1, толщина %2мм, площадь утепления %3м^2</source>
        <translation>Утеплювач ПСБ-%1, товщина %2мм, площа утеплення %3м^2</translation>
    </message>
</context>
</TS>
