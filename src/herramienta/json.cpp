#include "json.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <deque>
#include <map>
#include <vector>

namespace {

const QString Linea = QStringLiteral("linea");
const QString Pregunta = QStringLiteral("pregunta");
const QString Objeto = QStringLiteral("objeto");
const QString Si = QStringLiteral("si");
const QString No = QStringLiteral("no");
const QString Vuelve = QStringLiteral("vuelve");

// The nodes of one walk, each line's node with the links the walk did not enter already set in it.
struct Arbol {
    std::map<int, QJsonObject> nodos;
    std::map<std::pair<int, bool>, int> hijos;

    QJsonObject Armar(int linea)
    {
        QJsonObject nodo = nodos[linea];
        for (const bool si : {true, false}) {
            const auto hijo = hijos.find({linea, si});
            if (hijo != hijos.end())
                nodo[si ? Si : No] = Armar(hijo->second);
        }
        return nodo;
    }
};

// Breadth-first from `desde`, Sí before No, as the import numbers lines: a line that two links reach is given
// where the walk reaches it first, and is a link back everywhere else, so that a base comes back as it went.
QJsonObject ArbolDesde(const BaseConocimiento &base, int desde, std::vector<char> &visto)
{
    Arbol arbol;
    visto[desde] = 1;
    for (std::deque<int> cola{desde}; !cola.empty(); cola.pop_front()) {
        const int linea = cola.front();
        QJsonObject &nodo = arbol.nodos[linea];
        nodo = {{Linea, linea}, {base.EsPregunta(linea) ? Pregunta : Objeto, base.Texto(linea)}};
        if (!base.EsPregunta(linea))
            continue;
        for (const bool si : {true, false}) {
            const int destino = base.Enlace(linea, si);
            if (!base.Existe(destino))
                nodo[si ? Si : No] = QJsonValue::Null;
            else if (visto[destino])
                nodo[si ? Si : No] = QJsonObject{{Linea, destino}, {Vuelve, true}};
            else {
                visto[destino] = 1;
                arbol.hijos[{linea, si}] = destino;
                cola.push_back(destino);
            }
        }
    }
    return arbol.Armar(desde);
}

// Numbers the nodes of a document breadth-first into a base, refusing at the first one the game could not hold.
class Numeracion
{
public:
    explicit Numeracion(BaseConocimiento &base) : base(base) { base.NumLineas = 0; }

    bool NumerarDocumento(const QJsonObject &documento)
    {
        if (!Cabecera(documento, QStringLiteral("tipoObjeto"), base.TipoObjeto) ||
            !Cabecera(documento, QStringLiteral("caracteristicas"), base.Caracteristicas))
            return false;
        const QJsonValue arbol = documento.value(QStringLiteral("arbol"));
        const QJsonValue sueltas = documento.value(QStringLiteral("sueltas"));
        if (!sueltas.isUndefined() && !sueltas.isArray())
            return Rechazar(QStringLiteral("sueltas"), QStringLiteral("no es una lista"));
        if (arbol.isNull() && !sueltas.toArray().isEmpty())
            return Rechazar(QStringLiteral("arbol"), QStringLiteral("no hay árbol, pero sí líneas sueltas"));
        if (!arbol.isNull() && !Numerar(arbol, QStringLiteral("arbol")))
            return false;
        for (qsizetype i = 0; i < sueltas.toArray().size(); ++i)
            if (!Numerar(sueltas[i], QStringLiteral("sueltas[%1]").arg(i)))
                return false;
        for (const Vuelta &vuelta : vueltas) {
            if (!anteriores.contains(vuelta.anterior))
                return Rechazar(vuelta.ruta,
                                QStringLiteral("vuelve a la línea %1, que ningún nodo tiene").arg(vuelta.anterior));
            // A link back to a node numbered later would be numbered otherwise when the base goes to JSON again.
            if (!vuelta.numerada)
                return Rechazar(
                    vuelta.ruta,
                    QStringLiteral("vuelve a la línea %1, que el árbol da más adelante").arg(vuelta.anterior));
            *vuelta.enlace = static_cast<qint16>(anteriores.value(vuelta.anterior));
        }
        return true;
    }

    QString error;

private:
    struct Pendiente {
        QJsonObject nodo;
        QString ruta;
        int linea;
    };
    struct Vuelta {
        qint16 *enlace;
        int anterior;
        QString ruta;
        // Whether the node it names had its number when the walk reached the link.
        bool numerada;
    };

    bool Rechazar(const QString &ruta, const QString &motivo)
    {
        error = ruta + QStringLiteral(": ") + motivo;
        return false;
    }

    bool Cabecera(const QJsonObject &documento, const QString &clave, QString &texto)
    {
        if (!documento.value(clave).isString())
            return Rechazar(clave, QStringLiteral("falta el texto"));
        texto = documento.value(clave).toString();
        return TextoAdmitido(texto, clave);
    }

