#include "core/MaterialCatalogue.h"

#include <QCoreApplication>

#include <iterator>

namespace MaterialCatalogue {

namespace {

using Kind = MaterialKind;

// Values for operating condition B; Ld in W/(m*K), S in W/(m2*K). An entry made of
// something else than most of its category names its own kind.
struct Row {
    const char* name; // UTF-8 source text, translated in the "MaterialCatalogue" context
    double ld;
    double s;
    std::optional<Kind> kind = std::nullopt;
};

struct Category {
    const char* caption;
    const Row* rows;
    int count;
    Kind kind; // of its entries that name none
};

constexpr Row airGapRow{QT_TRANSLATE_NOOP("MaterialCatalogue", "ВОЗДУШНАЯ  ПРОСЛОЙКА"), 0, 0,
                        Kind::AirGap};

// Floor coverings, sheet metal, glass, screeds
constexpr Row category1[] = {
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Рубероид(600)"), 0.17, 3.53},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Линолеум ПВХ без подосновы (800)"), 0.17, 3.32},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Линолеум ПВХ без подосновы (1200 кг/м3)"), 0.21, 4.51},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Линолеум ПВХ на тканевой осн.(1400 кг/м3)"), 0.23,
     5.87},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Линолеум ПВХ на тканевой осн.(1600 кг/м3)"), 0.29,
     7.05},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Линолеум ПВХ на теплоизол. осн.(1600 кг/м3)"), 0.33,
     7.52, Kind::Insulation},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Линолеум ПВХ на теплоизол. осн.(1800 кг/м3)"), 0.38,
     8.56, Kind::Insulation},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Сталь "), 58, 126.5},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Алюминий  (2600 кг/м3)"), 221, 187.6},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Латунь, медь (8500 кг/м3)"), 407, 326},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Стекло оконное (2500 кг/м3)"), 0.76, 10.79},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Асфальтобетон (2100 кг/м3)"), 1.05, 16.43,
     Kind::ConcreteAndMortar},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Железобетон (2500 кг/м3)"), 2.04, 18.95,
     Kind::ConcreteAndMortar},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Цементно-песчанная стяжка (1600 кг/м3)"), 0.81, 9.76,
     Kind::ConcreteAndMortar},
};

// Tiles, sheets, bitumen, natural stone
constexpr Row category2[] = {
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Плитка керамическая для пола (2000 кг/м3)"), 1.1,
     12.55},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Лист асбоцементный (1600 кг/м3)"), 0.41, 6.8},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Лист асбоцементный (1800 кг/м3)"), 0.52, 8.12},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Битум, битум-полимер(1000 кг/м3)"), 0.17, 4.56},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Битум, битум-полимер(1200 кг/м3)"), 0.22, 5.69},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Битум, битум-полимер(1400 кг/м3)"), 0.27, 6.8},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Гранит, базальт (2800 кг/м3)"), 3.49, 25.04},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Мрамор (2800 кг/м3)"), 2.94, 22.86},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Известняк (1600 кг/м3))"), 0.81, 9.75},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Известняк (1800 кг/м3)"), 1.05, 11.77},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Известняк (2000 кг/м3)"), 1.28, 13.7},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Туф (1000 кг/м3)"), 0.29, 4.8},
};

// Brick and block masonry
constexpr Row category3[] = {
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Кладка кирп.глин.на цем-.песч.р-ре(1800 кг/м3)"), 0.81,
     10.12},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Кладка кирп.глин.на цем.-шлак.р-ре(1700 кг/м3)"), 0.76,
     9.7},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Кладка кирп.глин.на цем.-перлит.р-ре(1600 кг/м3)"),
     0.7, 9.23},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Кладка кирп.силикат.на цем-.песч.р-ре(1800 кг/м3)"),
     0.87, 10.9},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Кладка кирп.трепельн.на цем-.песч.р-ре(1000 кг/м3)"),
     0.47, 5.96},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Кладка кирп.шлаков.на цем-.песч.р-ре(1500 кг/м3)"),
     0.7, 8.76},
    {QT_TRANSLATE_NOOP("MaterialCatalogue",
                       "Кладка кирп.керамич.пустотелая.на цем.песч.р-ре(1400 кг/м3)"),
     0.64, 8.48},
    {QT_TRANSLATE_NOOP("MaterialCatalogue",
                       "Кладка кирп.керамич.пустотелая.на цем.песч.р-ре(1300 кг/м3)"),
     0.58, 7.56},
    {QT_TRANSLATE_NOOP("MaterialCatalogue",
                       "Кладка кирп.керамич.пустотелая.на цем.песч.р-ре(1000 кг/м3)"),
     0.52, 6.62},
    {QT_TRANSLATE_NOOP("MaterialCatalogue",
                       "Кладка блок.керамз/ошлакобет.на цем-.песч.р-ре(1350 кг/м3)"),
     0.51, 6.41},
    {QT_TRANSLATE_NOOP("MaterialCatalogue",
                       "Кладка блоков кремнез.цем..на изв.-кварц.р-ре(400 кг/м3)"),
     0.092, 1.74},
};

