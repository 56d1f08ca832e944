#pragma once

#include "game/juego.h"

#include <QObject>
#include <QString>

#include <initializer_list>
#include <optional>

// The rules of the five text boxes and the line browser.
//
// A typed double quote becomes an apostrophe: the file encloses every text in double quotes. Leaving a box cuts
// its text to 32766 characters, refuses a text that still holds a double quote (a pasted one), and commits the
// header boxes, and the question box outside a game or a lesson, to the document. The browser shows any line by its
// number.
class Edicion : public QObject
{
    Q_OBJECT
public:
    Edicion(Documento &documento, Juego &juego, Plataforma &plataforma);

    // The text of any of the five boxes, which the game keeps.
    const QString &Texto(Caja caja) const { return juego.Texto(caja); }
    // What the user made of a box's text; the box already shows it.
    void TextoEditado(Caja caja, const QString &texto) { juego.TextoEditado(caja, texto); }

    // A character typed into a box, before the box inserts the one left in codigo.
    void Tecla(Caja caja, int &codigo);
    // The box loses the focus to another control: false when it refused its text, after the message.
    bool Salir(Caja caja);
    // The texts of the boxes as a file can hold them: false, after the quote message, when one holds a double
    // quote; otherwise characters outside Windows-1252 become '?', after a message naming them.
    bool Admitir(std::initializer_list<Caja> cajas);

    // The line-number box: Enter validates it, as leaving it does; the arrows step from the number it holds
    // and stop at the ends.
    void TeclaRegistro(int codigo);
    // What the user typed into the line-number box; it already shows it.
    void RegistroEditado(const QString &texto) { juego.RegistroEditado(texto); }
    void Validar();
    void IrAPrimera();
    void IrAAnterior();
    void IrASiguiente();
    void IrAUltima();

    // The line number that a text holds: the number at its start taken to the whole number below it; nothing
    // when that does not fit into 16 bits, which no line number can.
    static std::optional<qint16> NumeroDeLinea(const QString &texto);

private:
    static bool EsCabecera(Caja caja) { return caja == Caja::TipoObjeto || caja == Caja::Carac; }
    // The quote message for the first of the boxes that holds a double quote; true when none does.
    bool SinComillas(std::initializer_list<Caja> cajas);
    void CambiarCaracteresFueraDeCp1252(Caja caja);
    void MostrarNumero(int numero);

    Documento &documento;
    const BaseConocimiento &base;
    Juego &juego;
    Plataforma &plataforma;
};
