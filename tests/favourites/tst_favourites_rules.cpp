// The favourites page built from a folder, the service addresses, the INI
// reader behind the shortcut files, and the paced import.
#include "browser/favourites/FavouritesImport.h"
#include "browser/favourites/FavouritesPages.h"
#include "browser/shell/AddressRules.h"
#include "platform/IniFile.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray shortcut(const QByteArray &url)
{
    return "[DEFAULT]\r\nBASEURL=http://wrong.example/\r\n[InternetShortcut]\r\nURL=" + url
        + "\r\nIconIndex=0\r\n";
}

// Answers each request at once; the addresses listed in `refuse` fail.
class FakeSender : public FilingSender
{
public:
    explicit FakeSender(QStringList *sent, QSet<int> refuse = {}) : m_sent(sent), m_refuse(refuse) {}
    void send(const QString &address, std::function<void(bool)> done) override
    {
        const int index = m_sent->size();
        m_sent->append(address);
        done(!m_refuse.contains(index));
    }

private:
    QStringList *m_sent;
    QSet<int> m_refuse;
};

const QString Site = QStringLiteral("http://127.0.0.1:8035");

} // namespace

class FavouritesRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void pageOfFolder();
    void pageOfMissingFolder();
    void pageFileIsGb18030WithCrlf();
    void iniValues_data();
    void iniValues();
    void lookupAddress_data();
    void lookupAddress();
    void filingAddress_data();
    void filingAddress();
    void importSendsEachLinkWithStartDate();
    void importOfNoLinksFinishesAtOnce();
};

void FavouritesRulesTest::pageOfFolder()
{
    QTemporaryDir tmp;
    const QString fav = tmp.path() + QStringLiteral("/Favorites");
    writeFile(fav + QStringLiteral("/Baidu.url"), shortcut("http://www.baidu.com/"));
    writeFile(fav + QStringLiteral("/a<b & c.url"), shortcut("http://example.com/?a=1&b=\"2\""));
    // Shortcuts written by the desktop hold GBK text.
    writeFile(fav + QStringLiteral("/新浪.url"), TextCodec::toGb18030(QStringLiteral("[InternetShortcut]\r\nURL=http://www.sina.com.cn/新闻\r\n")));
    writeFile(fav + QStringLiteral("/NoUrl.url"), "[InternetShortcut]\r\nIconIndex=0\r\n");
    writeFile(fav + QStringLiteral("/readme.txt"), "not a favourite");
    writeFile(fav + QStringLiteral("/.hidden/Secret.url"), shortcut("http://secret.example/"));
    writeFile(fav + QStringLiteral("/news/人民网.url"), shortcut("http://www.people.com.cn/"));
    writeFile(fav + QStringLiteral("/news/sub/Deep.URL"), shortcut("http://deep.example/"));
    writeFile(fav + QStringLiteral("/news/.git/x.url"), shortcut("http://x.example/"));
    QDir().mkpath(fav + QStringLiteral("/新闻"));

    const QStringList expected = {
        QStringLiteral("<html>"),
        QStringLiteral("<head><Title>我的收藏夹</Title></head>"),
        QStringLiteral("<Body bgcolor=\"white\" style=\"color:#000000; font-size: 12px;\" oncontextmenu=\"event.returnValue=false;\">"),
        QStringLiteral("<a href=\"http://example.com/?a=1&amp;b=&quot;2&quot;\">a&lt;b &amp; c</a><BR>"),
        QStringLiteral("<a href=\"http://www.baidu.com/\">Baidu</a><BR>"),
        QStringLiteral("<a href=\"\">NoUrl</a><BR>"),
        QStringLiteral("<a href=\"http://www.sina.com.cn/新闻\">新浪</a><BR>"),
        QStringLiteral("<BR>"),
        QStringLiteral("news<BR>"),
        QStringLiteral("<a href=\"http://www.people.com.cn/\">人民网</a><BR>"),
        QStringLiteral("<BR>"),
        QStringLiteral("sub<BR>"),
        QStringLiteral("<a href=\"http://deep.example/\">Deep</a><BR>"),
        QStringLiteral("<BR>"),
        QStringLiteral("新闻<BR>"),
        QStringLiteral("</BODY></HTML>"),
    };
    QCOMPARE(LzFav::favouritesPage(fav), expected);
}

void FavouritesRulesTest::pageOfMissingFolder()
{
    QTemporaryDir tmp;
    const QStringList lines = LzFav::favouritesPage(tmp.path() + QStringLiteral("/NoSuchFolder"));
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(3), QStringLiteral("</BODY></HTML>"));
}

