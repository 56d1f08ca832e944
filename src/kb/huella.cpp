#include "huella.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace {

constexpr auto Algoritmo = QCryptographicHash::Sha1;
constexpr qint64 Tanda = 1 << 20;

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
    QByteArray leido(Tanda, Qt::Uninitialized);
    qsizetype parte = 0;
    qsizetype dentro = 0;
    for (qint64 n; (n = archivo.read(leido.data(), Tanda)) > 0;) {
        // The piece read is compared with the parts it spans.
        for (qint64 hecho = 0; hecho < n;) {
            while (parte < partes.size() && partes[parte].isEmpty())
                ++parte;
            if (parte >= partes.size())
                return false;
            const QByteArray &esperado = partes[parte];
            const qint64 trozo = std::min<qint64>(n - hecho, esperado.size() - dentro);
            if (std::memcmp(leido.constData() + hecho, esperado.constData() + dentro, trozo) != 0)
                return false;
            hecho += trozo;
            dentro += trozo;
            if (dentro == esperado.size()) {
                ++parte;
                dentro = 0;
            }
        }
    }
    return archivo.atEnd() && archivo.error() == QFileDevice::NoError;
}
