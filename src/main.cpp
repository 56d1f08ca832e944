#include "plataforma/plataformaqt.h"
#include "ui/main/frmeltarvo.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication aplicacion(argc, argv);
    PlataformaQt plataforma;
    frmElTarvo ventana(plataforma);
    ventana.show();
    return QApplication::exec();
}
