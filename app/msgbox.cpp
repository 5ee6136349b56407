#include "app/msgbox.h"

#include <QLabel>
#include <QPushButton>

namespace MsgBox {

static Hook &hook() {
    static Hook h;
    return h;
}

void setHook(Hook h) { hook() = std::move(h); }

QAbstractButton *run(QMessageBox &box) {
    // Texts may come from files, the network or the user: markup in them is
    // shown as characters. The secondary text has no format setting of its
    // own, so its label is set directly.
    box.setTextFormat(Qt::PlainText);
    const auto labels = box.findChildren<QLabel *>();
    for (QLabel *label : labels)
        label->setTextFormat(Qt::PlainText);
    if (hook())
        return hook()(box);
    box.exec();
    return box.clickedButton();
}

void show(const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok);
    run(box);
}

int confirm(const QString &text) {
    QMessageBox box(QMessageBox::Warning, QString(), text);
    QPushButton *ok = box.addButton(QMessageBox::Ok);
    QPushButton *cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    return run(box) == ok ? OK : Cancel;
}

} // namespace MsgBox
