// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/number_text.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

using kvarnel::FloatingPointError;
using kvarnel::to_number;
using kvarnel::to_text;

namespace {

QString bits(double value)
{
    return QString::number(std::bit_cast<std::uint64_t>(value), 16) + u' ' +
           QString::number(value, 'g', 17);
}

} // namespace

class TestNumberText : public QObject
{
    Q_OBJECT

  private slots:
    void readsNumbers_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("expected");

        QTest::newRow("empty") << QByteArray("") << 0.0;
        QTest::newRow("integer") << QByteArray("57") << 57.0;
        QTest::newRow("blanks around") << QByteArray(" 57 ") << 57.0;
        QTest::newRow("blank between digits joins them") << QByteArray("5 7") << 57.0;
        QTest::newRow("tab, line feed and carriage return") << QByteArray("\t5\n7\r") << 57.0;
        QTest::newRow("full stop") << QByteArray("3.5") << 3.5;
        QTest::newRow("comma reads like a full stop") << QByteArray("3,5") << 3.5;
        QTest::newRow("written result reads back") << QByteArray("4,61552525") << 4.61552525;
        QTest::newRow("second separator ends the number") << QByteArray("1,5.3") << 1.5;
        QTest::newRow("two full stops") << QByteArray("1.5.3") << 1.5;
        QTest::newRow("trailing letters") << QByteArray("12abc") << 12.0;
        QTest::newRow("letters only") << QByteArray("abc") << 0.0;
        QTest::newRow("negative") << QByteArray("-4") << -4.0;
        QTest::newRow("plus sign") << QByteArray("+4") << 4.0;
        QTest::newRow("sign then blank") << QByteArray("- 4") << -4.0;
        QTest::newRow("two signs") << QByteArray("--4") << 0.0;
        QTest::newRow("leading separator") << QByteArray(".5") << 0.5;
        QTest::newRow("leading comma") << QByteArray(",5") << 0.5;
        QTest::newRow("negative leading separator") << QByteArray("-.5") << -0.5;
        QTest::newRow("separator alone") << QByteArray(".") << 0.0;
        QTest::newRow("sign alone") << QByteArray("-") << 0.0;
        QTest::newRow("trailing separator") << QByteArray("5.") << 5.0;
        QTest::newRow("exponent") << QByteArray("1.5E3") << 1500.0;
        QTest::newRow("lower-case exponent") << QByteArray("1.5e3") << 1500.0;
        QTest::newRow("negative exponent") << QByteArray("25E-1") << 2.5;
        QTest::newRow("exponent without digits") << QByteArray("1.5E") << 1.5;
        QTest::newRow("exponent sign without digits") << QByteArray("1.5E+") << 1.5;
        QTest::newRow("exponent without mantissa") << QByteArray("E5") << 0.0;
        QTest::newRow("blanks inside the exponent") << QByteArray("1 E 2") << 100.0;
        QTest::newRow("other exponent letter ends it") << QByteArray("1D2") << 1.0;
        QTest::newRow("many leading zeros") << QByteArray("000000000000000000000000042") << 42.0;
        QTest::newRow("long fraction rounds correctly")
            << QByteArray("0.1000000000000000055511151231257827021181583404541015625") << 0.1;
        QTest::newRow("zero with a huge exponent") << QByteArray("0E999999999999") << 0.0;
        QTest::newRow("too small for a double") << QByteArray("1E-400") << 0.0;
        QTest::newRow("huge negative exponent") << QByteArray("5E-99999999999999999999") << 0.0;
        QTest::newRow("smallest denormal")
            << QByteArray("4.9406564584124654E-324") << std::numeric_limits<double>::denorm_min();
        QTest::newRow("largest double")
            << QByteArray("1.7976931348623157E308") << std::numeric_limits<double>::max();
        QTest::newRow("digits before a small exponent")
            << QByteArray("1234567E-310") << 1.234567e-304;
        QTest::newRow("infinity is no number") << QByteArray("inf") << 0.0;
        QTest::newRow("infinity spelled out") << QByteArray("Infinity") << 0.0;
        QTest::newRow("nan is no number") << QByteArray("nan") << 0.0;
        QTest::newRow("Cyrillic text") << QByteArray("12мм") << 12.0;
        QTest::newRow("non-ASCII digits do not count") << QByteArray("\xef\xbc\x91") << 0.0;
        QTest::newRow("hexadecimal") << QByteArray("&H1F") << 31.0;
        QTest::newRow("hexadecimal lower case") << QByteArray("&hff") << 255.0;
        QTest::newRow("hexadecimal is unsigned") << QByteArray("&HFFFF") << 65535.0;
        QTest::newRow("hexadecimal ends at a non-digit") << QByteArray("&H1G") << 1.0;
        QTest::newRow("hexadecimal 64 bits")
            << QByteArray("&HFFFFFFFFFFFFFFFF") << 18446744073709551615.0;
        QTest::newRow("hexadecimal leading zeros do not count")
            << QByteArray("&H000000000000000000000001") << 1.0;
        QTest::newRow("hexadecimal without digits") << QByteArray("&H") << 0.0;
        QTest::newRow("octal") << QByteArray("&O17") << 15.0;
        QTest::newRow("octal ends at 8") << QByteArray("&o178") << 15.0;
        QTest::newRow("octal 64 bits")
            << QByteArray("&O1777777777777777777777") << 18446744073709551615.0;
        QTest::newRow("ampersand alone") << QByteArray("&12") << 0.0;
        QTest::newRow("sign before ampersand") << QByteArray("-&H10") << 0.0;
    }

    void readsNumbers()
    {
        QFETCH(QByteArray, text);
        QFETCH(double, expected);
        QCOMPARE(bits(to_number(text.toStdString())), bits(expected));
    }

    void keepsTheSignOfZero()
    {
        QVERIFY(std::signbit(to_number("-0")));
        QVERIFY(std::signbit(to_number("-1E-400")));
        QVERIFY(!std::signbit(to_number("-")));
    }

    void reportsNumbersOutOfRange_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("exponent 400") << QByteArray("1E400");
        QTest::newRow("negative") << QByteArray("-1E400");
        QTest::newRow("just above the largest double") << QByteArray("1.7976931348623159E308");
        QTest::newRow("many digits") << QByteArray(QByteArray(400, '9'));
        QTest::newRow("exponent beyond any integer") << QByteArray("1E99999999999999999999");
        QTest::newRow("hexadecimal wider than 64 bits") << QByteArray("&H10000000000000000");
        QTest::newRow("octal wider than 64 bits") << QByteArray("&O2000000000000000000000");
    }

    void reportsNumbersOutOfRange()
    {
        QFETCH(QByteArray, text);
        QVERIFY_THROWS_EXCEPTION(FloatingPointError, to_number(text.toStdString()));
    }

    void writesNumbers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");

        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("integer without separator") << 2826.0 << "2826";
        QTest::newRow("fraction with the regional separator") << 0.0785 << "0,0785";
        QTest::newRow("negative") << -628.0 << "-628";
        QTest::newRow("binary noise rounded away") << 587.9650000000001 << "587,965";
        QTest::newRow("mass of the worked example") << 4.61552525 << "4,61552525";
        QTest::newRow("fifteen digits") << 9.580535074799991 << "9,58053507479999";
        QTest::newRow("largest positional") << 999999999999999.0 << "999999999999999";
        QTest::newRow("rounds up into scientific") << 999999999999999.9 << "1E+15";
        QTest::newRow("ten to the fifteenth") << 1e15 << "1E+15";
        QTest::newRow("scientific with fraction") << 1.5e20 << "1,5E+20";
        QTest::newRow("three-digit exponent") << 1e300 << "1E+300";
        QTest::newRow("negative scientific") << -2.5e-7 << "-2,5E-07";
        QTest::newRow("smallest positional") << 1e-5 << "0,00001";
        QTest::newRow("below positional") << 9.9e-6 << "9,9E-06";
        QTest::newRow("largest double")
            << std::numeric_limits<double>::max() << "1,79769313486232E+308";
        QTest::newRow("smallest denormal")
            << std::numeric_limits<double>::denorm_min() << "4,94065645841247E-324";
    }

    void writesNumbers()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(to_text(value, ",")), expected);
        QCOMPARE(QString::fromStdString(to_text(value, ".")),
                 QString(expected).replace(u',', u'.'));
    }

    void writesAnySeparator()
    {
        QCOMPARE(QString::fromStdString(to_text(0.5, "\xd9\xab")), QString::fromUtf8("0\xd9\xab"
                                                                                     "5"));
    }

    void refusesNonFiniteValues()
    {
        QVERIFY_THROWS_EXCEPTION(FloatingPointError,
                                 to_text(std::numeric_limits<double>::infinity(), "."));
        QVERIFY_THROWS_EXCEPTION(FloatingPointError,
                                 to_text(std::numeric_limits<double>::quiet_NaN(), "."));
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "test_number_text.moc"
