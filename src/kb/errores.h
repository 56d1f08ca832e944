#pragma once

#include <QString>

// Error numbers of the file commands, shown to the user in their messages ("Abrir - Error 53 inesperado").
namespace Error {
constexpr int Ninguno = 0;
constexpr int Desbordamiento = 6;
constexpr int IndiceFueraDeRango = 9;
constexpr int NombreArchivoIncorrecto = 52;
constexpr int ArchivoNoEncontrado = 53;
constexpr int ErrorEntradaSalida = 57;
constexpr int DiscoLleno = 61;
constexpr int LecturaPasadoFinal = 62;
constexpr int PermisoDenegado = 70;
constexpr int AccesoRuta = 75;
constexpr int RutaNoEncontrada = 76;
constexpr int DialogoCancelado = 32755;
} // namespace Error

// The error number for a failed operation on the file at ruta, from the errno it left. A missing entry is
// 53 when its folder exists and 76 when the folder itself is missing.
int ErrorDesdeErrno(int numeroErrno, const QString &ruta);
