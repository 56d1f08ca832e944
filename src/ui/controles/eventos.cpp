#include "eventos.h"

#include "texto/codigos.h"

#include <QFocusEvent>
#include <QKeyEvent>

int CodigoDeTecla(const QKeyEvent *evento)
{
    const int tecla = evento->key();
    if ((evento->modifiers() & Qt::ControlModifier) && tecla >= Qt::Key_A && tecla <= Qt::Key_Z)
        return tecla - Qt::Key_A + 1;
    const std::pair<int, int> especiales[] = {{Qt::Key_Return, Codigo::Intro},
                                              {Qt::Key_Enter, Codigo::Intro},
                                              {Qt::Key_Backspace, Codigo::Retroceso},
                                              {Qt::Key_Escape, Codigo::Escape},
                                              {Qt::Key_Delete, Codigo::SinCaracter}};
    for (const auto &[especial, codigo] : especiales)
        if (tecla == especial)
            return codigo;
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
