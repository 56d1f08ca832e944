#include "util.h"

#include <QFile>
#include <QLabel>
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

quint32 FondoBGR(const QWidget *control)
{
    const auto rol = qobject_cast<const QLabel *>(control) ? QPalette::Window : QPalette::Base;
    const QColor color = control->palette().color(rol);
    return quint32(color.red()) | quint32(color.green()) << 8 | quint32(color.blue()) << 16;
}
