// Scale factors: QT_SCALE_FACTOR is one number; QT_SCREEN_SCALE_FACTORS is a list of
// numbers or of SCREEN=number, separated by semicolons.
#include "platform/scalefactor.h"

#include <QByteArray>
#include <QList>

#include <cmath>

namespace ortelana {

namespace {

bool usableFactor(const QByteArray &text)
{
    bool ok = false;
    const double factor = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(factor) && factor >= 0.25 && factor <= 8;
}

bool usableScreenFactors(const QByteArray &list)
{
    for (const QByteArray &entry : list.split(';')) {
        if (entry.isEmpty())
            continue;
        const qsizetype equals = entry.lastIndexOf('=');
        if (!usableFactor(equals < 0 ? entry : entry.mid(equals + 1)))
            return false;
    }
    return true;
}

} // namespace

QStringList dropUnusableScaleFactors()
{
    QStringList lines;
    const auto check = [&lines](const char *name, bool (*usable)(const QByteArray &)) {
        const QByteArray value = qgetenv(name);
        if (value.isEmpty() || usable(value))
            return;
        qunsetenv(name);
        lines << QStringLiteral("ortelana: %1=«%2» не годится (нужно число от 0.25 до 8), взят масштаб экрана")
                     .arg(QLatin1String(name), QString::fromLocal8Bit(value.left(60)));
    };
    check("QT_SCALE_FACTOR", usableFactor);
    check("QT_SCREEN_SCALE_FACTORS", usableScreenFactors);
    return lines;
}

} // namespace ortelana
