#include "escritortvo.h"

#include "cp1252.h"
#include "errores.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>

namespace {

void CortarTexto(QString &texto)
{
    if (texto.size() > BaseConocimiento::MaxTexto)
        texto.truncate(BaseConocimiento::MaxTexto);
}

void AnadirRegistro(QByteArray &salida, int campo1, int campo2, int campo3, const QString &texto)
{
    salida += QByteArray::number(campo1) + ',' + QByteArray::number(campo2) + ',' + QByteArray::number(campo3);
    salida += ",\"";
    AnadirCp1252(salida, texto);
    salida += "\"\r\n";
}

// The count is a text: a blank before a number that is not negative, as in " 3".
QString TextoCuenta(qint16 numLineas)
{
    return (numLineas < 0 ? QString() : QStringLiteral(" ")) + QString::number(numLineas);
}

} // namespace

int GuardarBytes(const QByteArray &bytes, const QString &ruta)
{
    // Renaming over a folder would fail only at the very end; say so before writing anything.
    if (QFileInfo(ruta).isDir())
        return Error::AccesoRuta;
    QSaveFile archivo(ruta);
    errno = 0;
    if (!archivo.open(QIODevice::WriteOnly))
        return ErrorDesdeErrno(errno, ruta);
    // commit() alone can report success after a failed write, so every byte and the flush are checked.
    errno = 0;
    if (archivo.write(bytes) != bytes.size() || !archivo.flush()) {
        const int numeroErrno = errno;
        archivo.cancelWriting();
        return ErrorDesdeErrno(numeroErrno, ruta);
    }
    errno = 0;
    if (!archivo.commit())
        return ErrorDesdeErrno(errno, ruta);
    return Error::Ninguno;
}

QByteArray CodificarArchivoTvo(BaseConocimiento &base)
{
    CortarTexto(base.TipoObjeto);
    CortarTexto(base.Caracteristicas);
    const int ultima = std::min<int>(base.NumLineas, BaseConocimiento::MaxLineas);
    // One buffer for the whole file: one byte a character, and room for the numbers of each record.
    qsizetype tamano = base.TipoObjeto.size() + base.Caracteristicas.size() + 3 * 32;
    for (int k = 1; k <= ultima; ++k)
        tamano += std::min<qsizetype>(base.TextoLinea[k].size(), BaseConocimiento::MaxTexto) + 32;
    QByteArray salida;
    salida.reserve(tamano);
    AnadirRegistro(salida, 0, 0, 0, base.TipoObjeto);
    AnadirRegistro(salida, 0, 0, 0, base.Caracteristicas);
    AnadirRegistro(salida, 0, 0, 0, TextoCuenta(base.NumLineas));
    for (int k = 1; k <= ultima; ++k) {
        CortarTexto(base.TextoLinea[k]);
        AnadirRegistro(salida, k, base.ValorSi[k], base.ValorNo[k], base.TextoLinea[k]);
    }
    return salida;
}

int EscribirArchivoTvo(BaseConocimiento &base, const QString &ruta)
{
    return GuardarBytes(CodificarArchivoTvo(base), ruta);
}
