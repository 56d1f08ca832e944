#include "escritortvo.h"

#include "errores.h"
#include "texto/cp1252.h"

#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <climits>
#include <sys/uio.h>
#endif

#include <algorithm>
#include <cerrno>

namespace {

QByteArray Registro(int campo1, int campo2, int campo3, const QString &texto)
{
    QByteArray registro =
        QByteArray::number(campo1) + ',' + QByteArray::number(campo2) + ',' + QByteArray::number(campo3) + ",\"";
    registro.reserve(registro.size() + texto.size() + 3);
    AnadirCp1252(registro, texto);
    registro += "\"\r\n";
    return registro;
}

// Whether texto is still the very text whose characters copia shares.
bool MismoTexto(const QString &texto, const QString &copia)
{
    return texto.constData() == copia.constData() && texto.size() == copia.size();
}

#ifdef Q_OS_UNIX
// Writes the pieces where they are, as many at a time as the system takes in one call: no copy of the whole file is
// made first, and a maximal base goes out in one call rather than 602.
bool EscribirPartes(QSaveFile &archivo, const QList<QByteArray> &partes)
{
    const int descriptor = archivo.handle();
    std::vector<iovec> trozos;
    trozos.reserve(partes.size());
    for (const QByteArray &parte : partes)
        if (!parte.isEmpty())
            trozos.push_back({const_cast<char *>(parte.constData()), static_cast<size_t>(parte.size())});
    for (size_t i = 0; i < trozos.size();) {
        const ssize_t escritos =
            ::writev(descriptor, trozos.data() + i, static_cast<int>(std::min<size_t>(trozos.size() - i, IOV_MAX)));
        if (escritos < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        // A short write leaves the rest of a piece, and the pieces after it.
        for (size_t n = static_cast<size_t>(escritos); n > 0 && i < trozos.size();) {
            const size_t tomado = std::min(n, trozos[i].iov_len);
            trozos[i].iov_base = static_cast<char *>(trozos[i].iov_base) + tomado;
            trozos[i].iov_len -= tomado;
            n -= tomado;
            if (trozos[i].iov_len == 0)
                ++i;
        }
    }
    return true;
}
#else
// Writes the pieces gathered into runs of about 1 MB: every write is a system call, and one a record made the
// save of a maximal base half as slow again as one write of the whole.
bool EscribirPartes(QSaveFile &archivo, const QList<QByteArray> &partes)
{
    constexpr qsizetype Tanda = 1 << 20;
    QByteArray tanda;
    tanda.reserve(Tanda);
    const auto escribir = [&archivo](const QByteArray &bytes) { return archivo.write(bytes) == bytes.size(); };
    for (const QByteArray &parte : partes) {
        if (tanda.size() + parte.size() > Tanda) {
            if (!escribir(tanda))
                return false;
            tanda.resize(0);
        }
        if (parte.size() > Tanda) {
            if (!escribir(parte))
                return false;
        } else {
            tanda += parte;
        }
    }
    return escribir(tanda);
}

#endif

} // namespace

int GuardarBytes(const QList<QByteArray> &partes, const QString &ruta)
{
    // Renaming over a folder would fail only at the very end; say so before writing anything.
    if (QFileInfo(ruta).isDir())
        return Error::AccesoRuta;
    QSaveFile archivo(ruta);
    errno = 0;
    if (!archivo.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return ErrorDesdeErrno(errno, ruta);
    // commit() alone can report success after a failed write, so every byte and the flush are checked.
    errno = 0;
    if (!EscribirPartes(archivo, partes) || !archivo.flush()) {
        const int numeroErrno = errno;
        archivo.cancelWriting();
        return ErrorDesdeErrno(numeroErrno, ruta);
    }
    errno = 0;
    if (!archivo.commit())
        return ErrorDesdeErrno(errno, ruta);
    return Error::Ninguno;
}

QList<QByteArray> CodificadorTvo::Codificar(BaseConocimiento &base)
{
    base.TipoObjeto = CortarTexto(base.TipoObjeto);
    base.Caracteristicas = CortarTexto(base.Caracteristicas);
    const int ultima = std::clamp<int>(base.NumLineas, 0, BaseConocimiento::MaxLineas);
    QList<QByteArray> registros;
    registros.reserve(3 + ultima);
    registros << Registro(0, 0, 0, base.TipoObjeto) << Registro(0, 0, 0, base.Caracteristicas)
              << Registro(0, 0, 0, NumeroConSigno(base.NumLineas));
    if (lineas.size() < static_cast<size_t>(ultima))
        lineas.resize(ultima);
    for (int k = 1; k <= ultima; ++k) {
        base.TextoLinea[k] = CortarTexto(base.TextoLinea[k]);
        Linea &linea = lineas[k - 1];
        if (linea.registro.isEmpty() || linea.valorSi != base.ValorSi[k] || linea.valorNo != base.ValorNo[k] ||
            !MismoTexto(base.TextoLinea[k], linea.texto))
            linea = {base.ValorSi[k], base.ValorNo[k], base.TextoLinea[k],
                     Registro(k, base.ValorSi[k], base.ValorNo[k], base.TextoLinea[k])};
        registros << linea.registro;
    }
    return registros;
}

QByteArray CodificarArchivoTvo(BaseConocimiento &base)
{
    return CodificadorTvo().Codificar(base).join();
}

int EscribirArchivoTvo(BaseConocimiento &base, const QString &ruta)
{
    return GuardarBytes(CodificadorTvo().Codificar(base), ruta);
}
