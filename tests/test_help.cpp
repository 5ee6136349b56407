#include "testutil.h"

#include "app/App.h"
#include "help/Help.h"
#include "help/HelpPrinter.h"

#include <QAction>
#include <QMenuBar>
#include <QPageLayout>
#include <QPageSize>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>

namespace {

// One word of a printed page, in points from the paper's top-left corner.
struct Word {
    QString text;
    double xMin, yMin, xMax, yMax;
};

QString run(const QStringList &args) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of each page, laid out as printed.
QStringList pageTexts(const QString &pdf) {
    QStringList pages = run({QStringLiteral("-layout"), pdf, QStringLiteral("-")}).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// The words of each page with their boxes.
QList<QList<Word>> pageWords(const QString &pdf) {
    const QString html = run({QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    QList<QList<Word>> pages;
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page")))
            pages.append(QList<Word>());
        else if (!pages.isEmpty())
            pages.last().append({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                                 m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return pages;
}

QStringList nonEmptyLines(const QString &page) {
    QStringList out;
    for (const QString &l : page.split(u'\n'))
        if (!l.trimmed().isEmpty())
            out.append(l.simplified());
    return out;
}

// Answers the print dialog: prints to a PDF file on the chosen paper, or
// cancels. Records how often the dialog was asked and the time stamps that
// were current around the printing.
struct PdfPrint {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("help.pdf"));
    bool accept = true;
    int dialogs = 0;
    QPageSize paper = QPageSize(QPageSize::Letter);
    QRectF paintRect; // the printable area in points

    PdfPrint() {
        Help::setPrintDialog([this](QPrinter &printer) {
            ++dialogs;
            if (!accept)
                return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            printer.setPageSize(paper);
            paintRect = printer.pageLayout().paintRectPoints();
            return true;
        });
    }
    ~PdfPrint() { Help::setPrintDialog(nullptr); }
    bool printed() const { return QFile::exists(path); }
};

QString numberedLines(int n) {
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines.append(QStringLiteral("line %1").arg(i, 3, 10, QLatin1Char('0')));
    return lines.join(u'\n');
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

    // Prints the open Help window's text into `pages`, one text per page,
    // and checks each page's footer: "page N" from 1 up and one time stamp,
    // the one current when printing started.
    void printAndCheckFooters(PdfPrint &pdf, Help *help, QStringList &pages) {
        const QString before = HelpPrinter::timeStamp().simplified();
        help->printHelp();
        const QString after = HelpPrinter::timeStamp().simplified();
        pages = pageTexts(pdf.path);
        QVERIFY(!pages.isEmpty());
        QString stamp;
        for (int i = 0; i < pages.size(); ++i) {
            const QStringList lines = nonEmptyLines(pages[i]);
            QVERIFY(!lines.isEmpty());
            const QString footer = lines.last();
            const QString pageN = QStringLiteral("page %1 ").arg(i + 1);
            QVERIFY2(footer.startsWith(pageN), qPrintable(footer));
            if (i == 0)
                stamp = footer.mid(pageN.size());
            QCOMPARE(footer.mid(pageN.size()), stamp);
        }
        QVERIFY2(stamp == before || stamp == after, qPrintable(stamp));
    }

private slots:
    void cleanup() { TestUtil::closeAllWindows(); }

    void builtInTextHasSevenParagraphs() {
        const QStringList paras = Help::builtInText().split(QStringLiteral("\n\n"));
        QCOMPARE(paras.size(), 7);
        QCOMPARE(paras[0], QStringLiteral("Tumblewick is essentially a fun way to learn words with a "
                                          "twist - the words come up scrambled."));
        QCOMPARE(paras[5], QStringLiteral("The settings for sound and length of turn are saved "
                                          "between sessions."));
        QVERIFY(paras[6].startsWith(QStringLiteral("Icon Credit:")));
        for (const QString &p : paras)
            QVERIFY2(!p.isEmpty() && !p.contains(u'\n') && !p.contains(u'\r'), qPrintable(p));
        // The game paragraph carries about half of the text.
        QVERIFY(paras[1].size() * 5 > Help::builtInText().size() * 2);
        QVERIFY(paras[1].contains(QString::fromUtf8("“Start Turn”")));
        for (const char *button : {"\"Start Game\"", "\"Enter\"", "\"End Game\"", "\"Return\"",
                                   "\"Load File\"", "\"Clear Table\"", "\"Sort Table\"",
                                   "\"Use Default List\""})
            QVERIFY2(Help::builtInText().contains(QString::fromLatin1(button)), button);
    }

    void window() {
        TestUtil::ConfigDir config;
        Help *help = Help::instance();
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowTitle(), QStringLiteral("Tumblewick Help"));
        QCOMPARE(help->centralWidget()->size(), QSize(400, 396));
        QCOMPARE(help->menuBar()->objectName(), QStringLiteral("MenuBar2"));
        QCOMPARE(help->TextArea1->geometry(), QRect(20, 20, 360, 356));
        QVERIFY(!help->TextArea1->isReadOnly());
        QVERIFY(help->TextArea1->tabChangesFocus());
        QCOMPARE(help->TextArea1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(help->TextArea1->toPlainText(), Help::builtInText());
        QCOMPARE(Help::instance(), help);
    }

    void textThatFitsPrintsOnOnePage() {
        TestUtil::ConfigDir config;
        PdfPrint pdf;
        Help *help = Help::instance();
        help->TextArea1->setPlainText(QStringLiteral("A short help text."));
        QStringList pages;
        printAndCheckFooters(pdf, help, pages);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(pages.size(), 1);
        QCOMPARE(nonEmptyLines(pages[0]).first(), QStringLiteral("A short help text."));
        QCOMPARE(pdf.dialogs, 1);
    }

    void longTextRunsOnFurtherPages() {
        TestUtil::ConfigDir config;
        PdfPrint pdf;
        Help *help = Help::instance();
        help->TextArea1->setPlainText(numberedLines(150));
        QStringList pages;
        printAndCheckFooters(pdf, help, pages);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(pages.size() >= 3);
        // Every line once, in order, none lost at a page break.
        QStringList body;
        for (const QString &page : pages)
            body += nonEmptyLines(page).mid(0, nonEmptyLines(page).size() - 1);
        QCOMPARE(body.join(u'\n'), numberedLines(150));
    }

    void emptiedTextPrintsOnlyTheFooter() {
        TestUtil::ConfigDir config;
        PdfPrint pdf;
        Help *help = Help::instance();
        help->TextArea1->clear();
        QStringList pages;
        printAndCheckFooters(pdf, help, pages);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(pages.size(), 1);
        QCOMPARE(nonEmptyLines(pages[0]).size(), 1);
    }

    void editedTextPrintsAsEditedAndIsNotKept() {
        TestUtil::ConfigDir config;
        PdfPrint pdf;
        QPointer<Help> help = Help::instance();
        QTest::keyClicks(help->TextArea1, QStringLiteral("Edited here. "));
        QVERIFY(help->TextArea1->toPlainText().startsWith(QStringLiteral("Edited here. Tumblewick")));
        QStringList pages;
        printAndCheckFooters(pdf, help, pages);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(!pages.isEmpty());
        QVERIFY(nonEmptyLines(pages[0]).first().startsWith(QStringLiteral("Edited here. Tumblewick")));
        // Printing closed the window; the next one holds the built-in text.
        QVERIFY(Help::existing() == nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(help.isNull());
        QCOMPARE(Help::instance()->TextArea1->toPlainText(), Help::builtInText());
    }

    void cancelPrintsNothingAndClosesTheWindow() {
        TestUtil::ConfigDir config;
        PdfPrint pdf;
        pdf.accept = false;
        Help::instance()->printHelp();
        QCOMPARE(pdf.dialogs, 1);
        QVERIFY(!pdf.printed());
        QVERIFY(Help::existing() == nullptr);
    }

    // Print Help from the main bar with no Help window: the built-in text is
    // printed whole and no Help window stays.
    void applicationHandlerPrintsBuiltInText() {
        TestUtil::ConfigDir config;
        PdfPrint pdf;
        App app;
        QVERIFY(Help::existing() == nullptr);
        app._FilePrintHelp_Action();
        QVERIFY(Help::existing() == nullptr);
        const QStringList pages = pageTexts(pdf.path);
        QVERIFY(!pages.isEmpty());
        QStringList words;
        for (const QString &page : pages) {
            QStringList lines = nonEmptyLines(page);
            lines.removeLast(); // the footer
            words += lines.join(u' ').split(u' ');
        }
        QCOMPARE(words.join(u' '), Help::builtInText().simplified());
    }

    // The Help window's own Print Help item prints once, through the
    // window's handler alone, and closes the window.
    void windowMenuItemPrints() {
        TestUtil::ConfigDir config;
        PdfPrint pdf;
        App app;
        QPointer<Help> help = Help::instance();
        QAction *print = help->menuBar()->findChild<QAction *>(QStringLiteral("FilePrintHelp"));
        QVERIFY(print);
        QCOMPARE(print->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        print->trigger();
        QCOMPARE(pdf.dialogs, 1);
        QVERIFY(pdf.printed());
        QVERIFY(Help::existing() == nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(help.isNull());
    }

    // The page frame is the same on every paper: body from (36, 36), never
    // wider than 492 nor lower than 36 + 672, the footer's page number at
    // x 40 and the stamp at x 100 on the baseline 720, all from the corner
    // of the printable area.
    void pageFrameIsFixed_data() {
        QTest::addColumn<int>("paper");
        QTest::newRow("Letter") << int(QPageSize::Letter);
        QTest::newRow("A4") << int(QPageSize::A4);
        QTest::newRow("Legal") << int(QPageSize::Legal);
    }

    void pageFrameIsFixed() {
        QFETCH(int, paper);
        TestUtil::ConfigDir config;
        PdfPrint pdf;
        pdf.paper = QPageSize(QPageSize::PageSizeId(paper));
        Help *help = Help::instance();
        // Long paragraphs, and a word too long for a line, which is broken.
        help->TextArea1->setPlainText(QString(300, u'W') + u'\n' + Help::builtInText() + u'\n' +
                                      numberedLines(60) + u'\n' + Help::builtInText());
        help->printHelp();
        const QList<QList<Word>> pages = pageWords(pdf.path);
        QVERIFY(pages.size() >= 2);
        const double left = pdf.paintRect.left(), top = pdf.paintRect.top();
        const double slack = 1.5;
        for (int i = 0; i < pages.size(); ++i) {
            const QList<Word> &words = pages[i];
            QVERIFY(words.size() >= 3);
            // The footer: "page", N, then the stamp's words.
            auto footerAt = std::find_if(words.begin(), words.end(),
                                         [](const Word &w) { return w.text == u"page"; });
            QVERIFY(footerAt != words.end());
            const int f = int(footerAt - words.begin());
            QCOMPARE(words[f + 1].text, QString::number(i + 1));
            QVERIFY(qAbs(words[f].xMin - (left + 40)) < slack);
            QVERIFY(qAbs(words[f + 2].xMin - (left + 100)) < slack);
            for (int j = f; j < words.size(); ++j) {
                // Baseline 720: the letters stand on it, descenders go below.
                QVERIFY(words[j].yMin > top + 720 - 12 && words[j].yMin < top + 720);
                QVERIFY(words[j].yMax > top + 720 && words[j].yMax < top + 720 + 4);
            }
            // The body block.
            QVERIFY(qAbs(words[0].xMin - (left + 36)) < slack);
            QVERIFY(qAbs(words[0].yMin - (top + 36)) < slack);
            double lowest = 0;
            for (int j = 0; j < f; ++j) {
                QVERIFY(words[j].xMin > left + 36 - slack);
                QVERIFY2(words[j].xMax < left + 36 + 492 + 0.5, qPrintable(words[j].text));
                lowest = qMax(lowest, words[j].yMax);
            }
            QVERIFY(lowest < top + 36 + 672 + 0.5);
            // A page that is followed by another is full: the next line
            // would not have fit.
            if (i + 1 < pages.size())
                QVERIFY(lowest > top + 36 + 672 - 2 * 12);
        }
    }
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