// Mortars and concrete
constexpr Row category4[] = {
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Раствор цементно-песчаный (1600 кг/м3)"), 0.81, 9.76},
    {QT_TRANSLATE_NOOP("MaterialCatalogue",
                       "Раствор сложный (песок, известь, цемент) (1700 кг/м3)"),
     0.87, 10.42},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Раствор известково-песчаный (1800 кг/м3)"), 0.93,
     11.09},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Железобетон (2500 кг/м3)"), 2.04, 18.95},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Бетон на гравии или щебне на дикаре (2400 кг/м3)"),
     1.86, 17.88},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Раствор цементно-кремнезитовый (200 кг/м3)"), 0.08,
     1.17},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Раствор цементно-кремнезитовый (300 кг/м3)"), 0.09,
     1.52},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Раствор цементно-перлитовый (600 кг/м3)"), 0.23, 3.84},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Раствор цементно-перлитовый (800 кг/м3)"), 0.26, 4.51},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Раствор цементно-перлитовый (1000 кг/м3)"), 0.3, 5.42},
};

// Aerated concrete
constexpr Row category5[] = {
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Газобетон (1000кг/м^3)"), 0.5, 8.01},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Газобетон (1200кг/м^3)"), 0.58, 9.46},
};

// Expanded-clay concrete
constexpr Row category6[] = {
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Керамзитобетон на керамзит.песке (500 кг/м3)"), 0.23,
     3.25},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Керамзитобетон на керамзит.песке (600 кг/м3)"), 0.26,
     3.78},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Керамзитобетон на керамзит.песке (800 кг/м3)"), 0.31,
     4.77},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Керамзитобетон на керамзит.песке (1000 кг/м3)"), 0.41,
     6.13},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Керамзитобетон на керамзит.песке (1200 кг/м3)"), 0.52,
     7.57},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Керамзитобетон на керамзит.песке (1400 кг/м3)"), 0.65,
     9.14},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Керамзитобетон на керамзит.песке (1600 кг/м3)"), 0.79,
     10.77},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Керамзитобетон на керамзит.песке (1800 кг/м3)"), 0.92,
     12.33},
};

// Loose fills
constexpr Row category7[] = {
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Гравий керамзитовый (200 кг/м3)"), 0.12, 1.3},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Гравий керамзитовый (300 кг/м3)"), 0.13, 1.66},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Гравий керамзитовый (400 кг/м3)"), 0.14, 1.99},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Гравий керамзитовый (600 кг/м3)"), 0.2, 2.91},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Гравий керамзитовый (800 кг/м3)"), 0.23, 3.6},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Щебень перлитовый (300 кг/м3)"), 0.12, 1.51},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Гравий шлаковый (300 кг/м3)"), 0.13, 1.65},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Щебень шлаковый (350 кг/м3)"), 0.19, 2.16},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Щебень шлакопемзовый (400 кг/м3)"), 0.23, 2.52},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Песок для стройработ (1600 кг/м3)"), 0.58, 7.91},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Песок вермикулитовый (100 кг/м3)"), 0.08, 0.75},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Песок вермикулитовый (200 кг/м3)"), 0.11, 1.24},
};

// Expanded-clay slag-concrete block masonry
constexpr Row category8[] = {
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Кладка из керамзитошлакобетонных блоков (1350кг/м3)"),
     0.51, 6.41},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Кладка из керамзитошлакобетонных блоков (1400кг/м3)"),
     0.43, 5.91},
};

