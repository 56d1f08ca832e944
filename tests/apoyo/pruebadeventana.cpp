#include "pruebadeventana.h"

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QTest>

void PruebaDeVentana::Arrancar()
{
    ventana = std::make_unique<frmElTarvo>(*modelo);
    ventana->show();
    QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
}

void PruebaDeVentana::Pulsar(const char *boton)
{
    QTest::mouseClick(Control<QAbstractButton>(boton), Qt::LeftButton);
}

void PruebaDeVentana::Teclear(const char *caja, const QString &texto)
{
    QWidget *control = Control(caja);
    control->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(control, texto);
}

void PruebaDeVentana::Salir(const char *caja)
{
    Control(caja)->setFocus(Qt::MouseFocusReason);
    QTest::mouseClick(Control<QPlainTextEdit>("RichTextBox1")->viewport(), Qt::LeftButton);
}
