#include "help/HelpPrinter.h"

#include "app/fonts.h"

#include <QFont>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <memory>
#include <vector>

namespace HelpPrinter {

QString timeStamp(const QDateTime &when) {
    const QLocale locale = QLocale::system();
    return locale.toString(when.time(), QLocale::ShortFormat) + QStringLiteral(", ") +
           locale.toString(when.date(), QLocale::ShortFormat);
}

namespace {

QFont font(const QString &family, bool bold, QFont::StyleHint hint) {
    QFont f(family);
    f.setStyleHint(hint);
    f.setPointSize(10);
    f.setBold(bold);
    return f;
}

// The text's lines (LF, CRLF, CR and paragraph separators all end one),
// without the line ends that trail the last line: they would only push
// empty lines onto a page of their own.
QStringList paragraphs(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    while (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

} // namespace

int print(QPagedPaintDevice *device, const QString &text, const QString &stamp) {
    Fonts::installSubstitutions();
    QPainter painter;
    if (!painter.begin(device))
        return 0;

    // The frame is in points; the device counts in its own dots.
    const double kx = device->logicalDpiX() / 72.0;
    const double ky = device->logicalDpiY() / 72.0;
    const QFont body = font(QStringLiteral("Courier"), true, QFont::TypeWriter);
    const QFont footer = font(QStringLiteral("Arial"), false, QFont::SansSerif);

    // Wrap every paragraph at the body width. A word longer than a line is
    // broken inside, so nothing runs past the right edge.
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    std::vector<std::unique_ptr<QTextLayout>> layouts;
    if (!text.isEmpty()) {
        for (const QString &para : paragraphs(text)) {
            auto layout = std::make_unique<QTextLayout>(para, body, device);
            layout->setTextOption(option);
            layout->beginLayout();
            for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine())
                line.setLineWidth(WrapWidth * kx);
            layout->endLayout();
            layouts.push_back(std::move(layout));
        }
    }

    painter.setPen(Qt::black);
    int page = 1;
    const auto drawFooter = [&] {
        painter.setFont(footer);
        painter.drawText(QPointF(FooterPageX * kx, FooterBaseline * ky),
                         QStringLiteral("page ") + QString::number(page));
        painter.drawText(QPointF(FooterStampX * kx, FooterBaseline * ky), stamp);
    };

    double y = 0; // height used on this page so far
    for (const auto &layout : layouts) {
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            // A page always takes at least one line, so the loop ends even
            // if a line were taller than the block.
            if (y > 0 && y + line.height() > BlockHeight * ky) {
                drawFooter();
                device->newPage();
                ++page;
                y = 0;
            }
            line.draw(&painter, QPointF(BodyLeft * kx, BodyTop * ky + y) - line.position());
            y += line.height();
        }
    }
    drawFooter();
    painter.end();
    return page;
}

} // namespace HelpPrinter
