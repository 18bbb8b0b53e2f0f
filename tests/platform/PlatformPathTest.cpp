#include "PlatformPathTest.h"

#include "PlatformPath.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <unistd.h>

void PlatformPathTest::bytesComeBackAsTheyWere_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text"); // what the name reads as; null: not UTF-8
    QTest::newRow("ASCII") << QByteArray("/home/me/case.xml") << "/home/me/case.xml";
    QTest::newRow("UTF-8") << QByteArray("/tmp/35 \xc2\xb0"
                                         "C \xe6\x97\xa5 \xf0\x9f\x98\x80")
                           << QString::fromUtf8("/tmp/35 \xc2\xb0"
                                                "C \xe6\x97\xa5 \xf0\x9f\x98\x80");
    QTest::newRow("a replacement character written out") << QByteArray("a\xef\xbf\xbd"
                                                                       "b")
                                                         << QString::fromUtf8("a\xef\xbf\xbd"
                                                                              "b");
    QTest::newRow("bytes that start no character") << QByteArray("/tmp/\xff\xfe") << QString();
    QTest::newRow("a lone continuation byte") << QByteArray("a\x80"
                                                            "b")
                                              << QString();
    QTest::newRow("a character cut short") << QByteArray("a\xe6\x97") << QString();
    QTest::newRow("an overlong slash") << QByteArray("a\xc0\xaf"
                                                     "b")
                                       << QString();
    QTest::newRow("an encoded surrogate") << QByteArray("\xed\xb3\xbf") << QString();
    QTest::newRow("Latin-1") << QByteArray("caf\xe9.xml") << QString();
}

void PlatformPathTest::bytesComeBackAsTheyWere()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const QString path = TPlatformPath::FromBytes(bytes);
    QCOMPARE(TPlatformPath::ToBytes(path), bytes);
    if (!text.isNull())
        QCOMPARE(path, text);
    else
        QVERIFY(!path.contains(QChar::ReplacementCharacter));
}

// A file whose name is not UTF-8 exists under its name, and only under it.
void PlatformPathTest::fileNamedInBytesIsFound()
{
    QTemporaryDir dir;
    const QByteArray name = QFile::encodeName(dir.path()) + "/case-\xff.xml";
    const int descriptor = ::open(name.constData(), O_WRONLY | O_CREAT, 0600);
    QVERIFY(descriptor >= 0);
    ::close(descriptor);
    QVERIFY(TPlatformPath::Exists(TPlatformPath::FromBytes(name)));
    QVERIFY(!TPlatformPath::Exists(QFile::decodeName(name)));
    QCOMPARE(::unlink(name.constData()), 0);
    QVERIFY(!TPlatformPath::Exists(TPlatformPath::FromBytes(name)));
}
