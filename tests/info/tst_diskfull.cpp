// The redirect page on a full disk: a write that fails part way leaves no half-written
// page handed to the browser, and the program stays up.  The disk is "filled" with a
// file size limit in a child process.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class tst_DiskFull : public QObject
{
    Q_OBJECT

private slots:
    void pageIsOpenedOnlyWhenWhole_data();
    void pageIsOpenedOnlyWhenWhole();
};

void tst_DiskFull::pageIsOpenedOnlyWhenWhole_data()
{
    QTest::addColumn<QString>("limit");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<int>("size");   // of 0.html afterwards
    const QString address = QStringLiteral("https://ortelana.example.org/");
    const int whole = 178 + int(address.size());
    QTest::newRow("room enough") << "none" << true << whole;
    QTest::newRow("room for exactly the page") << QString::number(whole) << true << whole;
    QTest::newRow("full after 100 bytes") << "100" << false << 0;
    QTest::newRow("one byte short") << QString::number(whole - 1) << false << 0;
    QTest::newRow("full from the start") << "0" << false << 0;
}

void tst_DiskFull::pageIsOpenedOnlyWhenWhole()
{
    QFETCH(QString, limit);
    QFETCH(bool, opened);
    QFETCH(int, size);
    QTemporaryDir dir;
    QProcess child;
    child.setWorkingDirectory(dir.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(QStringLiteral(DISKFULL_CHILD), {limit, QStringLiteral("https://ortelana.example.org/")});
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);

    const QStringList lines = QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(lines.endsWith(QStringLiteral("up")), qPrintable(lines.join(QLatin1Char('|'))));
    const QString page = QDir(dir.path()).filePath(QStringLiteral("0.html"));
    QCOMPARE(lines.contains(QStringLiteral("opened ") + page), opened);
    QCOMPARE(lines.size(), opened ? 2 : 1);
    if (limit != QLatin1String("0") || QFile::exists(page))
        QCOMPARE(QFileInfo(page).size(), qint64(size));
    QVERIFY(!QFile::exists(QDir(dir.path()).filePath(QStringLiteral("1.html"))));
}

QTEST_GUILESS_MAIN(tst_DiskFull)
#include "tst_diskfull.moc"
