#include "pruebadeventana.h"

#include <QAbstractButton>
#include <QLabel>
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
    QTest::mouseClick(Control("RichTextBox1")->focusProxy() ? Control("RichTextBox1")->focusProxy()
                                                            : Control("RichTextBox1"),
                      Qt::LeftButton);
}

quint32 FondoBGR(const QWidget *control)
{
    const auto rol = qobject_cast<const QLabel *>(control) ? QPalette::Window : QPalette::Base;
    const QColor color = control->palette().color(rol);
    return quint32(color.red()) | quint32(color.green()) << 8 | quint32(color.blue()) << 16;
}
