// The fixture of the window tests and driving the real windows as a user would:
// the program as start-up leaves it, made afresh for each test function; confirming
// a year in the main window; reading the sheet's picture; acting inside the modal
// week numbers window while it is open.
#pragma once

#include "pixelprobe.h"
#include "app/frmforma.h"
#include "app/startup.h"
#include "app/yearbox.h"
#include "paint/fonts.h"
#include "ui/picturearea.h"
#include "weeks/frmnomeranedel.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

namespace driver {

// Once per test program: the fonts the sheet is laid out in and one style everywhere.
inline void prepareApplication()
{
    ortelana::registerFontSubstitutes();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

// The program's main window, as start-up leaves it; for init().
inline void startProgram(std::unique_ptr<ortelana::frmForma> &window)
{
    window = ortelana::Main();
}

// Removes the window; for cleanup().
inline void stopProgram(std::unique_ptr<ortelana::frmForma> &window)
{
    window.reset();
}

// Returns: the digits' box of week column `column` (1 to 6), weekday row `row` (Monday
// = 1) of month `month0` (January = 0) in the sheet's image, in its pixels.  The places
// are the sheet's own, written out here: month cells 158 px apart, four across, 132 px
// down; a slot's digits 20 by 14 px, 22 px a column, 16 px a row.
inline QRect sheetSlot(const QImage &image, int month0, int column, int row)
{
    const qreal scale = image.devicePixelRatio();
    const QPointF at(158 * (month0 % 4) + 4 + 22 * column + 1, 132 * (month0 / 4) + 16 * row + 1);
    return QRect((at * scale).toPoint(), (QSizeF(20, 14) * scale).toSize());
}

// Returns: the ink in that slot of the sheet's picture, or an invalid colour.
inline QColor sheetInk(const ortelana::frmForma &window, int month0, int column, int row)
{
    ortelana::PictureArea &picture = *window.calendarPicture();
    return probe::inkIn(picture.image(), sheetSlot(picture.image(), month0, column, row), picture.BackColor());
}

// Returns: the weekday (Monday = 0) of the 1st of each month as the sheet's picture
// shows it, -1 where no day is drawn: the first week column holds the 1st down to the
// first Sunday, so its topmost inked row is the 1st's.
inline std::array<int, 12> monthStarts(const ortelana::frmForma &window)
{
    ortelana::PictureArea &picture = *window.calendarPicture();
    const QImage &image = picture.image();
    std::array<int, 12> starts{};
    for (int month0 = 0; month0 < 12; ++month0) {
        int row = 1;
        while (row <= 7 && probe::isBlank(image, sheetSlot(image, month0, 1, row), picture.BackColor()))
            ++row;
        starts[std::size_t(month0)] = row <= 7 ? row - 1 : -1;
    }
    return starts;
}

// Types the year into an emptied year box and presses Enter.
inline void confirmYear(ortelana::frmForma &window, const QString &year)
{
    ortelana::YearBox *box = window.yearBox();
    box->clear();
    QTest::keyClicks(box, year);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(window.computedYear(), year.toLongLong());
}

struct WeeksControls
{
    ortelana::frmNomeraNedel *dialog = nullptr;
    QListWidget *list = nullptr;
    QLabel *label = nullptr;
    ortelana::PictureArea *picture = nullptr;
    QPushButton *ok = nullptr;
};

inline WeeksControls controlsOf(ortelana::frmNomeraNedel *dialog)
{
    return {dialog, dialog->findChild<QListWidget *>(QStringLiteral("List1")),
            dialog->findChild<QLabel *>(QStringLiteral("Label1")),
            dialog->findChild<ortelana::PictureArea *>(QStringLiteral("Picture1")),
            dialog->findChild<QPushButton *>(QStringLiteral("kOK"))};
}

// Opens the week numbers window (by `open`), runs `steps` while it is modal, and makes
// sure it is closed afterwards even when a step failed.  Returns: false if it never
// opened.
inline bool whileWeeksOpen(QObject *context, const std::function<void()> &open,
                           const std::function<void(const WeeksControls &)> &steps)
{
    bool opened = false;
    QTimer::singleShot(0, context, [&] {
        QPointer<ortelana::frmNomeraNedel> dialog =
            qobject_cast<ortelana::frmNomeraNedel *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        opened = true;
        steps(controlsOf(dialog));
        if (dialog && dialog->isVisible())
            dialog->done(QDialog::Rejected);   // a failed step must not leave the test waiting
    });
    open();
    return opened;
}

} // namespace driver
