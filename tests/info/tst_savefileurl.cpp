// The redirect page: its exact bytes, which name it is written under, what is never
// overwritten or followed, how the search ends, and which file the desktop is asked
// to open.
#include "behaviour/redirectpage.h"
#include "info/savefileurl.h"
#include "unprivileged.h"

#include "fileprobe.h"
#include "desktopstandin.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace ortelana;

namespace {

const QByteArray Head = "<html><head><meta http-equiv='refresh' content='0; url=";
const QByteArray Tail = "'><meta http-equiv='Content-Type' content='text/html; charset=windows-1251'>"
                        "<title>WWW</title></head><body></body></html>\r\n";

QByteArray pageFor(const QByteArray &addressBytes)
{
    return Head + addressBytes + Tail;
}

using fileprobe::readAll;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Writes at most 64 bytes a call, then reports a full disk: a page that fails part way.
ssize_t failingWrite(int fd, const void *data, std::size_t size)
{
    if (size > 64)
        return ::write(fd, data, 64);
    errno = ENOSPC;
    return -1;
}

// Writes 10 bytes a call: short writes that must be carried on.
ssize_t shortWrites(int fd, const void *data, std::size_t size)
{
    return ::write(fd, data, std::min<std::size_t>(size, 10));
}

} // namespace

class tst_SaveFileUrl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstUseWritesThePage_data();
    void firstUseWritesThePage();
    void writablePageIsRewritten();
    void takenNamesAreSkipped_data();
    void takenNamesAreSkipped();
    void searchStopsAfterNinetyNine();
    void unwritableDirectoryGivesUp_data();
    void unwritableDirectoryGivesUp();
    void failedWriteOpensNothing_data();
    void failedWriteOpensNothing();
    void shortWritesAreCarriedOn();
    void currentDirectoryNotUtf8();

private:
    QString page(int number) const { return dir->filePath(QString::number(number) + QStringLiteral(".html")); }
    // Checks that exactly one file was asked to be opened, by absolute path: `path`.
    void expectOpened(const QString &path);

    DesktopStandIn desktop;
    QList<QUrl> &opened = desktop.opened;
    std::unique_ptr<QTemporaryDir> dir;
    QString startDirectory;
};

void tst_SaveFileUrl::init()
{
    opened.clear();
    // The current directory is a fresh folder, never the program folder.
    startDirectory = QDir::currentPath();
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    QVERIFY(QDir::setCurrent(dir->path()));
    QVERIFY(QDir::currentPath() != QCoreApplication::applicationDirPath());
}

void tst_SaveFileUrl::cleanup()
{
    QDir::setCurrent(startDirectory);
    // Let the folder be removed even where a test took its write permission away.
    ::chmod(QFile::encodeName(dir->path()).constData(), 0755);
    dir.reset();
}

void tst_SaveFileUrl::expectOpened(const QString &path)
{
    QCOMPARE(opened.size(), 1);
    QVERIFY(opened.front().isLocalFile());
    const QString asked = opened.front().toLocalFile();
    QVERIFY2(QFileInfo(asked).isAbsolute(), qPrintable(asked));
    QCOMPARE(QFileInfo(asked).canonicalFilePath(), QFileInfo(path).canonicalFilePath());
}

void tst_SaveFileUrl::firstUseWritesThePage_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QByteArray>("addressBytes");

    QTest::newRow("ascii") << QStringLiteral("https://ortelana.example.org/") << QByteArray("https://ortelana.example.org/");
    QTest::newRow("empty: exactly 178 bytes") << QString() << QByteArray();
    QTest::newRow("apostrophe copied unchanged") << QStringLiteral("http://example.org/it's") << QByteArray("http://example.org/it's");
    QTest::newRow("blanks not trimmed") << QStringLiteral(" x ") << QByteArray(" x ");
    QTest::newRow("cyrillic in windows-1251") << QStringLiteral("http://пример.рф/Ёж")
        << QByteArray("http://\xEF\xF0\xE8\xEC\xE5\xF0.\xF0\xF4/\xA8\xE6");
    QTest::newRow("euro sign has a place") << QStringLiteral("€") << QByteArray("\x88");
    QTest::newRow("characters without a place become ?") << QStringLiteral("a☺b😀c") << QByteArray("a?b?c");
}

void tst_SaveFileUrl::firstUseWritesThePage()
{
    QFETCH(QString, address);
    QFETCH(QByteArray, addressBytes);

    SaveFileUrl(address);

    const QByteArray written = readAll(page(0));
    QCOMPARE(written, pageFor(addressBytes));
    QVERIFY(!QFile::exists(page(1)));
    expectOpened(page(0));
}

void tst_SaveFileUrl::writablePageIsRewritten()
{
    writeFile(page(0), QByteArray(4000, 'x'));
    SaveFileUrl(QStringLiteral("http://example.org/"));
    QCOMPARE(readAll(page(0)), pageFor("http://example.org/"));
    QVERIFY(!QFile::exists(page(1)));
    expectOpened(page(0));
}

void tst_SaveFileUrl::takenNamesAreSkipped_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("taken");   // names 0.html to taken-1 are blocked

    // Each kind of name the writer refuses is in the safe writer's own test; here, that
    // a refused name sends the search on, one name or many.
    QTest::newRow("read-only 0.html") << QStringLiteral("read-only") << 1;
    QTest::newRow("0.html to 9.html are folders") << QStringLiteral("folder") << 10;
    QTest::newRow("symbolic link to a file") << QStringLiteral("link") << 1;
}

