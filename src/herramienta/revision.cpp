#include "revision.h"

#include "kb/errores.h"
#include "kb/lectortvo.h"
#include "kb/recorrido.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <vector>

namespace {

using Paso = LectorTvo::Paso;

QString Sentido(bool respuestaSi)
{
    return respuestaSi ? QStringLiteral("Sí") : QStringLiteral("No");
}

// Objects compare without case and accents: "Ñandú" is "nandu".
QString Clave(const QString &texto)
{
    QString clave;
    for (QChar c : texto.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            clave += c;
    return clave.toCaseFolded().simplified();
}

QString NombreDePaso(Paso paso, int linea)
{
    const char *const registros[] = {"el tipo de objeto (registro 1)", "las características (registro 2)",
                                     "la cuenta de líneas (registro 3)"};
    if (paso >= Paso::Cabecera1 && paso <= Paso::Cuenta)
        return QString::fromUtf8(registros[static_cast<int>(paso) - static_cast<int>(Paso::Cabecera1)]);
    return QStringLiteral("la línea %1").arg(linea);
}

class Revisor
{
public:
    explicit Revisor(Revision &revision) : r(revision), base(revision.base) {}

    void Leer(const QString &ruta)
    {
        base.VaciarLineas();
        LectorTvo lector(base, ruta);
        int lineaCuenta = 1;
        bool faltanLineas = false;
        while (!lector.Terminado()) {
            const Paso paso = lector.PasoActual();
            const int linea = lector.LineaEnCurso();
            if (paso == Paso::Cerrar && lector.QuedanDatos())
                AnotarPerdida(lector.LineaDelArchivo() + 1, QStringLiteral("hay más registros que las %1 líneas que "
                                                                           "anuncia la cuenta")
                                                                .arg(base.NumLineas));
            const int error = lector.EjecutarPaso();
            if (paso == Paso::Abrir && error) {
                r.legible = false;
                Anotar(0, QStringLiteral("no se puede abrir (error %1)").arg(error));
                return;
            }
            if (paso == Paso::Cuenta)
                lineaCuenta = lector.LineaDelArchivo();
            if (paso == Paso::Linea && BaseConocimiento::LineaUsable(linea)) {
                lineaDeArchivo[linea] = lector.LineaDelArchivo();
                leida[linea] = !error;
            }
            // Each problem keeps to one line of the report, whatever line ends the text holds.
            if (const std::optional<QString> &cortado = lector.TextoConComilla())
                AnotarPerdida(lector.LineaDelArchivo(),
                              NombreDePaso(paso, linea) +
                                  QStringLiteral(": el texto lleva una comilla dentro; el juego solo lee «%1»")
                                      .arg(QString(*cortado).replace(QRegularExpression(QStringLiteral("\r\n|\r|\n")),
                                                                     QStringLiteral(" "))));
            if (lector.TextoSinCerrar())
                AnotarPerdida(lector.LineaDelArchivo(),
                              NombreDePaso(paso, linea) + QStringLiteral(": el texto no cierra sus comillas"));
            if (!error)
                continue;
            if (error == Error::LecturaPasadoFinal && paso == Paso::Linea) {
                if (!faltanLineas)
                    AnotarPerdida(lector.LineaDelArchivo(),
                                  QStringLiteral("la cuenta anuncia %1 líneas, pero el archivo "
                                                 "solo tiene %2 (error %3)")
                                      .arg(base.NumLineas)
                                      .arg(linea - 1)
                                      .arg(error));
                faltanLineas = true;
            } else if (error == Error::IndiceFueraDeRango) {
                AnotarPerdida(lector.LineaDelArchivo(),
                              QStringLiteral("la cuenta pasa de %1 líneas; se leen las primeras %1 (error %2)")
                                  .arg(BaseConocimiento::MaxLineas)
                                  .arg(error));
            } else if (error == Error::Desbordamiento) {
                AnotarPerdida(lector.LineaDelArchivo(),
                              NombreDePaso(paso, linea) +
                                  QStringLiteral(": un número no cabe en 16 bits (error %1)").arg(error));
            } else {
                AnotarPerdida(lector.LineaDelArchivo(),
                              NombreDePaso(paso, linea) + QStringLiteral(": no se puede leer (error %1)").arg(error));
            }
            lector.OmitirPaso();
        }
        RevisarCuenta(lineaCuenta);
    }

    void RevisarArbol()
    {
        const int n = base.NumLineas;
        if (n < 1)
            return;
        std::vector<std::vector<int>> padres(n + 1);
        for (int k = 1; k <= n; ++k) {
            RevisarLargo(Linea(k), base.TextoLinea[k], QStringLiteral("la línea %1").arg(k));
            if (!base.EsPregunta(k))
                continue;
            for (bool si : {true, false}) {
                const int destino = base.Enlace(k, si);
                if (destino == 0)
                    Anotar(Linea(k),
                           QStringLiteral("la línea %1 es una pregunta con el enlace %2 en 0").arg(k).arg(Sentido(si)));
                else if (!base.Existe(destino))
                    Anotar(Linea(k), QStringLiteral("la línea %1 enlaza (%2) con la línea %3, que no existe")
                                         .arg(k)
                                         .arg(Sentido(si))
                                         .arg(destino));
                else if (destino == k)
                    Anotar(Linea(k), QStringLiteral("la línea %1 enlaza (%2) consigo misma").arg(k).arg(Sentido(si)));
                else
                    padres[destino].push_back(k);
            }
        }
        for (int k = 1; k <= n; ++k)
            if (padres[k].size() > 1 || (k == 1 && !padres[k].empty()))
                Anotar(Linea(k),
                       QStringLiteral("la línea %1 se alcanza desde %2 %3")
                           .arg(k)
                           .arg(padres[k].size() == 1 ? QStringLiteral("la línea") : QStringLiteral("las líneas"))
                           .arg(Enumerar(padres[k])));
        BuscarCiclosEInalcanzables();
        RevisarObjetos();
    }

    void Ordenar()
    {
        std::stable_sort(r.problemas.begin(), r.problemas.end(),
                         [](const Problema &a, const Problema &b) { return a.lineaArchivo < b.lineaArchivo; });
    }

private:
    void Anotar(int lineaArchivo, const QString &texto) { r.problemas.append({lineaArchivo, texto}); }
    void AnotarPerdida(int lineaArchivo, const QString &texto) { r.problemas.append({lineaArchivo, texto, true}); }

    int Linea(int k) const { return lineaDeArchivo[k] ? lineaDeArchivo[k] : 0; }

    static QString Enumerar(const std::vector<int> &lineas)
    {
        QStringList textos;
        for (int linea : lineas)
            textos << QString::number(linea);
        const QString ultima = textos.takeLast();
        return textos.isEmpty() ? ultima : textos.join(QStringLiteral(", ")) + QStringLiteral(" y ") + ultima;
    }

    void RevisarLargo(int lineaArchivo, const QString &texto, const QString &que)
    {
        if (texto.size() > BaseConocimiento::MaxTexto)
            AnotarPerdida(lineaArchivo, QStringLiteral("el texto de %1 tiene %2 caracteres; el máximo es %3")
                                            .arg(que)
                                            .arg(texto.size())
                                            .arg(BaseConocimiento::MaxTexto));
    }

    void RevisarCuenta(int lineaCuenta)
    {
        RevisarLargo(1, base.TipoObjeto, QStringLiteral("el tipo de objeto"));
        RevisarLargo(2, base.Caracteristicas, QStringLiteral("las características"));
        if (base.NumLineas <= 0)
            Anotar(lineaCuenta, QStringLiteral("la cuenta es %1: el archivo no tiene líneas").arg(base.NumLineas));
        else if (base.NumLineas % 2 == 0)
            Anotar(lineaCuenta, QStringLiteral("la cuenta es par (%1): el juego siempre escribe un número impar "
                                               "de líneas")
                                    .arg(base.NumLineas));
    }

    // A link back to a line on the way from line 1 (or from any line out of the tree) closes a cycle; the lines
    // that the walk from line 1 does not enter are out of the tree.
    void BuscarCiclosEInalcanzables()
    {
        std::vector<char> estado(BaseConocimiento::MaxLineas + 1);
        std::vector<bool> alcanzada(BaseConocimiento::MaxLineas + 1);
        for (int inicio = 1; inicio <= base.NumLineas; ++inicio)
            RecorrerArbol(
                base, inicio, estado, [&](const Camino &camino) { alcanzada[camino.back()] = inicio == 1; },
                [&](const Camino &camino, bool si, int destino, TipoDeEnlace tipo) {
                    if (tipo == TipoDeEnlace::EnCamino && destino != camino.back())
                        Anotar(Linea(camino.back()), QStringLiteral("la línea %1 vuelve (%2) a la línea %3: un ciclo")
                                                         .arg(camino.back())
                                                         .arg(Sentido(si))
                                                         .arg(destino));
                });
        // A line whose record is missing is reported as such.
        for (int k = 1; k <= base.NumLineas; ++k)
            if (!alcanzada[k] && leida[k])
                Anotar(Linea(k), QStringLiteral("la línea %1 no se alcanza desde la línea 1").arg(k));
    }

    void RevisarObjetos()
    {
        QHash<QString, int> vistos;
        for (int k = 1; k <= base.NumLineas; ++k) {
            // A line whose record is missing or broken is reported as such, not as an object.
            if (base.EsPregunta(k) || !leida[k])
                continue;
            const QString clave = Clave(base.TextoLinea[k]);
            // An empty document is one empty object, as the game writes it.
            if (clave.isEmpty()) {
                if (base.NumLineas > 1)
                    Anotar(Linea(k), QStringLiteral("la línea %1 es un objeto sin texto").arg(k));
                continue;
            }
            const auto anterior = vistos.constFind(clave);
            if (anterior == vistos.constEnd())
                vistos.insert(clave, k);
            else
                Anotar(Linea(k), QStringLiteral("el objeto de la línea %1 repite el de la línea %2: \"%3\"")
                                     .arg(k)
                                     .arg(*anterior)
                                     .arg(base.TextoLinea[k].simplified()));
        }
    }

    Revision &r;
    BaseConocimiento &base;
    std::array<int, BaseConocimiento::MaxLineas + 1> lineaDeArchivo{};
    std::array<bool, BaseConocimiento::MaxLineas + 1> leida{};
};

} // namespace

Revision RevisarArchivo(const QString &ruta)
{
    Revision revision;
    Revisor revisor(revision);
    revisor.Leer(ruta);
    if (revision.legible)
        revisor.RevisarArbol();
    revisor.Ordenar();
    return revision;
}

bool LeerBase(const QString &ruta, BaseConocimiento &base)
{
    Revision revision = RevisarArchivo(ruta);
    base = revision.base;
    return revision.legible;
}
