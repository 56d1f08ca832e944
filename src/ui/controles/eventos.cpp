#include "eventos.h"

#include "edit/codigos.h"

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
        return Codigo::Intro;
    case Qt::Key_Backspace:
        return Codigo::Retroceso;
    case Qt::Key_Escape:
        return Codigo::Escape;
    case Qt::Key_Delete:
        return Codigo::SinCaracter;
    default:
        break;
    }
    const QString texto = evento->text();
    if (texto.isEmpty() || texto.at(0) == QChar(Codigo::Suprimir))
        return Codigo::SinCaracter;
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
