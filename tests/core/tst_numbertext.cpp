// Number texts: parsing and the general, fixed and whole forms, with either separator.

#include "core/Errors.h"
#include "core/NumberText.h"

#include <QTest>
#include <cmath>
#include <limits>

class NumberTextTest : public QObject {
    Q_OBJECT
  private slots:
    void fixedForm_data();
    void fixedForm();
    void generalForm_data();
    void generalForm();
    void wholeNumber_data();
    void wholeNumber();
    void parsesNumbers_data();
    void parsesNumbers();
    void rejectsNonNumbers_data();
    void rejectsNonNumbers();
    void neverShowsNonFiniteValues();
    void arithmeticRaisesTheRightError();
};

void NumberTextTest::fixedForm_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("significant");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::newRow("0.5") << 0.5 << 4 << 3 << "0,500";
    QTest::newRow("pi") << 3.14159 << 4 << 3 << "3,142";
    QTest::newRow("2 decimals from 4 digits") << 12.3456 << 4 << 3 << "12,350";
    QTest::newRow("decimal limit") << 0.12345 << 4 << 3 << "0,123";
    QTest::newRow("negative") << -0.16 << 4 << 3 << "-0,160";
    QTest::newRow("five integer digits") << 12345.6 << 4 << 3 << "1,235E4";
    QTest::newRow("9999.5 carries to 1E4") << 9999.5 << 4 << 3 << "1E4";
    QTest::newRow("9999.4 stays fixed") << 9999.4 << 4 << 3 << "9999,000";
    QTest::newRow("2.8") << 2.8 << 4 << 3 << "2,800";
    QTest::newRow("zero") << 0.0 << 4 << 3 << "0,000";
    QTest::newRow("negative zero") << -0.0 << 4 << 3 << "0,000";
    QTest::newRow("tiny negative rounds to zero") << -0.0001 << 4 << 3 << "0,000";
    QTest::newRow("half away from zero") << 0.0005 << 4 << 3 << "0,001";
    QTest::newRow("negative half away from zero") << -0.0005 << 4 << 3 << "-0,001";
    QTest::newRow("typed 1,0005 is an exact half") << 1.0005 << 4 << 3 << "1,001";
    QTest::newRow("carry through nines") << 0.9996 << 4 << 3 << "1,000";
    QTest::newRow("R0 of the worked example") << 2.658416 << 4 << 3 << "2,658";
    QTest::newRow("4/2 of 2.8*0.8") << 2.8 * 0.8 << 4 << 2 << "2,24";
    QTest::newRow("8/0 thickness") << 90.0 << 8 << 0 << "90";
    QTest::newRow("8/0 half") << 84.5 << 8 << 0 << "85";
    QTest::newRow("huge") << 1e308 << 4 << 3 << "1E308";
    QTest::newRow("long scientific mantissa") << 123456789.0 << 8 << 0 << "1,2345679E8";
}

void NumberTextTest::fixedForm() {
    QFETCH(double, value);
    QFETCH(int, significant);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(NumberText::fixed(value, significant, decimals, QLatin1Char(',')), text);
    QString dotted = text;
    dotted.replace(QLatin1Char(','), QLatin1Char('.'));
    QCOMPARE(NumberText::fixed(value, significant, decimals, QLatin1Char('.')), dotted);
}

void NumberTextTest::generalForm_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0.055") << 0.055 << "0,055";
    QTest::newRow("23") << 23.0 << "23";
    QTest::newRow("126.5") << 126.5 << "126,5";
    QTest::newRow("0.092") << 0.092 << "0,092";
    QTest::newRow("sum with binary noise") << 0.1 + 0.2 << "0,3";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("negative") << -12.5 << "-12,5";
    QTest::newRow("0.0001 is positional") << 0.0001 << "0,0001";
    QTest::newRow("below 0.0001 is scientific") << 0.000015 << "1,5E-5";
    QTest::newRow("1e15 is scientific") << 1e15 << "1E15";
    QTest::newRow("just below 1e15") << 999999999999999.0 << "999999999999999";
    QTest::newRow("15 significant digits") << 1.0 / 3.0 << "0,333333333333333";
    QTest::newRow("rounds up to 1e15") << 999999999999999.9 << "1E15";
}

void NumberTextTest::generalForm() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(NumberText::general(value, QLatin1Char(',')), text);
}

