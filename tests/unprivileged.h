// Running a program as the user nobody, for the cases about folders the program may
// not write: root writes anyway, and CI runs as root.  The program runs from a copy
// in a folder of its own under /tmp, open to every user, since a clone under /root
// (mode 700) is out of that user's reach.
#pragma once

#include <QFile>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <pwd.h>

namespace unprivileged {

class Copy
{
public:
    // Copies `program`; error() says what is missing when that cannot work here.
    explicit Copy(const QString &program)
    {
        const auto open = QFile::Permissions(0x7755);   // rwxr-xr-x, in QFile's bits
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        const passwd *nobody = ::getpwnam("nobody");
        const QString copy = folder_.filePath(QStringLiteral("program"));
        if (setpriv.isEmpty() || nobody == nullptr)
            error_ = setpriv.isEmpty() ? QStringLiteral("setpriv is not installed") : QStringLiteral("there is no user nobody");
        else if (!QFile::copy(program, copy) || !QFile::setPermissions(folder_.path(), open) || !QFile::setPermissions(copy, open))
            error_ = QStringLiteral("cannot copy the program into ") + folder_.path();
        else
            command_ = {setpriv, QStringLiteral("--reuid=%1").arg(nobody->pw_uid),
                        QStringLiteral("--regid=%1").arg(nobody->pw_gid), QStringLiteral("--clear-groups"), copy};
    }

    QString error() const { return error_; }
    // setpriv and its three arguments, then the copy: the program's own arguments follow.
    QStringList command() const { return command_; }

private:
    QTemporaryDir folder_{QStringLiteral("/tmp/ortelana-nobody-XXXXXX")};
    QString error_;
    QStringList command_;
};

} // namespace unprivileged