    bool TextoAdmitido(const QString &texto, const QString &ruta)
    {
        if (texto.contains(QLatin1Char('"')))
            return Rechazar(ruta, QStringLiteral("el texto tiene comillas dobles"));
        if (texto.size() > BaseConocimiento::MaxTexto)
            return Rechazar(ruta, QStringLiteral("el texto pasa de %1 caracteres").arg(BaseConocimiento::MaxTexto));
        return true;
    }

    // The next free line for a node, remembered under the line the node says it had, for the links back to it.
    bool Reservar(const QJsonValue &valor, const QString &ruta, int &linea)
    {
        if (!valor.isObject())
            return Rechazar(ruta, QStringLiteral("no es un nodo"));
        if (base.NumLineas == BaseConocimiento::MaxLineas)
            return Rechazar(ruta, QStringLiteral("el árbol pasa de %1 líneas").arg(BaseConocimiento::MaxLineas));
        // A link back names a node by its "linea": two nodes with one would leave it to chance which is meant.
        const QJsonValue anterior = valor.toObject().value(Linea);
        if (!anterior.isUndefined() && anteriores.contains(anterior.toInt()))
            return Rechazar(ruta, QStringLiteral("la línea %1 ya es la de otro nodo").arg(anterior.toInt()));
        linea = ++base.NumLineas;
        if (!anterior.isUndefined())
            anteriores.insert(anterior.toInt(), linea);
        return true;
    }

    bool Numerar(const QJsonValue &raiz, const QString &ruta)
    {
        int linea = 0;
        if (!Reservar(raiz, ruta, linea))
            return false;
        for (std::deque<Pendiente> cola{{raiz.toObject(), ruta, linea}}; !cola.empty(); cola.pop_front()) {
            const Pendiente pendiente = cola.front();
            const bool pregunta = pendiente.nodo.value(Pregunta).isString();
            if (pregunta == pendiente.nodo.value(Objeto).isString())
                return Rechazar(pendiente.ruta, QStringLiteral("no es ni una pregunta ni un objeto"));
            const QString texto = pendiente.nodo.value(pregunta ? Pregunta : Objeto).toString();
            if (!TextoAdmitido(texto, pendiente.ruta))
                return false;
            base.TextoLinea[pendiente.linea] = texto;
            if (!pregunta)
                continue;
            for (const bool si : {true, false}) {
                const QString rama = pendiente.ruta + QLatin1Char('.') + (si ? Si : No);
                const QJsonValue hijo = pendiente.nodo.value(si ? Si : No);
                qint16 &enlace = (si ? base.ValorSi : base.ValorNo)[pendiente.linea];
                if (hijo.isNull() || hijo.isUndefined())
                    return Rechazar(rama, QStringLiteral("a la pregunta le falta esta respuesta"));
                if (hijo.toObject().value(Vuelve).toBool()) {
                    const int anterior = hijo.toObject().value(Linea).toInt();
                    vueltas.push_back({&enlace, anterior, rama, anteriores.contains(anterior)});
                    continue;
                }
                int lineaHijo = 0;
                if (!Reservar(hijo, rama, lineaHijo))
                    return false;
                enlace = static_cast<qint16>(lineaHijo);
                cola.push_back({hijo.toObject(), rama, lineaHijo});
            }
        }
        return true;
    }

    BaseConocimiento &base;
    QHash<int, int> anteriores;
    std::vector<Vuelta> vueltas;
};

} // namespace

QByteArray BaseComoJson(const BaseConocimiento &base)
{
    std::vector<char> estado(BaseConocimiento::MaxLineas + 1);
    QJsonObject documento{{QStringLiteral("tipoObjeto"), base.TipoObjeto},
                          {QStringLiteral("caracteristicas"), base.Caracteristicas}};
    documento[QStringLiteral("arbol")] = base.Existe(1) ? QJsonValue(ArbolDesde(base, 1, estado)) : QJsonValue::Null;
    QJsonArray sueltas;
    for (int k = 1; base.Existe(k); ++k)
        if (!estado[k])
            sueltas.append(ArbolDesde(base, k, estado));
    documento[QStringLiteral("sueltas")] = sueltas;
    return QJsonDocument(documento).toJson();
}

BaseImportada BaseDesdeJson(const QByteArray &json)
{
    BaseImportada importada;
    QJsonParseError fallo{};
    const QJsonDocument documento = QJsonDocument::fromJson(json, &fallo);
    if (fallo.error != QJsonParseError::NoError)
        importada.error =
            QStringLiteral("JSON mal formado en el carácter %1: %2").arg(fallo.offset).arg(fallo.errorString());
    else if (!documento.isObject())
        importada.error = QStringLiteral("el documento no es un objeto JSON");
    else {
        Numeracion numeracion(importada.base);
        numeracion.NumerarDocumento(documento.object());
        importada.error = numeracion.error;
    }
    return importada;
}
