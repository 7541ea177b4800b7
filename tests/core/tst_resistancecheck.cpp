// The resistance check as functions of the field texts.

#include "core/Errors.h"
#include "core/NumberText.h"
#include "core/ResistanceCheck.h"

#include <QTest>

using ResistanceCheck::Relation;

class ResistanceCheckTest : public QObject {
    Q_OBJECT
  private slots:
    void computesR0FromTheWorkedExample();
    void verdicts_data();
    void verdicts();
    void readsTheFieldsInOrder_data();
    void readsTheFieldsInOrder();
    void zeroCoefficientsDivideByZero();
    void requiredResistanceMayBeNegative();
    void texts();
};

void ResistanceCheckTest::computesR0FromTheWorkedExample() {
    const double r0 = ResistanceCheck::computeR0("2,5", "23", "8,7", QLatin1Char(','));
    QVERIFY(qAbs(r0 - 2.65842) < 1e-5);
    const double required = ResistanceCheck::computeRkRequired("23", "8,7", "2,800", ',');
    QVERIFY(qAbs(required - 2.64158) < 1e-5);
}

void ResistanceCheckTest::verdicts_data() {
    QTest::addColumn<QString>("r0");
    QTest::addColumn<QString>("rqmin");
    QTest::addColumn<bool>("met");
    QTest::addColumn<int>("relation");
    QTest::addColumn<QString>("r0Text");
    QTest::addColumn<QString>("rqminText");
    QTest::newRow("less") << "2,658"
                          << "2,800" << false << int(Relation::Less) << "2,658"
                          << "2,800";
    QTest::newRow("equal counts as met") << "2,800"
                                         << "2,8" << true << int(Relation::Equal) << "2,800"
                                         << "2,800";
    QTest::newRow("greater") << "3,512"
                             << "3,3" << true << int(Relation::Greater) << "3,512"
                             << "3,300";
    QTest::newRow("Rqmin 0, positive R0") << "0,001"
                                          << "0" << true << int(Relation::Greater) << "0,001"
                                          << "0,000";
    QTest::newRow("typed R0 compared as typed") << "2,7996"
                                                << "2,8" << false << int(Relation::Less) << "2,800"
                                                << "2,800";
}

void ResistanceCheckTest::verdicts() {
    QFETCH(QString, r0);
    QFETCH(QString, rqmin);
    QFETCH(bool, met);
    QFETCH(int, relation);
    QFETCH(QString, r0Text);
    QFETCH(QString, rqminText);
    const auto verdict = ResistanceCheck::check("2,5", "23", "8,7", r0, rqmin, QLatin1Char(','));
    QCOMPARE(verdict.met, met);
    QCOMPARE(int(verdict.relation), relation);
    QCOMPARE(verdict.r0Text, r0Text);
    QCOMPARE(verdict.rqminText, rqminText);
}

void ResistanceCheckTest::readsTheFieldsInOrder_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("reported");
    QTest::newRow("Rk first") << QStringList{"a", "b", "c", "d", "e"} << "a";
    QTest::newRow("then alpha_ext") << QStringList{"1", "b", "c", "d", "e"} << "b";
    QTest::newRow("then alpha_int") << QStringList{"1", "2", "c", "d", "e"} << "c";
    QTest::newRow("then R0") << QStringList{"1", "2", "3", "", "e"} << "";
    QTest::newRow("Rqmin last") << QStringList{"1", "2", "3", "4", "2.8"} << "2.8";
}

void ResistanceCheckTest::readsTheFieldsInOrder() {
    QFETCH(QStringList, fields);
    QFETCH(QString, reported);
    try {
        ResistanceCheck::check(fields[0], fields[1], fields[2], fields[3], fields[4], ',');
        QFAIL("a conversion error was expected");
    } catch (const ConversionError& error) {
        QCOMPARE(error.message(), ConversionError(reported).message());
    }
}

void ResistanceCheckTest::zeroCoefficientsDivideByZero() {
    QVERIFY_THROWS_EXCEPTION(DivisionByZero, ResistanceCheck::computeR0("1", "0", "8,7", ','));
    QVERIFY_THROWS_EXCEPTION(DivisionByZero, ResistanceCheck::computeR0("1", "23", "0", ','));
    QVERIFY_THROWS_EXCEPTION(DivisionByZero,
                             ResistanceCheck::computeRkRequired("0", "0", "2,2", ','));
    // A bad Rk is reported before the coefficients are looked at.
    QVERIFY_THROWS_EXCEPTION(ConversionError, ResistanceCheck::computeR0("x", "0", "0", ','));
}

void ResistanceCheckTest::requiredResistanceMayBeNegative() {
    const double required = ResistanceCheck::computeRkRequired("23", "8,7", "0", ',');
    QVERIFY(required < 0);
    QCOMPARE(NumberText::result(required, ','), QStringLiteral("-0,158"));
}

void ResistanceCheckTest::texts() {
    QCOMPARE(ResistanceCheck::verdictText(true), QStringLiteral("Условие выполняется."));
    QCOMPARE(ResistanceCheck::verdictText(false), QStringLiteral("Условие не выполняется!"));
    QCOMPARE(ResistanceCheck::relationCaption(Relation::Equal), QStringLiteral("Ro = Rqmin"));
    QCOMPARE(ResistanceCheck::relationSign(Relation::Less), QStringLiteral(" < "));
    QCOMPARE(ResistanceCheck::verdictColor(true), (Rgb{0, 128, 0}));
    QCOMPARE(ResistanceCheck::verdictColor(false), (Rgb{255, 0, 0}));
}

QTEST_APPLESS_MAIN(ResistanceCheckTest)
#include "tst_resistancecheck.moc"
