#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// The knowledge base: a yes/no decision tree stored as numbered lines. Each line holds the line to go to on
// Yes, the line to go to on No, and a text; a line whose two links are 0 is an object, any other line is a
// question. The arrays are indexed directly by line number; entry 0 is never used.
struct BaseConocimiento {
    static constexpr int MaxLineas = 599;
    // The longest text that reaches a file; texts in memory may be longer until they are saved.
    static constexpr int MaxTexto = 32766;

    std::array<qint16, MaxLineas + 1> ValorSi{};
    std::array<qint16, MaxLineas + 1> ValorNo{};
    std::array<QString, MaxLineas + 1> TextoLinea;
    qint16 NumLineas = 1;
    QString TipoObjeto;
    QString Caracteristicas;

    // Sets every entry 1..599 of the three arrays to 0 or the empty text; one empty line is left in use.
    void VaciarLineas();

    // Whether n may index the arrays. Every line number that comes from a file or from the user is tested
    // with this before use: files can hold any link and any count.
    static bool LineaUsable(int n) { return n >= 1 && n <= MaxLineas; }
    // Whether line n is one of the lines in use, 1..NumLineas.
    bool Existe(int n) const { return LineaUsable(n) && n <= NumLineas; }

    // Range-tested reading of a line: a number that is not a line reads as an empty object.
    // A line is a question as soon as either of its links is non-zero.
    bool EsPregunta(int linea) const;
    // The line that the answer leads to; 0 when there is no link.
    qint16 Enlace(int linea, bool respuestaSi) const;
    QString Texto(int linea) const;
};

// A text cut to its first 32766 characters, as a file holds it; Corte::SinPartirSaltos also drops the CR of a
// CR LF pair that the cut would split, as a text box does, where a line break counts as two characters.
enum class Corte { Exacto, SinPartirSaltos };
QString CortarTexto(const QString &texto, Corte corte = Corte::Exacto);

// A number in the signed form of the program's captions and count record: a blank before a number that is not
// negative, a minus sign before one that is.
QString NumeroConSigno(long numero);

// The caption of the object-count label: floor(NumLineas / 2) + 1 in signed-number form, which puts a
// blank before a number that is not negative ("El archivo tvo contiene  2 objetos" for 3 lines).
QString TextoObjetosContenidos(qint16 numLineas);