void NumberTextTest::wholeNumber_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("2.5") << 2.5 << "3";
    QTest::newRow("7.5") << 7.5 << "8";
    QTest::newRow("0.75") << 0.75 << "1";
    QTest::newRow("0.4") << 0.4 << "0";
    QTest::newRow("-2.5") << -2.5 << "-3";
    QTest::newRow("-0.4") << -0.4 << "0";
    QTest::newRow("area 2.5*3") << 2.5 * 3 << "8";
}

void NumberTextTest::wholeNumber() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(NumberText::whole(value, QLatin1Char(',')), text);
}

void NumberTextTest::parsesNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<double>("value");
    QTest::newRow("comma") << "2,8" << QChar(',') << 2.8;
    QTest::newRow("point") << "2.8" << QChar('.') << 2.8;
    QTest::newRow("integer") << "23" << QChar(',') << 23.0;
    QTest::newRow("sign") << "-0,16" << QChar(',') << -0.16;
    QTest::newRow("plus") << "+5" << QChar(',') << 5.0;
    QTest::newRow("trailing separator") << "2," << QChar(',') << 2.0;
    QTest::newRow("leading separator") << ",5" << QChar(',') << 0.5;
    QTest::newRow("exponent") << "1,5E-5" << QChar(',') << 1.5e-5;
    QTest::newRow("lower-case exponent") << "1e3" << QChar(',') << 1000.0;
    QTest::newRow("blanks around") << "  8,7 " << QChar(',') << 8.7;
    QTest::newRow("underflow is zero") << "1e-400" << QChar(',') << 0.0;
    QTest::newRow("largest double")
        << "1,7976931348623157e308" << QChar(',') << std::numeric_limits<double>::max();
}

void NumberTextTest::parsesNumbers() {
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    QFETCH(double, value);
    QCOMPARE(NumberText::parse(text, separator), value);
}

void NumberTextTest::rejectsNonNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("letters") << "abc";
    QTest::newRow("the other separator") << "2.8";
    QTest::newRow("a range") << "200...300";
    QTest::newRow("two separators") << "1,2,3";
    QTest::newRow("separator alone") << ",";
    QTest::newRow("sign alone") << "-";
    QTest::newRow("exponent without digits") << "1e";
    QTest::newRow("blank inside") << "1 000";
    QTest::newRow("beyond the double range") << "1e309";
    QTest::newRow("infinity") << "inf";
    QTest::newRow("not a number") << "nan";
    QTest::newRow("hexadecimal") << "0x10";
    QTest::newRow("unit") << "10мм";
}

void NumberTextTest::rejectsNonNumbers() {
    QFETCH(QString, text);
    try {
        NumberText::parse(text, QLatin1Char(','));
        QFAIL("a conversion error was expected");
    } catch (const ConversionError& error) {
        QCOMPARE(error.message(),
                 QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
}

void NumberTextTest::neverShowsNonFiniteValues() {
    const double infinity = std::numeric_limits<double>::infinity();
    QVERIFY_THROWS_EXCEPTION(Overflow, NumberText::fixed(infinity, 4, 3, QLatin1Char(',')));
    QVERIFY_THROWS_EXCEPTION(Overflow, NumberText::general(-infinity, QLatin1Char(',')));
    QVERIFY_THROWS_EXCEPTION(Overflow, NumberText::whole(std::nan(""), QLatin1Char(',')));
}

void NumberTextTest::arithmeticRaisesTheRightError() {
    QCOMPARE(Arithmetic::divide(1.0, 4.0), 0.25);
    QVERIFY_THROWS_EXCEPTION(DivisionByZero, Arithmetic::divide(1.0, 0.0));
    QVERIFY_THROWS_EXCEPTION(DivisionByZero, Arithmetic::divide(-1.0, -0.0));
    QVERIFY_THROWS_EXCEPTION(InvalidOperation, Arithmetic::divide(0.0, 0.0));
    QVERIFY_THROWS_EXCEPTION(Overflow, Arithmetic::divide(1e308, 1e-308));
    QVERIFY_THROWS_EXCEPTION(Overflow, Arithmetic::checked(1e308 * 10));
    QCOMPARE(Overflow().message(), QStringLiteral("Floating point overflow"));
    QCOMPARE(DivisionByZero().message(), QStringLiteral("Floating point division by zero"));
    QCOMPARE(InvalidOperation().message(), QStringLiteral("Invalid floating point operation"));
}

QTEST_APPLESS_MAIN(NumberTextTest)
#include "tst_numbertext.moc"
