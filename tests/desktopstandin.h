// Stands in for the desktop while a test runs: every file or link the program asks the
// desktop to open is recorded instead of opened.
#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

class DesktopStandIn : public QObject
{
    Q_OBJECT

public:
    DesktopStandIn() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl"); }
    ~DesktopStandIn() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    QList<QUrl> opened;

public slots:
    void openUrl(const QUrl &url) { opened << url; }
};
