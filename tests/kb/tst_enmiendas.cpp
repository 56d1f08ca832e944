#include "apoyo/util.h"
#include "kb/aprendizaje.h"
#include "kb/enmiendas.h"
#include "kb/recorrido.h"

#include <QMap>
#include <QRandomGenerator>
#include <QTest>

namespace {

// The answers that lead from line 1 to each object, by the object's text: (question's text, answer) pairs.
using Respuestas = QList<std::pair<QString, bool>>;
QMap<QString, Respuestas> RespuestasDeCadaObjeto(const BaseConocimiento &base)
{
    QMap<QString, Respuestas> objetos;
    std::vector<char> estado(BaseConocimiento::MaxLineas + 1, 0);
    int entradas = 0;
    RecorrerArbol(base, 1, estado, [&](const Camino &camino) {
        ++entradas;
        if (base.EsPregunta(camino.back()))
            return;
        Respuestas &respuestas = objetos[base.Texto(camino.back())];
        for (size_t i = 0; i + 1 < camino.size(); ++i)
            respuestas.append({base.Texto(camino[i]), base.Enlace(camino[i], true) == camino[i + 1]});
    });
    // A tree: every line in use is reached, and once.
    if (entradas != base.NumLineas)
        objetos.clear();
    return objetos;
}

// A tree grown by learning steps at random objects: objects "o1", "o2"... and questions "p1", "p2"...
BaseConocimiento ArbolAlAzar(QRandomGenerator &azar, int pasos)
{
    BaseConocimiento base;
    base.TextoLinea[1] = QStringLiteral("o0");
    for (int paso = 1; paso <= pasos; ++paso) {
        int linea = 1;
        while (base.EsPregunta(linea))
            linea = base.Enlace(linea, azar.bounded(2) == 1);
        const QString viejo = base.TextoLinea[linea];
        ConvertirEnPregunta(base, linea, azar.bounded(2) == 1, QStringLiteral("p%1").arg(paso));
        AnadirObjetos(base, viejo, QStringLiteral("o%1").arg(paso));
    }
    return base;
}

} // namespace

class TestEnmiendas : public QObject
{
    Q_OBJECT
private slots:
    // A random tree, a random mend: every object is still reached, by the answers it had less the removed
    // question's, or with the swapped question's answer turned; a second swap gives back the same bytes.
    void mendsKeepEveryOtherObjectsAnswers()
    {
        QRandomGenerator azar(599);
        for (int vuelta = 0; vuelta < 300; ++vuelta) {
            BaseConocimiento base = ArbolAlAzar(azar, 1 + azar.bounded(vuelta % 10 == 0 ? 299 : 12));
            const QMap<QString, Respuestas> antes = RespuestasDeCadaObjeto(base);
            const int linea = 1 + azar.bounded(int(base.NumLineas));
            const QString texto = base.TextoLinea[linea];
            QMap<QString, Respuestas> esperadas = antes;
            BaseConocimiento mendada = base;
            if (base.EsPregunta(linea)) {
                for (Respuestas &respuestas : esperadas)
                    for (auto &[pregunta, si] : respuestas)
                        si = pregunta == texto ? !si : si;
                IntercambiarSiNo(mendada, linea);
                BaseConocimiento deshecha = mendada;
                IntercambiarSiNo(deshecha, linea);
                QCOMPARE(ArchivoDe(deshecha), ArchivoDe(base));
            } else {
                QCOMPARE(ComprobarQuitar(base, linea),
                         linea == 1 ? ImpedimentoQuitar::UnicoObjeto : ImpedimentoQuitar::Ninguno);
                if (linea == 1)
                    continue;
                const QString encima = esperadas[texto].constLast().first;
                esperadas.remove(texto);
                for (Respuestas &respuestas : esperadas)
                    respuestas.removeIf([&](const auto &respuesta) { return respuesta.first == encima; });
                QuitarObjeto(mendada, linea);
                QCOMPARE(mendada.NumLineas, base.NumLineas - 2);
            }
            QCOMPARE(RespuestasDeCadaObjeto(mendada), esperadas);
        }
    }

    // Hand-edited files: what cannot be removed is left as it is; what can, links as the rows say, and the line of the
    // branch that took the question's place is told.
    void removalsOfHandEditedFiles_data()
    {
        Columnas<QByteArray, int, int, QByteArray, int>("enlaces", "linea", "impedimento", "despues", "lugar");
        // Each line as its "si,no" pair, lines 1..n; texts do not matter.
        const auto fila = [](const char *nombre, QByteArray enlaces, int linea, ImpedimentoQuitar impedimento,
                             QByteArray despues = {}, int lugar = 0) {
            QTest::newRow(nombre) << enlaces << linea << int(impedimento) << (despues.isEmpty() ? enlaces : despues)
                                  << lugar;
        };
        fila("a question", "2,3 0,0 0,0", 1, ImpedimentoQuitar::NoEsObjeto);
        fila("past the count", "2,3 0,0 0,0", 4, ImpedimentoQuitar::NoEsObjeto);
        fila("no line", "2,3 0,0 0,0", 0, ImpedimentoQuitar::NoEsObjeto);
        fila("the only object", "0,0", 1, ImpedimentoQuitar::UnicoObjeto);
        fila("two links to it", "2,3 3,3 0,0", 3, ImpedimentoQuitar::SinPregunta);
        fila("unlinked", "2,2 0,0 0,0", 3, ImpedimentoQuitar::SinPregunta);
        fila("other branch to no line", "2,9 0,0 0,0", 2, ImpedimentoQuitar::SinOtraRama);
        fila("other branch to itself", "1,2 0,0 0,0", 2, ImpedimentoQuitar::SinOtraRama);
        // The question would answer itself: every link to it leads to the branch that leads back to it.
        fila("the other branch leads back to the question", "2,3 0,0 1,4 0,0", 2, ImpedimentoQuitar::Bucle);
        fila("the other branch leads above the question", "2,3 4,5 0,0 0,0 1,6 0,0", 4, ImpedimentoQuitar::Bucle);
        fila("the question above reached twice", "2,3 6,7 2,4 0,0 0,0 0,0 0,0", 6, ImpedimentoQuitar::Ninguno,
             "5,2 5,3 0,0 0,0 0,0", 5);
        fila("the root's other branch also reached from below", "2,3 0,0 4,5 0,0 3,4", 2, ImpedimentoQuitar::Ninguno,
             "2,3 0,0 1,2", 1);
    }
    void removalsOfHandEditedFiles()
    {
        auto [enlaces, linea, impedimento, despues, lugar] =
            Celdas<QByteArray, int, int, QByteArray, int>("enlaces", "linea", "impedimento", "despues", "lugar");
        BaseConocimiento base;
        const QList<QByteArray> lineas = enlaces.split(' ');
        base.NumLineas = qint16(lineas.size());
        for (int n = 1; n <= base.NumLineas; ++n) {
            base.ValorSi[n] = qint16(lineas[n - 1].split(',')[0].toInt());
            base.ValorNo[n] = qint16(lineas[n - 1].split(',')[1].toInt());
        }
        QCOMPARE(int(ComprobarQuitar(base, linea)), impedimento);
        QCOMPARE(QuitarObjeto(base, linea), lugar);
        QByteArrayList resultado;
        for (int n = 1; n <= base.NumLineas; ++n)
            resultado << QByteArray::number(base.ValorSi[n]) + ',' + QByteArray::number(base.ValorNo[n]);
        QCOMPARE(resultado.join(' '), despues);
    }
};

QTEST_GUILESS_MAIN(TestEnmiendas)
#include "tst_enmiendas.moc"
