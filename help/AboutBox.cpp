#include "help/AboutBox.h"

#include "app/App.h"
#include "app/defaultbutton.h"
#include "app/fonts.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

AboutBox::AboutBox() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About..."));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(264, 295);
    Fonts::installSubstitutions();

    const auto label = [this](const char *name, const QString &text, int x, int y, int w, int h,
                              Qt::Alignment align, const QFont &font) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setAccessibleName(QString(text).replace(u'\n', u' '));
        l->setGeometry(x, y, w, h);
        l->setAlignment(align);
        l->setTextFormat(Qt::PlainText);
        l->setFont(font);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(pal);
        return l;
    };
    const auto button = [this](const char *name, const QString &caption, int y) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(caption);
        b->setGeometry(72, y, 120, 21);
        QFont f = b->font();
        f.setBold(true);
        b->setFont(f);
        return b;
    };
    // The layout is drawn at 72 dots per inch, where a point is a pixel: the
    // sizes are given in pixels so the text fits its labels on any screen.
    const auto arial = [](int size) {
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(size);
        f.setBold(true);
        return f;
    };
    const QFont title = arial(30);
    const QFont version = arial(12);

    StaticText1 = label("StaticText1", QStringLiteral("Tumblewick"), 20, 20, 224, 45,
                        Qt::AlignCenter, title);
    StaticText3 = label("StaticText3", QStringLiteral("Version:"), 72, 60, 50, 20,
                        Qt::AlignLeft | Qt::AlignVCenter, version);
    StaticText4 = label("StaticText4", QStringLiteral("1.6.0 Intel"), 137, 60, 55, 20,
                        Qt::AlignRight | Qt::AlignVCenter, version);
    StaticText4->setAccessibleName(QStringLiteral("Version"));
    StaticText2 = label("StaticText2",
                        QStringLiteral("Developed by\nLarkspire\n\nSr. Beta Tester\nTest Players"),
                        80, 86, 104, 87, Qt::AlignHCenter | Qt::AlignTop, font());
    StaticText2->setAccessibleName(QStringLiteral("Credits"));

    PushButton1 = button("PushButton1", QStringLiteral("Email Author"), 180);
    PushButton2 = button("PushButton2", QStringLiteral("Visit Web Site"), 217);
    Kagi = button("Kagi", QStringLiteral("Support Larkspire"), 254);
    Kagi->setDefault(true);
    connect(PushButton1, &QPushButton::clicked, this, &AboutBox::PushButton1_Action);
    connect(PushButton2, &QPushButton::clicked, this, &AboutBox::PushButton2_Action);
    connect(Kagi, &QPushButton::clicked, this, &AboutBox::Kagi_Action);
    DefaultButtonFilter::install(this);
}

void AboutBox::Event_Open() { StaticText4_Open(); }

void AboutBox::StaticText4_Open() { StaticText4->setText(App::LongVersion()); }

// The addresses are set at build time (see buildinfo.h); the system's mail
// program or browser reports any trouble of its own.
void AboutBox::PushButton1_Action() { QDesktopServices::openUrl(QUrl(QStringLiteral(TW_AUTHOR_MAIL))); }

void AboutBox::PushButton2_Action() { QDesktopServices::openUrl(QUrl(QStringLiteral(TW_SITE_URL))); }

void AboutBox::Kagi_Action() { QDesktopServices::openUrl(QUrl(QStringLiteral(TW_STORE_URL))); }
