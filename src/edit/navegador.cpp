#include "kb/numeros.h"
#include "ui/controles/cajaregistro.h"
#include "ui/main/frmeltarvo.h"

#include <QPushButton>

#include <cmath>

namespace {

// The line number that the box holds: the number at its start, taken to the whole number below it. Nothing
// when it does not fit into 16 bits, which no line number can.
std::optional<qint16> NumeroDeCaja(const CajaRegistro *caja)
{
    const QByteArray texto = caja->text().toLatin1();
    qint16 numero = 0;
    if (!Entero16(std::floor(ValorAlInicio(texto.constData(), texto.constData() + texto.size())), numero))
        return std::nullopt;
    return numero;
}

} // namespace

void frmElTarvo::txtRegistro_KeyPress(int KeyAscii)
{
    if (KeyAscii == 13)
        txtRegistro_Validate();
}

void frmElTarvo::txtRegistro_Validate()
{
    const std::optional<qint16> numero = NumeroDeCaja(txtRegistro);
    if (!numero || *numero < 1 || *numero > Base.NumLineas) {
        txtRegistro->setText(QString::number(LineaActual));
        return;
    }
    LineaActual = *numero;
    MostrarLinea(LineaActual);
}

void frmElTarvo::txtRegistro_GotFocus()
{
    // Home, then Shift+End: the digits typed next replace the whole number.
    txtRegistro->home(false);
    txtRegistro->end(true);
}

void frmElTarvo::txtRegistro_Click()
{
    txtRegistro_GotFocus();
}

void frmElTarvo::cmdArrFirst_Click()
{
    BotonNavegador(1);
}

void frmElTarvo::cmdArrIzq_Click()
{
    BotonNavegador(static_cast<qint16>(NumeroDeCaja(txtRegistro).value_or(LineaActual) - 1));
}

void frmElTarvo::cmdArrDer_Click()
{
    BotonNavegador(static_cast<qint16>(NumeroDeCaja(txtRegistro).value_or(LineaActual) + 1));
}

void frmElTarvo::cmdArrLast_Click()
{
    BotonNavegador(Base.NumLineas);
}

// The buttons put a number into the box and validate it, so they stop at the ends instead of wrapping.
void frmElTarvo::BotonNavegador(qint16 linea)
{
    txtRegistro->setText(QString::number(linea));
    txtRegistro_Validate();
}
