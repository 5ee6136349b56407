#include "help/Help.h"

#include "app/MenuBars.h"
#include "app/textfile.h"
#include "help/HelpPrinter.h"

#include <QAction>
#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

static Help::PrintDialog s_printDialog;

void Help::setPrintDialog(PrintDialog dialog) { s_printDialog = std::move(dialog); }

static bool runPrintDialog(QPrinter &printer) {
    if (s_printDialog)
        return s_printDialog(printer);
    QPrintDialog dialog(&printer, nullptr);
    return dialog.exec() == QDialog::Accepted;
}

QString Help::builtInText() {
    QStringList lines;
    TextFile::readLines(QStringLiteral(":/help.txt"), lines);
    return lines.join(u'\n');
}

Help::Help() {
    setObjectName(QStringLiteral("Help"));
    setWindowTitle(QStringLiteral("Tumblewick Help"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    QMenuBar *bar = MenuBars::createMenuBar2(this);
    setMenuBar(bar);
    // This window's Print Help item runs the window's own handler and no
    // other: a binding the bar may bring for the application's handler (made
    // with the item itself as context) is dropped, so the help prints once.
    if (QAction *print = bar->findChild<QAction *>(QStringLiteral("FilePrintHelp"))) {
        disconnect(print, &QAction::triggered, print, nullptr);
        connect(print, &QAction::triggered, this, [this] { _FilePrintHelp_Action(); });
    }

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("HelpContent"));
    central->setFixedSize(400, 396);
    setCentralWidget(central);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    TextArea1 = new QPlainTextEdit(central);
    TextArea1->setObjectName(QStringLiteral("TextArea1"));
    TextArea1->setAccessibleName(QStringLiteral("Help text"));
    TextArea1->setGeometry(20, 20, 360, 356);
    TextArea1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TextArea1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TextArea1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    TextArea1->setTabChangesFocus(true);
    // Black on white, and the selection disappears while the area has no focus.
    QPalette pal = TextArea1->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    TextArea1->setPalette(pal);
    TextArea1->setPlainText(builtInText());
    TextArea1->setFocus();
}

void Help::Event_Open() {}

bool Help::_FilePrintHelp_Action() {
    printHelp();
    return true;
}

void Help::printHelp() {
    const QString stamp = HelpPrinter::timeStamp();
    QPointer<Help> self(this);
    QPrinter printer(QPrinter::HighResolution);
    const bool accepted = runPrintDialog(printer);
    // Should the window have gone while the dialog was up, the text a new
    // Help window would hold is printed.
    if (accepted)
        HelpPrinter::print(&printer, self ? TextArea1->toPlainText() : builtInText(), stamp);
    if (self)
        close();
}
