// Running a program as the user nobody, for the cases about folders the program may
// not write: root writes anyway, and CI runs as root.  The program runs from a copy
// in a folder of its own under /tmp, open to every user, since a clone under /root
// (mode 700) is out of that user's reach.
#pragma once

#include <QFile>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <pwd.h>

namespace unprivileged {

constexpr QFile::Permissions Open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                    | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

class Copy
{
public:
    // Copies `program`; `error()` says what is missing when that cannot work here.
    explicit Copy(const QString &program)
    {
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        const passwd *nobody = ::getpwnam("nobody");
        const QString copy = folder_.filePath(QStringLiteral("program"));
        if (setpriv.isEmpty())
            error_ = QStringLiteral("setpriv (util-linux) is not installed");
        else if (nobody == nullptr)
            error_ = QStringLiteral("there is no user nobody");
        else if (!folder_.isValid() || !QFile::copy(program, copy) || !QFile::setPermissions(folder_.path(), Open)
                 || !QFile::setPermissions(copy, Open))
            error_ = QStringLiteral("cannot copy the program into ") + folder_.path();
        else
            command_ = {setpriv, QStringLiteral("--reuid=%1").arg(nobody->pw_uid),
                        QStringLiteral("--regid=%1").arg(nobody->pw_gid), QStringLiteral("--clear-groups"), copy};
    }

    QString error() const { return error_; }
    // setpriv and its arguments, then the copy: the command line up to the program's
    // own arguments.
    QStringList command() const { return command_; }

private:
    QTemporaryDir folder_{QStringLiteral("/tmp/ortelana-nobody-XXXXXX")};
    QString error_;
    QStringList command_;
};

} // namespace unprivileged