void tst_SaveFileUrl::takenNamesAreSkipped()
{
    QFETCH(QString, what);
    QFETCH(int, taken);

    const QString target = dir->filePath(QStringLiteral("target.txt"));
    const QByteArray old = "left alone\n";
    for (int n = 0; n < taken; ++n) {
        const QByteArray name = QFile::encodeName(page(n));
        if (what == QLatin1String("read-only")) {
            writeFile(page(n), old);
            QVERIFY(::chmod(name.constData(), 0444) == 0);
        } else if (what == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(page(n)));
        } else if (what == QLatin1String("link")) {
            writeFile(target, old);
            QVERIFY(QFile::link(target, page(n)));
        }
    }

    SaveFileUrl(QStringLiteral("http://example.org/"));

    QCOMPARE(readAll(page(taken)), pageFor("http://example.org/"));
    expectOpened(page(taken));
    if (what == QLatin1String("read-only"))
        for (int n = 0; n < taken; ++n)
            QCOMPARE(readAll(page(n)), old);
    if (what == QLatin1String("link")) {
        QCOMPARE(readAll(target), old);
        QVERIFY(QFileInfo(page(0)).isSymLink());
    }
}

void tst_SaveFileUrl::searchStopsAfterNinetyNine()
{
    for (int n = 0; n < RedirectPageNames; ++n)
        QVERIFY(QDir().mkdir(page(n)));
    SaveFileUrl(QStringLiteral("http://example.org/"));
    QVERIFY(opened.isEmpty());
    QVERIFY(!QFile::exists(page(RedirectPageNames)));
}

void tst_SaveFileUrl::unwritableDirectoryGivesUp_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("current directory deleted") << QStringLiteral("deleted");
    QTest::newRow("directory without write permission") << QStringLiteral("read-only");
}

void tst_SaveFileUrl::unwritableDirectoryGivesUp()
{
    QFETCH(QString, how);
    const QString sub = dir->filePath(QStringLiteral("sub"));
    QVERIFY(QDir().mkdir(sub));
    QVERIFY(QDir::setCurrent(sub));
    if (how == QLatin1String("deleted")) {
        QVERIFY(QDir().rmdir(sub));
    } else if (::geteuid() == 0) {
        // Root writes into any folder: this row runs again in a copy of this program as
        // the user nobody, and must pass there.
        const unprivileged::Copy copy(QCoreApplication::applicationFilePath());
        if (!copy.error().isEmpty())
            QSKIP(qPrintable(QStringLiteral("running as root, and ") + copy.error()));
        QProcess again;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), QStringLiteral("/tmp"));
        again.setProcessEnvironment(environment);
        again.setWorkingDirectory(QStringLiteral("/tmp"));
        again.start(copy.command().first(), copy.command().mid(1) + QStringList{
                    QStringLiteral("unwritableDirectoryGivesUp:directory without write permission")});
        QVERIFY(again.waitForFinished(30000));
        const QByteArray output = again.readAllStandardOutput() + again.readAllStandardError();
        QVERIFY2(again.exitCode() == 0 && output.contains("PASS   : tst_SaveFileUrl::unwritableDirectoryGivesUp(directory "
                                                           "without write permission)"), output.constData());
        return;
    } else {
        QVERIFY(::chmod(QFile::encodeName(sub).constData(), 0555) == 0);
    }

    SaveFileUrl(QStringLiteral("http://example.org/"));

    QVERIFY(opened.isEmpty());
    QVERIFY(!QFile::exists(sub + QStringLiteral("/0.html")));
    QVERIFY(!QFile::exists(page(0)));   // nor anywhere else the path might have led
}

void tst_SaveFileUrl::failedWriteOpensNothing_data()
{
    QTest::addColumn<QByteArray>("old");   // 0.html before; "-": none
    QTest::newRow("no page before") << QByteArray("-");
    QTest::newRow("an earlier page") << pageFor("http://earlier.example.org/");
}

void tst_SaveFileUrl::failedWriteOpensNothing()
{
    QFETCH(QByteArray, old);
    if (old != "-")
        writeFile(page(0), old);
    SaveFileUrl(QStringLiteral("http://example.org/"), failingWrite);
    QVERIFY(opened.isEmpty());
    // No half page is left to be opened later, the old one is whole, no other name was
    // tried, and no temporary file is left behind.
    QCOMPARE(QFile::exists(page(0)), old != "-");
    if (old != "-")
        QCOMPARE(readAll(page(0)), old);
    QCOMPARE(QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).size(),
             old != "-" ? 1 : 0);
}

void tst_SaveFileUrl::shortWritesAreCarriedOn()
{
    SaveFileUrl(QStringLiteral("http://example.org/"), shortWrites);
    QCOMPARE(readAll(page(0)), pageFor("http://example.org/"));
    expectOpened(page(0));
}

// A current directory whose name is no UTF-8 gets the page itself, and the desktop is
// handed that very file, not a look-alike with the bytes replaced.
void tst_SaveFileUrl::currentDirectoryNotUtf8()
{
    const QByteArray sub = QFile::encodeName(dir->path()) + "/\xff\xfe";
    QCOMPARE(::mkdir(sub.constData(), 0755), 0);
    const auto cleanUp = qScopeGuard([&sub] {
        ::unlink((sub + "/0.html").constData());
        ::rmdir(sub.constData());
    });
    QCOMPARE(::chdir(sub.constData()), 0);

    SaveFileUrl(QStringLiteral("http://example.org/"));

    QFile written;
    const int fd = ::open((sub + "/0.html").constData(), O_RDONLY);
    QVERIFY(fd >= 0);
    QVERIFY(written.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
    QCOMPARE(written.readAll(), pageFor("http://example.org/"));
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.front().toEncoded(), "file://" + (sub + "/0.html").toPercentEncoding("/"));
}

QTEST_MAIN(tst_SaveFileUrl)
#include "tst_savefileurl.moc"