void FavouritesRulesTest::pageFileIsGb18030WithCrlf()
{
    // A title outside GBK survives too.
    const QStringList lines = {QStringLiteral("<html>"), LzFav::linkLine(QStringLiteral("表情😀"), QStringLiteral("http://a/"))};
    const QByteArray bytes = LzFav::pageFileBytes(lines);
    QVERIFY(bytes.startsWith("<html>\r\n<a href=\"http://a/\">\xB1\xED\xC7\xE9"));
    QVERIFY(bytes.endsWith("</a><BR>\r\n"));
    QCOMPARE(TextCodec::fromGb18030(bytes), lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

void FavouritesRulesTest::iniValues_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("plain") << QByteArray("[InternetShortcut]\r\nURL=http://a/\r\n") << "InternetShortcut" << "URL" << "http://a/";
    QTest::newRow("names ignore case") << QByteArray("[internetshortcut]\nurl=http://a/\n") << "InternetShortcut" << "URL" << "http://a/";
    QTest::newRow("value keeps its equals signs") << QByteArray("[s]\nURL=http://a/?x=1&y=2\n") << "s" << "URL" << "http://a/?x=1&y=2";
    QTest::newRow("blanks around removed") << QByteArray("[ s ]\n  k  =  v w  \n") << "s" << "k" << "v w";
    QTest::newRow("other section not read") << QByteArray("[a]\nk=1\n[b]\nk=2\n") << "b" << "k" << "2";
    QTest::newRow("first of two wins") << QByteArray("[s]\nk=1\nk=2\n") << "s" << "k" << "1";
    QTest::newRow("missing key") << QByteArray("[s]\nother=1\n") << "s" << "k" << "(none)";
    QTest::newRow("comment") << QByteArray("[s]\n;k=1\n") << "s" << "k" << "(none)";
    QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBF[s]\nk=\xE6\x96\xB0\n") << "s" << "k" << "新";
    QTest::newRow("gbk") << QByteArray("[s]\nk=\xD0\xC2\xC0\xCB\n") << "s" << "k" << "新浪";
}

void FavouritesRulesTest::iniValues()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    IniFile ini;
    ini.parse(text);
    QCOMPARE(ini.value(section, key, QStringLiteral("(none)")), value);
}

void FavouritesRulesTest::lookupAddress_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("address");

    const QString base = Site + QStringLiteral("/findSubmit.asp?strcheck=");
    QTest::newRow("empty") << "" << base;
    QTest::newRow("blanks only") << "   " << base;
    QTest::newRow("blanks around trimmed") << " \tabc  " << base + "abc";
    QTest::newRow("inner blank kept") << "a b" << base + "a%20b";
    QTest::newRow("ampersand and hash") << "a&b#c" << base + "a%26b%23c";
    QTest::newRow("equals, plus, percent") << "a=b+c%" << base + "a%3Db%2Bc%25";
    QTest::newRow("double bar") << "x‖y" << base + "x%E2%80%96y";
    QTest::newRow("chinese") << "密码" << base + "%E5%AF%86%E7%A0%81";
}

void FavouritesRulesTest::lookupAddress()
{
    QFETCH(QString, password);
    QFETCH(QString, address);
    const QString built = LzFav::lookupAddress(Site, password);
    QCOMPARE(built, address);
    // The new tab opens it whole: nothing in it is taken for a double bar.
    QCOMPARE(AddressRules::afterDoubleBar(built), built);
}

void FavouritesRulesTest::filingAddress_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("query");

    const QString cls = QStringLiteral("&ss_Class=%E7%A9%BA");
    QTest::newRow("plain, no password")
        << "Baidu" << "http://www.baidu.com/" << ""
        << "ss_Title=Baidu&ss_Addr=http%3A%2F%2Fwww.baidu.com%2F" + cls + "&ss_Check=&ss_Date=2024-01-05&sql=2006-03-30";
    QTest::newRow("address with its own query and fragment")
        << "a<b & c" << "http://x/?a=1&b=2#f" << "pw"
        << "ss_Title=a%3Cb%20%26%20c&ss_Addr=http%3A%2F%2Fx%2F%3Fa%3D1%26b%3D2%23f" + cls
               + "&ss_Check=pw&ss_Date=2024-01-05&sql=2006-03-30";
    QTest::newRow("password as typed, blanks and double bar kept")
        << "新浪" << "http://www.sina.com.cn/" << " p‖w "
        << "ss_Title=%E6%96%B0%E6%B5%AA&ss_Addr=http%3A%2F%2Fwww.sina.com.cn%2F" + cls
               + "&ss_Check=%20p%E2%80%96w%20&ss_Date=2024-01-05&sql=2006-03-30";
}

void FavouritesRulesTest::filingAddress()
{
    QFETCH(QString, title);
    QFETCH(QString, address);
    QFETCH(QString, password);
    QFETCH(QString, query);
    QCOMPARE(LzFav::filingAddress(Site, title, address, password, QDate(2024, 1, 5)),
             Site + QStringLiteral("/Internet.asp?") + query);
}

void FavouritesRulesTest::importSendsEachLinkWithStartDate()
{
    QStringList sent;
    FavouritesImport import(std::make_unique<FakeSender>(&sent, QSet<int>{1}));
    import.setInterval(10);
    QSignalSpy advanced(&import, &FavouritesImport::advanced);
    QSignalSpy finished(&import, &FavouritesImport::finished);

    const QList<FavouriteLink> links = {{"http://a/", "A"}, {"http://b/", "B"}, {"http://a/", "A"}};
    const QDate start(2023, 12, 31);
    import.start(links, Site, QStringLiteral("pw"), start);
    QVERIFY(finished.wait(5000));

    QCOMPARE(finished.first().first().toInt(), 1);
    QCOMPARE(advanced.size(), 3);
    // Duplicates are sent too, each with the date the import started.
    QCOMPARE(sent, QStringList({LzFav::filingAddress(Site, "A", "http://a/", "pw", start),
                                LzFav::filingAddress(Site, "B", "http://b/", "pw", start),
                                LzFav::filingAddress(Site, "A", "http://a/", "pw", start)}));
    QVERIFY(!import.isRunning());
}

void FavouritesRulesTest::importOfNoLinksFinishesAtOnce()
{
    QStringList sent;
    FavouritesImport import(std::make_unique<FakeSender>(&sent));
    QSignalSpy finished(&import, &FavouritesImport::finished);
    import.start({}, Site, QString(), QDate::currentDate());
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().first().toInt(), 0);
    QVERIFY(sent.isEmpty());
}

QTEST_GUILESS_MAIN(FavouritesRulesTest)
#include "tst_favourites_rules.moc"
