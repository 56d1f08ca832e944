#include "lectorrtf.h"

#include "texto/cp1252.h"

#include <QTextCursor>
#include <QTextDocument>

#include <vector>

namespace {

constexpr int MaxAnidamiento = 64;

// What a group carries: the character format and whether its text is to be skipped.
struct EstadoGrupo {
    bool negrita = false;
    bool cursiva = false;
    int mediosPuntos = 0;
    bool saltar = false;
    int caracteresTrasUnicode = 1;
};

bool EsLetra(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int ValorHex(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool EsDestinoSaltado(const QByteArray &palabra)
{
    static const char *const destinos[] = {"fonttbl", "colortbl", "stylesheet", "info",   "pict",
                                           "header",  "footer",   "footnote",   "object", "listtable"};
    for (const char *destino : destinos)
        if (palabra == destino)
            return true;
    return false;
}

class Lector
{
public:
    Lector(const QByteArray &rtf, QTextDocument &documento) : datos(rtf), cursor(&documento) {}

    void Leer()
    {
        while (posicion < datos.size()) {
            const char c = datos[posicion++];
            if (c == '{')
                AbrirGrupo();
            else if (c == '}')
                CerrarGrupo();
            else if (c == '\\')
                LeerControl();
            else if (c != '\r' && c != '\n')
                Caracter(CaracterCp1252(c));
        }
        Volcar();
    }

private:
    void AbrirGrupo()
    {
        Volcar();
        porSaltar = 0;
        pila.push_back(estado);
        if (pila.size() > MaxAnidamiento)
            estado.saltar = true;
    }

    void CerrarGrupo()
    {
        Volcar();
        porSaltar = 0;
        if (pila.empty())
            return;
        estado = pila.back();
        pila.pop_back();
    }

    void LeerControl()
    {
        if (posicion >= datos.size())
            return;
        const char c = datos[posicion];
        if (!EsLetra(c)) {
            ++posicion;
            Simbolo(c);
            return;
        }
        const qsizetype inicio = posicion;
        while (posicion < datos.size() && EsLetra(datos[posicion]))
            ++posicion;
        const QByteArray palabra = datos.mid(inicio, posicion - inicio);
        bool negativo = false;
        if (posicion < datos.size() && datos[posicion] == '-') {
            negativo = true;
            ++posicion;
        }
        bool hayParametro = false;
        long parametro = 0;
        while (posicion < datos.size() && datos[posicion] >= '0' && datos[posicion] <= '9') {
            hayParametro = true;
            // Long digit runs only saturate.
            if (parametro < 1000000)
                parametro = parametro * 10 + (datos[posicion] - '0');
            ++posicion;
        }
        if (negativo)
            parametro = -parametro;
        if (posicion < datos.size() && datos[posicion] == ' ')
            ++posicion;
        Palabra(palabra, hayParametro, parametro);
    }

    void Simbolo(char c)
    {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            Caracter(QLatin1Char(c));
            break;
        case '\'': {
            const int alto = posicion < datos.size() ? ValorHex(datos[posicion]) : -1;
            const int bajo = posicion + 1 < datos.size() ? ValorHex(datos[posicion + 1]) : -1;
            if (alto < 0 || bajo < 0)
                break;
            posicion += 2;
            const char byte = static_cast<char>(alto * 16 + bajo);
            Caracter(CaracterCp1252(byte));
            break;
        }
        case '*':
            estado.saltar = true;
            break;
        case '~':
            Caracter(QChar(0xA0));
            break;
        case '_':
            Caracter(QLatin1Char('-'));
            break;
        case '\r':
        case '\n':
            Parrafo();
            break;
        default:
            break;
        }
    }

    void Palabra(const QByteArray &palabra, bool hayParametro, long parametro)
    {
        const bool activa = !hayParametro || parametro != 0;
        if (palabra == "par") {
            Parrafo();
        } else if (palabra == "line") {
            Caracter(QChar::LineSeparator);
        } else if (palabra == "tab") {
            Caracter(QLatin1Char('\t'));
        } else if (palabra == "b") {
            CambiarFormato([&] { estado.negrita = activa; });
        } else if (palabra == "i") {
            CambiarFormato([&] { estado.cursiva = activa; });
        } else if (palabra == "fs") {
            CambiarFormato(
                [&] { estado.mediosPuntos = hayParametro && parametro > 0 && parametro < 400 ? int(parametro) : 0; });
        } else if (palabra == "plain") {
            CambiarFormato([&] {
                estado.negrita = estado.cursiva = false;
                estado.mediosPuntos = 0;
            });
        } else if (palabra == "pard") {
            Alinear(Qt::AlignLeft);
        } else if (palabra == "ql") {
            Alinear(Qt::AlignLeft);
        } else if (palabra == "qc") {
            Alinear(Qt::AlignHCenter);
        } else if (palabra == "qr") {
            Alinear(Qt::AlignRight);
        } else if (palabra == "qj") {
            Alinear(Qt::AlignJustify);
        } else if (palabra == "uc") {
            estado.caracteresTrasUnicode = hayParametro && parametro >= 0 && parametro < 10 ? int(parametro) : 1;
        } else if (palabra == "u" && hayParametro && parametro >= -32768 && parametro <= 65535) {
            // A signed 16-bit value: negative numbers stand for the upper half.
            Caracter(QChar(static_cast<char16_t>(parametro & 0xFFFF)));
            porSaltar = estado.caracteresTrasUnicode;
        } else if (EsDestinoSaltado(palabra)) {
            estado.saltar = true;
        }
    }

    template <typename Cambio> void CambiarFormato(Cambio cambio)
    {
        Volcar();
        cambio();
    }

    void Caracter(QChar c)
    {
        if (estado.saltar)
            return;
        // The plain-text stand-ins that follow a \u character.
        if (porSaltar > 0) {
            --porSaltar;
            return;
        }
        pendiente += c;
    }

    void Parrafo()
    {
        if (estado.saltar)
            return;
        Volcar();
        porSaltar = 0;
        cursor.insertBlock(formatoParrafo);
    }

    void Alinear(Qt::Alignment alineacion)
    {
        if (estado.saltar)
            return;
        Volcar();
        formatoParrafo.setAlignment(alineacion);
        cursor.setBlockFormat(formatoParrafo);
    }

    void Volcar()
    {
        if (pendiente.isEmpty())
            return;
        QTextCharFormat formato;
        formato.setFontWeight(estado.negrita ? QFont::Bold : QFont::Normal);
        formato.setFontItalic(estado.cursiva);
        if (estado.mediosPuntos > 0)
            formato.setFontPointSize(estado.mediosPuntos / 2.0);
        cursor.insertText(pendiente, formato);
        pendiente.clear();
    }

    const QByteArray &datos;
    qsizetype posicion = 0;
    QTextCursor cursor;
    QTextBlockFormat formatoParrafo;
    EstadoGrupo estado;
    std::vector<EstadoGrupo> pila;
    QString pendiente;
    int porSaltar = 0;
};

} // namespace

void LeerRtf(const QByteArray &rtf, QTextDocument &documento)
{
    documento.clear();
    Lector(rtf, documento).Leer();
}
