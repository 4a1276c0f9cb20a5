// The shell's rules that need no window: the address-bar rule with its
// double-bar rule, the caption rule, the address item and the size rule.
#include "browser/shell/AddressRules.h"
#include "browser/shell/UnitFormMain.h"
#include "platform/TextCodec.h"

#include <QtTest>

class ShellRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void doubleBarIsGbkA1AC();
    void addressBarAddress_data();
    void addressBarAddress();
    void afterDoubleBarNeverCutsACharacter_data();
    void afterDoubleBarNeverCutsACharacter();
    void tabCaption_data();
    void tabCaption();
    void addressItem_data();
    void addressItem();
    void sizeRule_data();
    void sizeRule();
};

void ShellRulesTest::doubleBarIsGbkA1AC()
{
    QCOMPARE(TextCodec::toGb18030(AddressRules::DoubleBar), QByteArray("\xA1\xAC"));
    QCOMPARE(TextCodec::fromGb18030(QByteArray("\xA1\xAC")), AddressRules::DoubleBar);
}

void ShellRulesTest::addressBarAddress_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("address");

    const QString bar = AddressRules::DoubleBar;
    const QString a100(100, QLatin1Char('a'));
    const QString long150 = QStringLiteral("http://127.0.0.1/") + QString(150, QLatin1Char('x'));

    QTest::newRow("no bar: whole") << QStringLiteral("http://127.0.0.1/a.html")
                                   << QStringLiteral("http://127.0.0.1/a.html");
    QTest::newRow("no bar: longer than 100 bytes, whole") << long150 << long150;
    QTest::newRow("title and address") << (QStringLiteral("新浪首页") + bar + QStringLiteral("http://sina.com.cn"))
                                       << QStringLiteral("http://sina.com.cn");
    QTest::newRow("frequent item") << (QStringLiteral("常用: 新浪") + bar + QStringLiteral("http://sina.com.cn"))
                                   << QStringLiteral("http://sina.com.cn");
    QTest::newRow("first bar only") << (QStringLiteral("t") + bar + QStringLiteral("a") + bar + QStringLiteral("b"))
                                    << (QStringLiteral("a") + bar + QStringLiteral("b"));
    QTest::newRow("bar at the end") << (QStringLiteral("title") + bar) << QString();
    QTest::newRow("apostrophes after the bar") << (QStringLiteral("t") + bar + QStringLiteral("http://x/it's'"))
                                               << QStringLiteral("http://x/its");
    QTest::newRow("apostrophes without a bar") << QStringLiteral("'http://x/a'") << QStringLiteral("http://x/a");
    QTest::newRow("exactly 100 bytes") << (QStringLiteral("t") + bar + a100) << a100;
    QTest::newRow("more than 100 bytes") << (QStringLiteral("t") + bar + a100 + QStringLiteral("bcd")) << a100;
    // The 100 bytes are counted before the apostrophes go.
    QTest::newRow("apostrophes count in the 100 bytes")
        << (QStringLiteral("t") + bar + QString(10, QLatin1Char('\'')) + a100) << QString(90, QLatin1Char('a'));
    QTest::newRow("Chinese fits exactly")
        << (QStringLiteral("t") + bar + QString(98, QLatin1Char('a')) + QStringLiteral("中"))
        << (QString(98, QLatin1Char('a')) + QStringLiteral("中"));
    QTest::newRow("cut inside a Chinese character")
        << (QStringLiteral("t") + bar + QString(99, QLatin1Char('a')) + QStringLiteral("中"))
        << QString(99, QLatin1Char('a'));
    QTest::newRow("50 Chinese characters are 100 bytes")
        << (QStringLiteral("t") + bar + QString(51, QChar(0x4E2D))) << QString(50, QChar(0x4E2D));
}

void ShellRulesTest::addressBarAddress()
{
    QFETCH(QString, text);
    QFETCH(QString, address);
    QCOMPARE(AddressRules::addressBarAddress(text), address);
}

