#include "commands/modelo.h"
#include "ui/main/frmeltarvo.h"
#include "ui/main/plataformaqt.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication aplicacion(argc, argv);
    // The file dialog speaks Spanish, like the rest of the program, where Qt's translations are installed.
    QTranslator traductor;
    if (traductor.load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductor);
    PlataformaQt plataforma;
    ModeloElTarvo modelo(plataforma);
    frmElTarvo ventana(modelo);
    ventana.show();
    return QApplication::exec();
}
