#include "util.h"

#include "kb/escritortvo.h"

#include <QFile>
#include <QTest>

QByteArray LeerBytes(const QString &ruta)
{
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly))
        return {};
    return archivo.readAll();
}

void EscribirBytes(const QString &ruta, const QByteArray &bytes)
{
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly) || archivo.write(bytes) != bytes.size())
        QTest::qFail(qPrintable(QStringLiteral("cannot write test file ") + ruta), __FILE__, __LINE__);
}

BaseConocimiento BaseDeEjemplo()
{
    BaseConocimiento base = BaseCompleta(3);
    base.TextoLinea[1] = QStringLiteral("Pregunta");
    base.TextoLinea[2] = QStringLiteral("Objeto1");
    base.TextoLinea[3] = QStringLiteral("Objeto2");
    return base;
}

BaseConocimiento BaseCompleta(int numLineas)
{
    BaseConocimiento base;
    base.TipoObjeto = QStringLiteral("Objeto (tipo de objeto)");
    base.Caracteristicas = QStringLiteral("Características del archivo");
    base.NumLineas = static_cast<qint16>(numLineas);
    for (int k = 1; k <= numLineas; ++k) {
        if (2 * k + 1 <= numLineas) {
            base.ValorSi[k] = static_cast<qint16>(2 * k);
            base.ValorNo[k] = static_cast<qint16>(2 * k + 1);
        }
        base.TextoLinea[k] = QStringLiteral("línea %1").arg(k);
    }
    return base;
}

QByteArray ArchivoDe(BaseConocimiento base)
{
    return CodificarArchivoTvo(base);
}
