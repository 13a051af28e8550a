// The safe writer on its own: what a new file's mode is, how failures and refusals are
// told apart, which targets it never replaces, and that nothing is ever left beside
// the target.
#include "output/safewriter.h"

#include "fileprobe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace ortelana;

namespace {

// Writes at most 7 bytes a call, then reports the given error: a failure part way.
template <int Error>
ssize_t failAfterSeven(int fd, const void *data, std::size_t size)
{
    struct stat info {};
    if (::fstat(fd, &info) == 0 && info.st_size >= 7) {
        errno = Error;
        return -1;
    }
    return ::write(fd, data, std::min<std::size_t>(size, 7));
}

ssize_t writesNothing(int, const void *, std::size_t)
{
    return 0;
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

} // namespace

class tst_SafeWriter : public QObject
{
    Q_OBJECT

private slots:
    void newFileFollowsTheUmask_data();
    void newFileFollowsTheUmask();
    void outcomes_data();
    void outcomes();
    void refusedTargetsAreLeftAlone_data();
    void refusedTargetsAreLeftAlone();
};

void tst_SafeWriter::newFileFollowsTheUmask_data()
{
    QTest::addColumn<int>("mask");
    QTest::newRow("022") << 022;
    QTest::newRow("077") << 077;
    QTest::newRow("0") << 0;
}

void tst_SafeWriter::newFileFollowsTheUmask()
{
    QFETCH(int, mask);
    QTemporaryDir dir;
    const mode_t before = ::umask(mode_t(mask));
    const SafeWriteResult result = writeFileSafely(QFile::encodeName(dir.filePath(QStringLiteral("new"))), "content");
    ::umask(before);
    QVERIFY(result.written());
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(dir.filePath(QStringLiteral("new"))).constData(), &info), 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0666 & ~mask));
}

void tst_SafeWriter::outcomes_data()
{
    QTest::addColumn<QString>("target");   // relative to a fresh folder holding "old" and "sub/"
    QTest::addColumn<int>("writer");       // 0 the real write, 1 ENOSPC part way, 2 EFBIG part way, 3 no progress
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("reason");

    const int written = int(SafeWriteResult::Status::Written);
    const int failed = int(SafeWriteResult::Status::Failed);
    const int refused = int(SafeWriteResult::Status::Refused);
    QTest::newRow("replace") << "old" << 0 << written << 0 << "";
    QTest::newRow("new name") << "new" << 0 << written << 0 << "";
    QTest::newRow("disk full part way") << "old" << 1 << failed << ENOSPC << "Нет места на устройстве";
    QTest::newRow("too big part way") << "old" << 2 << failed << EFBIG << "Файл слишком велик";
    QTest::newRow("no progress") << "old" << 3 << failed << ENOSPC << "Нет места на устройстве";
    QTest::newRow("missing folder") << "missing/new" << 0 << failed << ENOENT << "Нет такого файла или каталога";
    QTest::newRow("under a plain file") << "old/new" << 0 << failed << ENOTDIR << "не является каталогом";
    QTest::newRow("name with a slash at the end") << "sub/" << 0 << failed << EISDIR << "каталог";
    QTest::newRow("folder") << "sub" << 0 << refused << 0 << "папка";
    QTest::newRow("empty name") << "" << 0 << failed << ENOENT << "Нет такого файла";
}

void tst_SafeWriter::outcomes()
{
    QFETCH(QString, target);
    QFETCH(int, writer);
    QFETCH(int, status);
    QFETCH(int, error);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QFile old(dir.filePath(QStringLiteral("old")));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old content");
    old.close();
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    const QStringList before = entries(dir.path());

    const WriteBytes writes[] = {::write, failAfterSeven<ENOSPC>, failAfterSeven<EFBIG>, writesNothing};
    const QByteArray path = target.isEmpty() ? QByteArray() : QFile::encodeName(dir.filePath(target));
    const SafeWriteResult result = writeFileSafely(path, "the new content", writes[writer]);

    QCOMPARE(int(result.status), status);
    QCOMPARE(result.error, error);
    QVERIFY2(result.reason.contains(reason), qPrintable(result.reason));
    QCOMPARE(result.reason.isEmpty(), status == int(SafeWriteResult::Status::Written));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), status == int(SafeWriteResult::Status::Written) && target == QLatin1String("old")
                                ? QByteArray("the new content") : QByteArray("old content"));
    QStringList expected = before;
    if (target == QLatin1String("new") && result.written())
        expected = QStringList{QStringLiteral("new"), QStringLiteral("old"), QStringLiteral("sub")};
    QCOMPARE(entries(dir.path()), expected);   // never a temporary file left over
    QCOMPARE(entries(dir.filePath(QStringLiteral("sub"))), QStringList());
}

// Every target that must never be replaced is refused by name and left exactly as it
// was, and so is the file a link points to.
void tst_SafeWriter::refusedTargetsAreLeftAlone_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("reason");
    QTest::newRow("symbolic link") << "link" << "символическая ссылка";
    QTest::newRow("dangling symbolic link") << "dangling" << "символическая ссылка";
    QTest::newRow("hard link") << "hard link" << "жёсткие ссылки";
    QTest::newRow("FIFO") << "fifo" << "не обычный файл";
    QTest::newRow("device node") << "device" << "не обычный файл";
    QTest::newRow("folder") << "folder" << "папка";
    QTest::newRow("read-only file") << "read-only" << "только для чтения";
}

void tst_SafeWriter::refusedTargetsAreLeftAlone()
{
    QFETCH(QString, what);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target"));
    const QString victim = dir.filePath(QStringLiteral("victim"));
    const QByteArray name = QFile::encodeName(target);
    {
        QFile file(victim);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
    }
    if (what == QLatin1String("link")) {
        QVERIFY(QFile::link(victim, target));
    } else if (what == QLatin1String("dangling")) {
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere")), target));
    } else if (what == QLatin1String("hard link")) {
        QCOMPARE(::link(QFile::encodeName(victim).constData(), name.constData()), 0);
    } else if (what == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(name.constData(), 0666), 0);
    } else if (what == QLatin1String("device")) {
        if (::geteuid() != 0)
            QSKIP("only root makes device nodes");
        QCOMPARE(::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)), 0);   // like /dev/null
    } else if (what == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(target));
    } else if (what == QLatin1String("read-only")) {
        QVERIFY(QFile::copy(victim, target));
        QCOMPARE(::chmod(name.constData(), 0444), 0);   // root could write it all the same
    }
    const fileprobe::Snapshot before = fileprobe::snapshot(target);
    const QStringList entriesBefore = entries(dir.path());

    const SafeWriteResult result = writeFileSafely(name, "the new content");
    QCOMPARE(int(result.status), int(SafeWriteResult::Status::Refused));
    QVERIFY2(result.reason.contains(reason), qPrintable(result.reason));
    QVERIFY(fileprobe::snapshot(target) == before);
    QCOMPARE(fileprobe::readAll(victim), QByteArray("keep me"));
    QCOMPARE(entries(dir.path()), entriesBefore);
}

QTEST_GUILESS_MAIN(tst_SafeWriter)
#include "tst_safewriter.moc"
