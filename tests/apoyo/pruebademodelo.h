#pragma once

#include "commands/modelo.h"
#include "plataformaguion.h"
#include "util.h"

#include <QTemporaryDir>
#include <QTest>

// The fixture of the model tests: for every test function a fresh model over a scripted platform, started in a
// program folder of its own that holds Nuevo.tvo, and a check afterwards that the script was followed.
class PruebaDeModelo : public QObject
{
    Q_OBJECT
protected slots:
    void init();
    void cleanup();

protected:
    // Starts the program: the window's load event.
    virtual void Arrancar() { modelo->Form_Load(); }
    virtual void Terminar() {}
    QString Ruta(const QString &nombre) const;
    // A file with these bytes, opened with "Abrir..." out of play; what was shown meanwhile is forgotten.
    void AbrirBytes(const QByteArray &bytes, const QString &nombre = QStringLiteral("base.tvo"));
    void Abrir(const BaseConocimiento &base, const QString &nombre = QStringLiteral("base.tvo"));
    // Runs steps separated by ';': the commands jugar, si, no, parar, volver (Alt+←), nuevo, abrir, guardar, como (Save
    // As), fin (Salir); a box's text as the user left it, o1=, o2=, pr=, tipo=, carac=; leaving a box, <o1 ... <carac;
    // the line-number box, reg=N (typed and left), and its arrows primera, anterior, siguiente, ultima; the
    // answer to the next question, r:si, r:no, r:cancelar, r:aceptar, r:omitir, r:reintentar, r:anular; the file
    // chosen in the next dialog, f:name (f: alone cancels it).
    void Pasos(const QString &pasos);
    // The state on screen in one line: phase, line row, backgrounds of Objeto 1, Objeto 2 and the question box
    // (Pregunta, Otro, Adivinado, Verde), and the question box's text: "jugando 1 2 3 | P O P | ¿Vuela?".
    QString Estado() const;

    const BaseConocimiento &Base() const { return modelo->Base(); }
    const Juego &ElJuego() const { return modelo->ElJuego(); }
    Edicion &Cajas() const { return modelo->Cajas(); }

    std::unique_ptr<QTemporaryDir> carpeta;
    std::unique_ptr<PlataformaGuion> guion;
    std::unique_ptr<Recuperacion> recuperacion;
    std::unique_ptr<ModeloElTarvo> modelo;
};
