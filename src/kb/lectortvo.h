#pragma once

#include "baseconocimiento.h"
#include "huella.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// Reads a knowledge-base file into a cleared BaseConocimiento as a sequence of steps (open, header, header,
// count, one step per line record, close), so that the caller can abort, retry or ignore each failed step.
// Whatever the bytes, no step indexes outside lines 1..599, and reading is linear in the file size.
class LectorTvo
{
public:
    LectorTvo(BaseConocimiento &base, QString ruta);
    // Reads bytes already in memory, as if they were the file; opening them cannot fail.
    static LectorTvo DeBytes(BaseConocimiento &base, QByteArray bytes);

    // No knowledge base comes near this size: 599 texts of 32766 characters take 19.6 MB.
    static constexpr qint64 MaxBytes = qint64(64) << 20;
    // Error 75 for what is no regular file (a folder, a pipe, a device), 7 for a file larger than MaxBytes, 0 for
    // a file that may be read, or one that does not exist (opening it tells why).
    static int ComprobarArchivo(const QString &ruta);

    enum class Paso { Abrir, Cabecera1, Cabecera2, Cuenta, Linea, Cerrar, Fin };

    bool Terminado() const { return paso == Paso::Fin; }
    Paso PasoActual() const { return paso; }
    // The line of the knowledge base that the current step reads, when it reads one.
    int LineaEnCurso() const { return lineaActual; }

    // For reports about the file itself: the line of the file where the last record began (at the end of the
    // file, the line after the last one), and whether its text ran to the end of the file, unclosed.
    int LineaDelArchivo() const;
    bool TextoSinCerrar() const { return textoSinCerrar; }
    // The text of the last record as read, when a double quote inside it cut it short.
    const std::optional<QString> &TextoConComilla() const { return textoConComilla; }
    // Whether anything but blanks and line ends follows the records read so far.
    bool QuedanDatos() const;
    // The bytes of the file as read, kept until the reader goes; empty when the file could not be opened.
    const QByteArray &Bytes() const { return datos; }
    // The size and time of the file as it was opened.
    const Huella &HuellaLeida() const { return huella; }

    // Runs the current step and, when it succeeds, moves on to the next one. Returns the step's error
    // number, 0 on success. Running a failed step again reads on from where it stopped, as a file does.
    int EjecutarPaso();

    // Goes on with the step after the current one, as after a failure that the user chose to ignore.
    void OmitirPaso();

    // Runs every step to the end as "Abrir..." does when the user ignores every error; the errors in order.
    QList<int> LeerIgnorandoErrores();

private:
    struct Registro {
        qint16 numeros[3] = {};
        QString texto;
    };

    int Abrir();
    int LeerRegistro(Registro &registro);
    int LeerCuenta();
    int LeerLinea();
    void Avanzar();
    void PasarALinea(int linea);

    BaseConocimiento &base;
    const QString ruta;
    bool enMemoria = false;
    Paso paso = Paso::Abrir;
    int lineaActual = 0;
    bool abierto = false;
    QByteArray datos;
    Huella huella;
    qsizetype posicion = 0;
    // Lines of the file are counted only when asked for; the game never asks.
    qsizetype inicioRegistro = 0;
    mutable qsizetype contadoHasta = 0;
    mutable int lineaArchivo = 1;
    bool textoSinCerrar = false;
    std::optional<QString> textoConComilla;
};
