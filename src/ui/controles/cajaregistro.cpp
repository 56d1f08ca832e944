#include "cajaregistro.h"

#include "eventos.h"

#include <QScopedValueRollback>

CajaRegistro::CajaRegistro(QWidget *padre) : QLineEdit(padre) {}

void CajaRegistro::keyPressEvent(QKeyEvent *evento)
{
    const int codigo = CodigoDeTecla(evento);
    if (codigo >= 0)
        emit KeyPress(codigo);
    QLineEdit::keyPressEvent(evento);
}

void CajaRegistro::focusInEvent(QFocusEvent *evento)
{
    QLineEdit::focusInEvent(evento);
    emit GotFocus();
}

void CajaRegistro::focusOutEvent(QFocusEvent *evento)
{
    QLineEdit::focusOutEvent(evento);
    if (enValidate || !HaciaOtroControl(evento))
        return;
    QScopedValueRollback<bool> guarda(enValidate, true);
    emit Validate();
}

void CajaRegistro::mouseReleaseEvent(QMouseEvent *evento)
{
    QLineEdit::mouseReleaseEvent(evento);
    emit Click();
}
