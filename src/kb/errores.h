#pragma once

#include <QString>

// Error numbers of the file commands, shown to the user in their messages ("Abrir - Error 53 inesperado"): 6
// overflow, 7 out of memory, 9 index out of range, 52 bad file name, 53 file not found, 57 input/output, 61 disk full,
// 62 input past end of file, 70 permission denied, 75 path/file access, 76 path not found.
namespace Error {
// clang-format off
enum : int {
    Ninguno = 0, Desbordamiento = 6, SinMemoria = 7, IndiceFueraDeRango = 9, NombreArchivoIncorrecto = 52, ArchivoNoEncontrado = 53,
    ErrorEntradaSalida = 57, DiscoLleno = 61, LecturaPasadoFinal = 62, PermisoDenegado = 70, AccesoRuta = 75,
    RutaNoEncontrada = 76
};
// clang-format on
} // namespace Error

// The error number for a failed operation on the file at ruta, from the errno it left. A missing entry is
// 53 when its folder exists and 76 when the folder itself is missing.
int ErrorDesdeErrno(int numeroErrno, const QString &ruta);
