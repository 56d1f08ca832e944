#pragma once

#include <QLineEdit>

// The line-number box: a one-line box with the events of the record browser.
class CajaRegistro : public QLineEdit
{
    Q_OBJECT
public:
    explicit CajaRegistro(QWidget *padre);

signals:
    // Every typed character, unchanged (the box filters no key).
    void KeyPress(int codigo);
    // The focus is about to move to another control of the window.
    void Validate();
    void GotFocus();
    void Click();

protected:
    void keyPressEvent(QKeyEvent *evento) override;
    void focusInEvent(QFocusEvent *evento) override;
    void focusOutEvent(QFocusEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;

private:
    bool enValidate = false;
};
