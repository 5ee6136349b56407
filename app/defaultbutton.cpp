#include "app/defaultbutton.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

void DefaultButtonFilter::install(QWidget *window) {
    window->installEventFilter(new DefaultButtonFilter(window));
}

bool DefaultButtonFilter::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    auto *window = static_cast<QWidget *>(watched);
    const auto buttons = window->findChildren<QPushButton *>();
    for (QPushButton *b : buttons) {
        if (b->isDefault() && b->isEnabled() && b->isVisible() && b->window() == window) {
            b->click();
            return true;
        }
    }
    return false;
}
