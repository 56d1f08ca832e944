#include "apoyo/util.h"
#include "arbol/modeloarbol.h"
#include "kb/lectortvo.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

using M = ModeloArbol;

namespace {

// One string a line: its Sí link, its No link and its text, apart by blanks.
BaseConocimiento Base(const QStringList &lineas)
{
    BaseConocimiento base;
    base.NumLineas = static_cast<qint16>(lineas.size());
    for (int k = 1; k <= lineas.size(); ++k) {
        base.ValorSi[k] = lineas[k - 1].section(u' ', 0, 0).toShort();
        base.ValorNo[k] = lineas[k - 1].section(u' ', 1, 1).toShort();
        base.TextoLinea[k] = lineas[k - 1].section(u' ', 2);
    }
    return base;
}

// Every row depth-first, two blanks a level: "text (line)", then a star on the game's path, two on its last line.
QString Volcado(const QAbstractItemModel &modelo, const QModelIndex &padre = {}, const QString &sangria = {})
{
    QString volcado;
    for (int fila = 0; fila < modelo.rowCount(padre); ++fila) {
        const QModelIndex hijo = modelo.index(fila, 0, padre);
        volcado += sangria + hijo.data().toString() + " (" + hijo.siblingAtColumn(1).data().toString() + ")" +
                   QString(hijo.data(M::MarcaRol).toInt(), u'*') + "\n" + Volcado(modelo, hijo, sangria + "  ");
    }
    return volcado;
}

} // namespace

class TestArbol : public QObject
{
    Q_OBJECT
private slots:
    void staysSoundOnAnyBase_data()
    {
        QTest::addColumn<QString>("ruta");
        QTest::newRow("random links") << QString();
        for (const char *carpeta : {"/hostiles", "/fuzz"})
            for (const QFileInfo &archivo : QDir(ELTARVO_DATOS_PRUEBA + QString(carpeta)).entryInfoList(QDir::Files))
                QTest::newRow(qPrintable(archivo.fileName())) << archivo.filePath();
    }

    // A hostile file, then bases of random links (cycles, two parents, links to no line) and random paths.
    void staysSoundOnAnyBase()
    {
        QFETCH(QString, ruta);
        BaseConocimiento base;
        if (!ruta.isEmpty())
            LectorTvo(base, ruta).LeerIgnorandoErrores();
        M modelo(base);
        QAbstractItemModelTester probador(&modelo, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QRandomGenerator azar(qHash(ruta));
        for (int vuelta = 0; vuelta < 40; ++vuelta) {
            // Every line in use is shown expanded, at a row of its own.
            for (int k = 0; k <= BaseConocimiento::MaxLineas; ++k) {
                const QModelIndex fila = modelo.IndiceDeLinea(k);
                QCOMPARE(fila.isValid(), base.Existe(k));
                QVERIFY(!fila.isValid() || (fila.data(M::LineaRol) == k && fila.data(M::ClaseRol) != M::Enlace));
            }
            modelo.PonerCamino({1, azar.bounded(-1, 601), azar.bounded(-1, 601)});
            const int tope = QList<int>{0, 1, 2, -3, 599}.value(vuelta, azar.bounded(1, 600));
            base.NumLineas = static_cast<qint16>(tope);
            for (int k = 1; k <= BaseConocimiento::MaxLineas; ++k)
                for (auto *enlaces : {&base.ValorSi, &base.ValorNo})
                    (*enlaces)[k] = static_cast<qint16>(azar.bounded(2) ? 0 : azar.bounded(-1, tope + 3));
            modelo.Reconstruir();
        }
    }

    void showsTheTree_data()
    {
        Columnas<QStringList, QList<int>, QString>("lineas", "camino", "filas");
        QTest::newRow("tree, line breaks")
            << QStringList{"2 3 ¿Vuela\r\nalto?", "0 0 Pájaro\rgrande", "0 0 Perro\nchico"} << QList<int>{1, 3}
            << "¿Vuela / alto? (1)*\n  Sí: Pájaro / grande (2)\n  No: Perro / chico (3)**\n";
        QTest::newRow("cycle, no line")
            << QStringList{"2 0 A", "1 4 B"} << QList<int>{}
            << "A (1)\n  Sí: B (2)\n    Sí: → línea 1 (1)\n    No: → línea 4 (no existe) (4)\n"
               "  No: → línea 0 (no existe) (0)\n";
        // The path goes through line 1's No link; line 3 is marked where it is shown expanded.
        QTest::newRow("two parents") << QStringList{"2 3 A", "3 4 B", "0 0 C", "0 0 D"} << QList<int>{1, 3}
                                     << "A (1)*\n  Sí: B (2)\n    Sí: C (3)**\n    No: D (4)\n  No: → línea 3 (3)\n";
        QTest::newRow("unreached") << QStringList{"0 0 A", "3 1 B", "0 0 C", "5 2 D", "0 0 E"} << QList<int>{}
                                   << "A (1)\nSin enlazar ()\n  B (2)\n    Sí: C (3)\n    No: → línea 1 (1)\n"
                                      "  D (4)\n    Sí: E (5)\n    No: → línea 2 (2)\n";
        // 199 characters, 201 on one line.
        QTest::newRow("long text") << QStringList{"0 0 " + QString(197, u'x') + "\ny"} << QList<int>{}
                                   << QString(197, u'x') + " / … (1)\n";
    }

    // The path set before a rebuild, as a learning step in play would, stays marked.
    void showsTheTree()
    {
        const auto [lineas, camino, filas] = Celdas<QStringList, QList<int>, QString>("lineas", "camino", "filas");
        const BaseConocimiento base = Base(lineas);
        M modelo(base);
        modelo.PonerCamino(camino);
        modelo.Reconstruir();
        QCOMPARE(Volcado(modelo), filas);
    }

    void findsAndSignalsTheRowsOfLines()
    {
        // Line 2 shows expanded under line 3, and as a link leaf under line 1; line 3's accent is a combining mark;
        // line 5, which nothing reaches, is the last row. The matches take in the first row and the last.
        const BaseConocimiento base = Base(
            {"3 2 ¿Es un ÁRBOL?", "0 0 Pingüino del árbol", "2 4 A\u0301rbol", "0 0 Arbusto", "0 0 Un árbol suelto"});
        M modelo(base);
        const auto fila = [&](int linea) { return modelo.IndiceDeLinea(linea); };
        QCOMPARE(modelo.Buscar("arbol"), (QModelIndexList{fila(1), fila(3), fila(2), fila(5)}));
        QCOMPARE(modelo.Buscar("PINGÜINO"), QModelIndexList{fila(2)});
        QCOMPARE(modelo.Buscar("línea") + modelo.Buscar(""), QModelIndexList());
        QSignalSpy cambios(&modelo, &QAbstractItemModel::dataChanged);
        modelo.PonerCamino({1, 3, 2});
        modelo.PonerCamino({1, 3, 4});
        // Lines 1 and 3 stay on the path: the second path changes the rows of lines 2 and 4 alone.
        QCOMPARE(cambios.size(), 5);
    }
};

QTEST_GUILESS_MAIN(TestArbol)
#include "tst_arbol.moc"
