#pragma once
#include <QObject>

class QWidget;

// Qt presses a default button on Return only inside a QDialog. For the other
// windows this filter, installed on the window, presses the window's enabled
// default button when Return or Enter reaches the window unhandled.
class DefaultButtonFilter : public QObject {
    Q_OBJECT
public:
    static void install(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
