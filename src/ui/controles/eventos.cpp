#include "eventos.h"

#include <QFocusEvent>
#include <QKeyEvent>

int CodigoDeTecla(const QKeyEvent *evento)
{
    const int tecla = evento->key();
    if ((evento->modifiers() & Qt::ControlModifier) && tecla >= Qt::Key_A && tecla <= Qt::Key_Z)
        return tecla - Qt::Key_A + 1;
    switch (tecla) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Delete:
        return -1;
    default:
        break;
    }
    const QString texto = evento->text();
    if (texto.isEmpty() || texto.at(0) == QChar(0x7F))
        return -1;
    return texto.at(0).unicode();
}

bool HaciaOtroControl(const QFocusEvent *evento)
{
    switch (evento->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        return true;
    }
}
