#include "tragarpulsacion.h"

#include <QCoreApplication>
#include <QEvent>

void TragarPulsacion::Instalar()
{
    QCoreApplication::instance()->installEventFilter(new TragarPulsacion);
}

bool TragarPulsacion::eventFilter(QObject *, QEvent *evento)
{
    switch (evento->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!pulsacionTragada) {
            pulsacionTragada = true;
            return true;
        }
        // A new click: this one goes through.
        deleteLater();
        QCoreApplication::instance()->removeEventFilter(this);
        return false;
    case QEvent::MouseButtonRelease:
        if (!pulsacionTragada)
            return false;
        QCoreApplication::instance()->removeEventFilter(this);
        deleteLater();
        return true;
    default:
        return false;
    }
}
