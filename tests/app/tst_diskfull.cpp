// A full disk and a file size limit under the real program: an export that cannot be
// written whole keeps the old file byte for byte, leaves nothing else behind, says why
// in one line and ends with status 1; the program is never killed by SIGXFSZ.  The
// full disk is a preloaded fault-injection library, so the test needs no tmpfs.
#include "fileprobe.h"
#include "programrun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using fileprobe::readAll;

namespace {

const QByteArray OldContent = "the old sheet, which must survive\n";

// Puts the earlier export that a failed one must leave as it was.
bool writeOldSheet(const QString &file)
{
    QFile old(file);
    return old.open(QIODevice::WriteOnly) && old.write(OldContent) == OldContent.size();
}

using programrun::Run;

// Exports `file` with the real program; `fileSizeLimit` >= 0 sets RLIMIT_FSIZE in the
// child, which leaves SIGXFSZ at its default (fatal) action: only the program's own
// handling keeps it alive.
Run exportWith(const QString &file, const QProcessEnvironment &env, long long fileSizeLimit = -1)
{
    return programrun::run(QStringLiteral(ORTELANA_BINARY),
                           {QStringLiteral("--export"), file, QStringLiteral("--year"), QStringLiteral("2024")}, env,
                           60000, {}, [fileSizeLimit] {
                               std::signal(SIGXFSZ, SIG_DFL);
                               if (fileSizeLimit >= 0) {
                                   const rlimit limit{rlim_t(fileSizeLimit), rlim_t(fileSizeLimit)};
                                   ::setrlimit(RLIMIT_FSIZE, &limit);
                               }
                           });
}

QProcessEnvironment baseEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // A sanitized program must accept a library loaded before its runtime.
    env.insert(QStringLiteral("ASAN_OPTIONS"),
               env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":verify_asan_link_order=0"));
    return env;
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden);
}

// Returns: the size of a whole export of 2024 in `format`.
qint64 wholeSize(const QString &format)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("whole.") + format);
    const Run run = exportWith(file, baseEnvironment());
    return run.exitCode == 0 ? QFileInfo(file).size() : -1;
}

} // namespace

class tst_DiskFull : public QObject
{
    Q_OBJECT

private slots:
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void fileSizeLimitIsAnError_data();
    void fileSizeLimitIsAnError();
};

void tst_DiskFull::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("at");       // write, fsync or close
    QTest::addColumn<QString>("room");     // bytes that fit: a number, "half", "short" (one too few), "all"
    QTest::addColumn<QString>("error");    // ENOSPC or EFBIG
    QTest::addColumn<QString>("reason");   // in the message; empty: the export succeeds

    // Both formats are made whole in memory and written by the same writer: every
    // place of failure for one, the PDF once and with exactly its room.
    QTest::newRow("png, full from the start") << "png" << "write" << "0" << "ENOSPC" << "Нет места на устройстве";
    QTest::newRow("png, full after 100 bytes") << "png" << "write" << "100" << "ENOSPC" << "Нет места на устройстве";
    QTest::newRow("png, full half way") << "png" << "write" << "half" << "ENOSPC" << "Нет места на устройстве";
    QTest::newRow("png, one byte short") << "png" << "write" << "short" << "ENOSPC" << "Нет места на устройстве";
    QTest::newRow("png, too big half way") << "png" << "write" << "half" << "EFBIG" << "Файл слишком велик";
    QTest::newRow("png, full at fsync") << "png" << "fsync" << "all" << "ENOSPC" << "Нет места на устройстве";
    QTest::newRow("png, full at close") << "png" << "close" << "all" << "ENOSPC" << "Нет места на устройстве";
    QTest::newRow("png, room for exactly the file") << "png" << "write" << "all" << "ENOSPC" << "";
    QTest::newRow("pdf, full half way") << "pdf" << "write" << "half" << "ENOSPC" << "Нет места на устройстве";
    QTest::newRow("pdf, room for exactly the file") << "pdf" << "write" << "all" << "ENOSPC" << "";
}

void tst_DiskFull::fullDiskKeepsTheOldFile()
{
    QFETCH(QString, format);
    QFETCH(QString, at);
    QFETCH(QString, room);
    QFETCH(QString, error);
    QFETCH(QString, reason);

    const qint64 whole = wholeSize(format);
    QVERIFY(whole > 1000);
    const qint64 bytes = room == QLatin1String("half") ? whole / 2
                         : room == QLatin1String("short") ? whole - 1
                         : room == QLatin1String("all") ? whole
                                                        : room.toLongLong();

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("sheet.") + format);
    QVERIFY(writeOldSheet(file));
    const QStringList before = entries(dir.path());

    QProcessEnvironment env = baseEnvironment();
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(FAULT_LIBRARY));
    env.insert(QStringLiteral("ORTELANA_FAULT_DIR"), dir.path());
    env.insert(QStringLiteral("ORTELANA_FAULT_BYTES"), QString::number(bytes));
    env.insert(QStringLiteral("ORTELANA_FAULT_AT"), at);
    env.insert(QStringLiteral("ORTELANA_FAULT_ERRNO"), error);
    const Run run = exportWith(file, env);

    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(entries(dir.path()), before);   // no temporary file left
    if (reason.isEmpty()) {
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        QCOMPARE(QFileInfo(file).size(), whole);
        return;
    }
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(readAll(file), OldContent);
    const QStringList lines = run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.front().startsWith(QStringLiteral("ortelana: ")) && lines.front().contains(reason), qPrintable(run.err));
}

void tst_DiskFull::fileSizeLimitIsAnError_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<long long>("limit");
    QTest::addColumn<bool>("fits");
    QTest::newRow("png, ulimit -f 0") << "png" << 0LL << false;
    QTest::newRow("png, 1 byte") << "png" << 1LL << false;
    QTest::newRow("png, 4 KiB") << "png" << 4096LL << false;
    QTest::newRow("png, 1 MiB") << "png" << 1048576LL << true;
    QTest::newRow("pdf, 4 KiB") << "pdf" << 4096LL << false;
    QTest::newRow("pdf, 1 MiB") << "pdf" << 1048576LL << true;
}

void tst_DiskFull::fileSizeLimitIsAnError()
{
    QFETCH(QString, format);
    QFETCH(long long, limit);
    QFETCH(bool, fits);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("sheet.") + format);
    QVERIFY(writeOldSheet(file));

    const Run run = exportWith(file, baseEnvironment(), limit);
    QCOMPARE(run.status, QProcess::NormalExit);   // not killed by SIGXFSZ
    QCOMPARE(entries(dir.path()), QStringList{QFileInfo(file).fileName()});
    if (fits) {
        QCOMPARE(run.exitCode, 0);
        QVERIFY(QFileInfo(file).size() > 1000);
        return;
    }
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(readAll(file), OldContent);
    QVERIFY2(run.err.contains(QStringLiteral("Файл слишком велик")), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(tst_DiskFull)
#include "tst_diskfull.moc"
