#include "app/msgbox.h"

#include <QPushButton>

namespace MsgBox {

static Hook &hook() {
    static Hook h;
    return h;
}

void setHook(Hook h) { hook() = std::move(h); }

QAbstractButton *run(QMessageBox &box) {
    box.setTextFormat(Qt::PlainText);
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