// GB18030 encodes some characters in four bytes; none is ever cut.
void ShellRulesTest::afterDoubleBarNeverCutsACharacter_data()
{
    QTest::addColumn<QString>("tail");
    QTest::addColumn<int>("bytes");

    QTest::newRow("ASCII") << QStringLiteral("b") << 1;
    QTest::newRow("GBK character") << QStringLiteral("中") << 2;
    QTest::newRow("four-byte BMP character") << QStringLiteral("\u00FF") << 4;
    QTest::newRow("character outside the BMP") << QString::fromUcs4(U"\U00020000") << 4;
}

void ShellRulesTest::afterDoubleBarNeverCutsACharacter()
{
    QFETCH(QString, tail);
    QFETCH(int, bytes);
    QCOMPARE(TextCodec::toGb18030(tail).size(), bytes);
    const QString bar = AddressRules::DoubleBar;
    // Every filler length around the limit: the result fits in 100 bytes and
    // is a whole-character prefix of the text.
    for (int filler = 90; filler <= 100; ++filler) {
        const QString after = QString(filler, QLatin1Char('a')) + tail + tail;
        const QString got = AddressRules::afterDoubleBar(QStringLiteral("t") + bar + after);
        QVERIFY2(TextCodec::toGb18030(got).size() <= 100, qPrintable(QString::number(filler)));
        QVERIFY(after.startsWith(got));
        QVERIFY2(!got.endsWith(QChar(0xD840)), "a surrogate pair was cut");
        // A whole character that still fits is never dropped.
        const int expected = qMin(after.size(), filler + (100 - filler) / bytes * tail.size());
        QCOMPARE(got.size(), expected);
    }
}

void ShellRulesTest::tabCaption_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("caption");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("8 characters") << QStringLiteral("12345678") << QStringLiteral("12345678");
    QTest::newRow("9 characters") << QStringLiteral("123456789") << QStringLiteral("12345678...");
    QTest::newRow("8 Chinese") << QStringLiteral("一二三四五六七八") << QStringLiteral("一二三四五六七八");
    QTest::newRow("9 Chinese") << QStringLiteral("一二三四五六七八九") << QStringLiteral("一二三四五六七八...");
    QTest::newRow("pair across the 8th place")
        << (QStringLiteral("1234567") + QString::fromUcs4(U"\U00020000") + QStringLiteral("9"))
        << QStringLiteral("1234567...");
}

void ShellRulesTest::tabCaption()
{
    QFETCH(QString, title);
    QFETCH(QString, caption);
    QCOMPARE(AddressRules::tabCaption(title), caption);
}

void ShellRulesTest::addressItem_data()
{
    QTest::addColumn<int>("sy");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("item");

    const QString bar = AddressRules::DoubleBar;
    QTest::newRow("frequent") << 1 << QStringLiteral("新浪") << QStringLiteral("http://sina.com.cn")
                              << (QStringLiteral("常用: 新浪") + bar + QStringLiteral("http://sina.com.cn"));
    QTest::newRow("plain") << 0 << QStringLiteral("新浪") << QStringLiteral("http://sina.com.cn")
                           << (QStringLiteral("新浪") + bar + QStringLiteral("http://sina.com.cn"));
    QTest::newRow("empty title") << 0 << QString() << QStringLiteral("http://a/")
                                 << (bar + QStringLiteral("http://a/"));
}

void ShellRulesTest::addressItem()
{
    QFETCH(int, sy);
    QFETCH(QString, title);
    QFETCH(QString, url);
    QFETCH(QString, item);
    QCOMPARE(AddressRules::addressItem(sy, title, url), item);
    // Going to an item opens its address.
    QCOMPARE(AddressRules::addressBarAddress(item), url);
}

void ShellRulesTest::sizeRule_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("expected");

    QTest::newRow("narrow and short") << QSize(640, 480) << QSize(800, 640);
    QTest::newRow("narrow and tall") << QSize(799, 1000) << QSize(800, 640);
    QTest::newRow("exactly 800 wide") << QSize(800, 300) << QSize(800, 300);
    QTest::newRow("wide") << QSize(1082, 622) << QSize(1082, 622);
}

void ShellRulesTest::sizeRule()
{
    QFETCH(QSize, size);
    QFETCH(QSize, expected);
    QCOMPARE(TFormMain::sizeRule(size), expected);
}

QTEST_GUILESS_MAIN(ShellRulesTest)
#include "tst_shell_rules.moc"
