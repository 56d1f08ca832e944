#pragma once

#include "kb/baseconocimiento.h"

#include <QByteArray>
#include <QString>
#include <QTest>

#include <tuple>

// Small helpers and the knowledge-base builders shared by the tests.
QByteArray LeerBytes(const QString &ruta);
void EscribirBytes(const QString &ruta, const QByteArray &bytes);
// The bytes of the file that the program writes for the base.
QByteArray ArchivoDe(BaseConocimiento base);

// The example of the file format: line 1 "Pregunta" leads to "Objeto1" on Si and "Objeto2" on No, with the
// header strings of a new document.
BaseConocimiento BaseDeEjemplo();
// numLineas lines, line k asking with links 2k and 2k + 1 while they exist, the rest objects; texts "línea k".
BaseConocimiento BaseCompleta(int numLineas);

// A data table's columns declared, and a row's cells fetched, in one statement each and in the same order:
// Columnas<QString, int>("pasos", "error"), then auto [pasos, error] = Celdas<QString, int>("pasos", "error").
template <typename... Tipos, typename... Nombres> void Columnas(Nombres... nombres)
{
    (QTest::addColumn<Tipos>(nombres), ...);
}
template <typename... Tipos, typename... Nombres> std::tuple<Tipos...> Celdas(Nombres... nombres)
{
    return {*static_cast<Tipos *>(QTest::qData(nombres, qMetaTypeId<Tipos>()))...};
}
