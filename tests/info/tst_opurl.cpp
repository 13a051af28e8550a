// Opening documents: names are taken from the program folder whatever the current
// directory, a missing file passes quietly, and the help document beside the program
// is the real one.
#include "info/opurl.h"

#include "desktopstandin.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace ortelana;

class tst_OpURL : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void helpComesFromTheProgramFolder();
    void absolutePathIsOpenedAsItIs();
    void missingFileReturnsQuietly_data();
    void missingFileReturnsQuietly();
    void helpDocumentIsUtf8Html();

private:
    DesktopStandIn desktop;
    QList<QUrl> &opened = desktop.opened;
    QTemporaryDir elsewhere;
    QString startDirectory;
};

void tst_OpURL::init()
{
    opened.clear();
    startDirectory = QDir::currentPath();
    QVERIFY(elsewhere.isValid());
    QVERIFY(QDir::setCurrent(elsewhere.path()));
}

void tst_OpURL::cleanup()
{
    QDir::setCurrent(startDirectory);
}

void tst_OpURL::helpComesFromTheProgramFolder()
{
    // A decoy of the same name in the current directory must not be the one opened.
    QFile decoy(QStringLiteral("Справка.html"));
    QVERIFY(decoy.open(QIODevice::WriteOnly));
    decoy.close();

    OpenInShell(QStringLiteral("Справка.html"));

    const QString expected = QCoreApplication::applicationDirPath() + QStringLiteral("/Справка.html");
    QVERIFY2(QFile::exists(expected), "the build copies the help document beside the program");
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.front(), QUrl::fromLocalFile(expected));
}

void tst_OpURL::absolutePathIsOpenedAsItIs()
{
    const QString path = elsewhere.filePath(QStringLiteral("0.html"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    OpenInShell(path);

    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.front(), QUrl::fromLocalFile(path));
}

void tst_OpURL::missingFileReturnsQuietly_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("bare name") << QStringLiteral("Нет такого файла.html");
    QTest::newRow("absolute path") << QStringLiteral("/nonexistent/Справка.html");
    QTest::newRow("empty name is no document") << QString();
    QTest::newRow("a folder is no document") << QStringLiteral(".");
}

void tst_OpURL::missingFileReturnsQuietly()
{
    QFETCH(QString, name);
    OpenInShell(name);
    QVERIFY(opened.isEmpty());
}

void tst_OpURL::helpDocumentIsUtf8Html()
{
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/Справка.html"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    QVERIFY(!utf8.hasError());
    QVERIFY(text.startsWith(QStringLiteral("<!DOCTYPE html>")));
    QVERIFY(text.contains(QStringLiteral("<html lang=\"ru\">")));
    QVERIFY(text.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    QVERIFY(text.trimmed().endsWith(QStringLiteral("</html>")));
}

QTEST_MAIN(tst_OpURL)
#include "tst_opurl.moc"
