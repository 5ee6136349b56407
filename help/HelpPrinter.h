#pragma once
#include <QDateTime>
#include <QString>

class QPagedPaintDevice;

// Lays the help text out on printed pages. Every page uses the same frame,
// whatever the paper: 540 x 720 points, the body wrapped at 492 points from
// (36, 36) and at most 672 points high, then the footer "page N" at (40, 720)
// and the time stamp at (100, 720) on the baseline.
namespace HelpPrinter {

constexpr double BodyLeft = 36;
constexpr double BodyTop = 36;
constexpr double WrapWidth = 540 - 48;
constexpr double BlockHeight = 720 - 48;
constexpr double FooterPageX = 40;
constexpr double FooterStampX = 100;
constexpr double FooterBaseline = 720;

// The short time, ", ", the short date, in the system's formats.
QString timeStamp(const QDateTime &when = QDateTime::currentDateTime());

// Prints `text` onto `device`, which must not be painted on yet, and
// returns the number of pages, 0 when the device could not be opened.
// The body is "Courier" 10 bold, the footer "Arial" 10, both black.
int print(QPagedPaintDevice *device, const QString &text, const QString &stamp);

} // namespace HelpPrinter