// Mineral-wool boards
constexpr Row category9[] = {
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты минватн.на синт.связ.негофрир. (75 кг/м3)"),
     0.062, 0.61},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты минватн.на синт.связ.негофрир. (125 кг/м3)"),
     0.07, 0.82},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты минватн.на синт.связ.негофрир. (150 кг/м3)"),
     0.066, 0.87},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты минватн.на синт.связ.негофрир. (175 кг/м3)"),
     0.072, 0.98},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты минватн.на синт.связ.негофрир. (200 кг/м3)"),
     0.081, 1.11},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты минватн.на синт.связ.гофрир. (175 кг/м3)"),
     0.079, 1.04},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты минватн.на синт.связ.гофрир. (200 кг/м3)"),
     0.087, 1.16},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты минватн. гофрир. (70 кг/м3)"), 0.055, 0.54},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты минватн. гофрир. (100 кг/м3)"), 0.06, 0.68},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты минватн. гофрир. (170 кг/м3)"), 0.07, 0.97},
    {QT_TRANSLATE_NOOP("MaterialCatalogue",
                       "Плиты минватн. на синт. связ. от3,5 до 4,2% (30 кг/м3)"),
     0.045, 0.3},
    {QT_TRANSLATE_NOOP("MaterialCatalogue",
                       "Плиты минватн. на синт. связ. от3,5 до 4,2% (50 кг/м3)"),
     0.042, 0.37},
    {QT_TRANSLATE_NOOP("MaterialCatalogue",
                       "Плиты минватн. на синт. связ. от3,5 до 4,2% (70 кг/м3)"),
     0.04, 0.43},
    {QT_TRANSLATE_NOOP("MaterialCatalogue",
                       "Плиты минватн. на синт. связ. от3,5 до 4,2% (110 кг/м3)"),
     0.044, 0.56},
    {QT_TRANSLATE_NOOP("MaterialCatalogue",
                       "Плиты минватн. на синт. связ. от3,5 до 4,2% (140 кг/м3)"),
     0.045, 0.61},
    {QT_TRANSLATE_NOOP("MaterialCatalogue",
                       "Плиты минватн. на синт. связ. от3,5 до 4,2% (180 кг/м3)"),
     0.048, 0.75},
    {QT_TRANSLATE_NOOP("MaterialCatalogue",
                       "Плиты минватн. на синт. связ. от3,5 до 4,2%  (220 кг/м3)"),
     0.05, 0.84},
    {QT_TRANSLATE_NOOP("MaterialCatalogue",
                       "Плиты минватн. на синт. связ. от4,0 до 5,0% (20 кг/м3)"),
     0.049, 0.26},
    {QT_TRANSLATE_NOOP("MaterialCatalogue",
                       "Плиты минватн. на синт. связ. от4,0 до 5,0% (30 кг/м3)"),
     0.047, 0.31},
    {QT_TRANSLATE_NOOP("MaterialCatalogue",
                       "Плиты минватн. на синт. связ.от4,0 до 5,0% (50 кг/м3)"),
     0.046, 0.4},
    {QT_TRANSLATE_NOOP("MaterialCatalogue",
                       "Плиты минватн. на синт. связ. от4,0 до 5,0% (80 кг/м3)"),
     0.045, 0.53},
    {QT_TRANSLATE_NOOP("MaterialCatalogue",
                       "Плиты минватн. на синт. связ. от4,0 до 5,0% (110 кг/м3)"),
     0.047, 0.57},
    {QT_TRANSLATE_NOOP("MaterialCatalogue",
                       "Плиты минватн. на синт. связ. от4,0 до 5,0% (190 кг/м3)"),
     0.052, 0.82},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Вата минеральная (80 кг/м3)"), 0.064, 0.61},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Вата минеральная (100 кг/м3)"), 0.07, 0.8},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Изд.теплоизоляц.стекловолокнист.(45 кг/м3)"), 0.046,
     0.4},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Пл.негор.теплоиз.базальто-волокн.(40 кг/м3)"), 0.059,
     0.66},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Пл.негор.теплоиз.базальто-волокн.(90 кг/м3)"), 0.054,
     0.54},
};

