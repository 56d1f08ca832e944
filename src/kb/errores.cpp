#include "errores.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

int ErrorDesdeErrno(int numeroErrno, const QString &ruta)
{
    switch (numeroErrno) {
    case ENOENT:
        return QFileInfo(ruta).absoluteDir().exists() ? Error::ArchivoNoEncontrado : Error::RutaNoEncontrada;
    case ENOTDIR:
        return Error::RutaNoEncontrada;
    case EACCES:
    case EPERM:
        return Error::PermisoDenegado;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
        return Error::DiscoLleno;
    case EIO:
        return Error::ErrorEntradaSalida;
    case ENAMETOOLONG:
    case EINVAL:
        return Error::NombreArchivoIncorrecto;
    default:
        // EISDIR, EROFS, EBUSY and anything unforeseen: the path cannot be used as a file.
        return Error::AccesoRuta;
    }
}
