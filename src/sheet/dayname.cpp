// Spoken names of days.
#include "sheet/dayname.h"

#include "calendar/yearmodel.h"

#include <array>

namespace ortelana {

namespace {
constexpr std::array<const char16_t *, 7> Weekdays = {
    u"понедельник", u"вторник", u"среда", u"четверг", u"пятница", u"суббота", u"воскресенье",
};
// Month names in the genitive, as they follow the day.
constexpr std::array<const char16_t *, 12> MonthsOf = {
    u"января", u"февраля", u"марта", u"апреля", u"мая", u"июня",
    u"июля", u"августа", u"сентября", u"октября", u"ноября", u"декабря",
};
} // namespace

QString weekdayName(int row)
{
    return row >= 1 && row <= 7 ? QString::fromUtf16(Weekdays[std::size_t(row - 1)]) : QString();
}

QString spokenDay(long long year, int month, const DaySlot &slot, bool victoryDay)
{
    QString name = QStringLiteral("%1, %2 %3 %4 года")
                       .arg(weekdayName(slot.row))
                       .arg(slot.day)
                       .arg(QString::fromUtf16(MonthsOf[std::size_t(month - 1)]))
                       .arg(year);
    // A Sunday is red by its weekday, which the name already says.
    if (slot.day == 9 && isRedNinth(victoryDay, month))
        name += QStringLiteral(", День Победы");
    return name;
}

} // namespace ortelana
