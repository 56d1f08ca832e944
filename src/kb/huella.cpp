#include "huella.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace {

constexpr auto Algoritmo = QCryptographicHash::Sha1;

} // namespace

Huella HuellaDeArchivo(const QString &ruta)
{
    const QFileInfo info(ruta);
    if (!info.isFile())
        return {};
    return {info.size(), info.lastModified().toMSecsSinceEpoch(), {}};
}

QByteArray HashDe(const QList<QByteArray> &partes)
{
    QCryptographicHash hash(Algoritmo);
    for (const QByteArray &parte : partes)
        hash.addData(parte);
    return hash.result();
}

QByteArray HashDeArchivo(const QString &ruta)
{
    QFile archivo(ruta);
    QCryptographicHash hash(Algoritmo);
    if (!archivo.open(QIODevice::ReadOnly) || !hash.addData(&archivo))
        return {};
    return hash.result();
}

bool ArchivoContiene(const QString &ruta, const QList<QByteArray> &partes)
{
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly))
        return false;
    qint64 total = 0;
    for (const QByteArray &parte : partes)
        total += parte.size();
    if (archivo.size() != total)
        return false;
    // Mapped, the file is compared where the system keeps it, without copying it first.
    QByteArray leidos;
    const char *bytes = total > 0 ? reinterpret_cast<const char *>(archivo.map(0, total)) : nullptr;
    if (!bytes) {
        leidos = archivo.readAll();
        if (leidos.size() != total)
            return false;
        bytes = leidos.constData();
    }
    for (const QByteArray &parte : partes) {
        if (std::memcmp(bytes, parte.constData(), parte.size()) != 0)
            return false;
        bytes += parte.size();
    }
    return true;
}