// Polymer boards
constexpr Row category10[] = {
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты пенополистирольные (15 кг/м3)"), 0.055, 0.33},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты пенополистирольные (25 кг/м3)"), 0.053, 0.4},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты пенополистирольные (35 кг/м3)"), 0.05, 0.46},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты пенополистирольные (50 кг/м3)"), 0.045, 0.53},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты пенополистир. экструзионн.(39 кг/м3)"), 0.037,
     0.4},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Жесткий пенополиуретан (40 кг/м3)"), 0.04, 0.42},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Жесткий пенополиуретан (60 кг/м3)"), 0.041, 0.55},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Жесткий пенополиуретан (80 кг/м3)"), 0.05, 0.7},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Вспененный пенополиэтилен (30 кг/м3)"), 0.047, 0.33},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Вспененный пенополиэтилен (50 кг/м3)"), 0.045, 0.41},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Вспен.п/этилен хим.сшитый ППЭ (30 кг/м3)"), 0.043,
     0.4},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Блоки пенополистирольные (20 кг/м3)"), 0.045, 0.35},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Блоки пенополистирольные (30 кг/м3)"), 0.043, 0.42},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты пенополистир. экструзионн.(50 кг/м3)"), 0.043,
     0.54},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты пенополистир. экструзионн.(80кг/м3)"), 0.049,
     0.73},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты пенополистир. экструзионн.(20 кг/м3)"), 0.041,
     0.32},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты пенополистир. экструзионн.(25 кг/м3)"), 0.04,
     0.36},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты пенополистир. экструзионн.(30 кг/м3)"), 0.039,
     0.39},
};

// Other layers and the air gap
constexpr Row category11[] = {
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Раствор цементно-песчаный (1600 кг/м3)"), 0.81, 9.76,
     Kind::ConcreteAndMortar},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Сосна и ель поперек волокон (500 кг/м3)"), 0.18, 4.54},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Сталь"), 58, 126.5},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Стекло оконное"), 0.76, 10.79},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Железобетон"), 2.04, 18.95, Kind::ConcreteAndMortar},
    airGapRow,
};

// Names are shown and stored exactly as written here, blanks and odd punctuation included.
constexpr Category categories[categoryCount] = {
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Рубероид, линолеум, стяжка "), category1,
     int(std::size(category1)), Kind::Other},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Плитка, битум, мрамор, известняк"), category2,
     int(std::size(category2)), Kind::Other},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Кладка кирпичная и блочная"), category3,
     int(std::size(category3)), Kind::Masonry},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Растворы, бетон, ж/б"), category4,
     int(std::size(category4)), Kind::ConcreteAndMortar},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Г а з о б е т о н   и пенозолобетон"), category5,
     int(std::size(category5)), Kind::ConcreteAndMortar},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Керамзитобетоны"), category6,
     int(std::size(category6)), Kind::ConcreteAndMortar},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Гравий, щебень, песок"), category7,
     int(std::size(category7)), Kind::Other},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Кладка из керамзитошлакобетонных блоков"), category8,
     int(std::size(category8)), Kind::Masonry},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Минераловатные плиты"), category9,
     int(std::size(category9)), Kind::Insulation},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Полимеры "), category10, int(std::size(category10)),
     Kind::Insulation},
    {QT_TRANSLATE_NOOP("MaterialCatalogue", "Другие слои  конструкции,   воздушные прослойки"),
     category11, int(std::size(category11)), Kind::Other},
};

const Category* category(int number) {
    if (number < 1 || number > categoryCount)
        return nullptr;
    return &categories[number - 1];
}

} // namespace

QString caption(int number) {
    const Category* found = category(number);
    return found ? QString::fromUtf8(found->caption) : QString();
}

int entryCount(int number) {
    const Category* found = category(number);
    return found ? found->count : 0;
}

QStringList names(int number) {
    QStringList result;
    if (const Category* found = category(number))
        for (int index = 0; index < found->count; ++index)
            result << QString::fromUtf8(found->rows[index].name);
    return result;
}

QString shownCaption(int number) {
    const Category* found = category(number);
    return found ? QCoreApplication::translate(context, found->caption) : QString();
}

std::optional<MaterialEntry> lookup(int number, int index) {
    const Category* found = category(number);
    if (!found || index < 0 || index >= found->count)
        return std::nullopt;
    const Row& row = found->rows[index];
    const Kind kind = row.kind.value_or(found->kind);
    return MaterialEntry{QString::fromUtf8(row.name),
                         kind == Kind::AirGap ? EntryKind::AirGap : EntryKind::Material, row.ld,
                         row.s, kind};
}

} // namespace MaterialCatalogue
