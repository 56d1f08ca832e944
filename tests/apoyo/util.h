#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

class QWidget;

// Small helpers shared by the tests.
QByteArray LeerBytes(const QString &ruta);
void EscribirBytes(const QString &ruta, const QByteArray &bytes);

// The background of a text box or label, in the 0xBBGGRR form of the program's tables.
quint32 FondoBGR(const QWidget *control);
