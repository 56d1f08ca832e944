#include "ventanaprueba.h"

#include "util.h"

#include <QAbstractButton>
#include <QDir>
#include <QHash>
#include <QPlainTextEdit>
#include <QTest>

VentanaPrueba::VentanaPrueba()
{
    if (!carpeta.isValid() ||
        !QFile::copy(QStringLiteral(ELTARVO_NUEVO_TVO), carpeta.filePath(QStringLiteral("Nuevo.tvo"))))
        QTest::qFail("cannot prepare the program folder", __FILE__, __LINE__);
    Reiniciar(QDir::toNativeSeparators(carpeta.path()));
}

void VentanaPrueba::Reiniciar(const QString &carpetaPrograma)
{
    ventana.reset();
    plataforma = std::make_unique<PlataformaGuion>(carpetaPrograma);
    ventana = std::make_unique<frmElTarvo>(*plataforma);
}

void VentanaPrueba::Cargar(const BaseConocimiento &base)
{
    ventana->Base = base;
    ventana->LineaActual = 1;
    ventana->MostrarLinea(1);
    ventana->ModoAprender = false;
    ventana->Modificado = false;
    ventana->ControlesFueraDeJuego();
}

void VentanaPrueba::Teclear(const char *caja, const QString &texto)
{
    auto *control = Control<QPlainTextEdit>(caja);
    control->selectAll();
    QTest::keyClick(control, Qt::Key_Delete);
    for (QChar c : texto) {
        if (c == QLatin1Char('\n'))
            QTest::keyClick(control, Qt::Key_Return);
        else
            QTest::keyClick(control, c.toLatin1());
    }
}

void VentanaPrueba::Pulsar(const char *boton)
{
    QTest::mouseClick(Control<QAbstractButton>(boton), Qt::LeftButton);
}

QString VentanaPrueba::Colores() const
{
    const QHash<quint32, QString> nombres = {
        {0xC0FFFF, "amarillo"}, {0xFFFFFF, "blanco"}, {0xC0C0FF, "rojo"}, {0xC0FFC0, "verde"}};
    QStringList colores;
    for (const char *caja : {"txtObjeto1", "txtObjeto2", "txtPreguntaUsr"})
        colores << nombres.value(FondoBGR(Control(caja)), QStringLiteral("otro"));
    return colores.join(QLatin1Char(' '));
}

QString VentanaPrueba::Habilitados() const
{
    QStringList habilitados;
    for (const char *nombre :
         {"cmdSi", "cmdNo", "cmdJugar", "cmdParar", "cmdCrearArchTvo", "cmdTvoDeDisco", "cmdGuardar", "cmdGuardarComo",
          "txtRegistro", "cmdArrDer", "cmdArrIzq", "cmdArrFirst", "cmdArrLast"})
        if (Control(nombre)->isEnabled())
            habilitados << QString::fromLatin1(nombre);
    return habilitados.join(QLatin1Char(' '));
}
