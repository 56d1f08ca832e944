#include "apoyo/util.h"
#include "herramienta/json.h"
#include "herramienta/revision.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

namespace {

// A JSON document without the line numbers it keeps.
QString SinLineas(const QByteArray &json)
{
    return QString::fromUtf8(json).remove(QRegularExpression(QStringLiteral(R"("linea": \d+)")));
}

} // namespace

class TestJson : public QObject
{
    Q_OBJECT
private slots:
    void importRefusesWhatTheGameCannotHold_data()
    {
        Columnas<QByteArray, QString>("json", "error");
        // A question node and an object node, as a person writes them, in a document with its headers.
        const auto P = [](const QString &texto, const QJsonValue &si, const QJsonValue &no) {
            return QJsonObject{{"pregunta", texto}, {"si", si}, {"no", no}};
        };
        const auto O = [](const QString &texto) { return QJsonObject{{"objeto", texto}}; };
        const auto Documento = [](const QJsonValue &arbol, const QJsonArray &sueltas = {}) {
            const QJsonObject documento{
                {"tipoObjeto", "Animales"}, {"caracteristicas", ""}, {"arbol", arbol}, {"sueltas", sueltas}};
            return QJsonDocument(documento).toJson();
        };
        // A ladder of questions, each No leading to the next: 299 questions and 300 objects make 599 lines.
        QJsonObject escalera = O("último");
        for (int k = 0; k < 299; ++k)
            escalera = P("¿Pregunta?", O("objeto"), escalera);
        const auto fila = [](const char *nombre, const QByteArray &json, const char *error) {
            QTest::newRow(nombre) << json << QString::fromUtf8(error);
        };
        const QJsonObject vueltaANada{{"linea", 9}, {"vuelve", true}};
        fila("malformed", "{\"arbol\": ", "JSON mal formado en el carácter 10: unterminated object");
        fila("not an object", "[]", "el documento no es un objeto JSON");
        fila("no header", "{}", "tipoObjeto: falta el texto");
        fila("a quote in a header", "{\"tipoObjeto\": \"a\\\"b\"}", "tipoObjeto: el texto tiene comillas dobles");
        fila("a quote in a text", Documento(P("¿Dice \"hola\"?", O("a"), O("b"))),
             "arbol: el texto tiene comillas dobles");
        fila("a text over 32766", Documento(P("¿Q?", O("a"), O(QString(32767, 'x')))),
             "arbol.no: el texto pasa de 32766 caracteres");
        fila("599 lines", Documento(escalera), "");
        fila("600 lines", Documento(escalera, {O("suelto")}), "sueltas[0]: el árbol pasa de 599 líneas");
        fila("a question without No", Documento(P("¿Q?", O("a"), QJsonValue::Null)),
             "arbol.no: a la pregunta le falta esta respuesta");
        fila("a node that is neither", Documento(P("¿Q?", O("a"), QJsonObject{{"texto", "b"}})),
             "arbol.no: no es ni una pregunta ni un objeto");
        fila("a node that is both", Documento(P("¿Q?", QJsonObject{{"pregunta", "a"}, {"objeto", "a"}}, O("b"))),
             "arbol.si: no es ni una pregunta ni un objeto");
        fila("a branch that is no node", Documento(P("¿Q?", O("a"), 7)), "arbol.no: no es un nodo");
        fila("a link back to no node", Documento(P("¿Q?", O("a"), vueltaANada)),
             "arbol.no: vuelve a la línea 9, que ningún nodo tiene");
        fila("loose lines without a tree", Documento(QJsonValue::Null, {O("a")}),
             "arbol: no hay árbol, pero sí líneas sueltas");
        // Found by fuzzing: a line that two links reach, breadth-first through the shallower one.
        fila("a line reached twice",
             Documento(P("a", P("b", O("a"), QJsonObject{{"linea", 1}, {"vuelve", true}}),
                         QJsonObject{{"linea", 1}, {"objeto", ""}})),
             "");
        fila(
            "two nodes with one line",
            Documento(P("¿Q?", QJsonObject{{"linea", 1}, {"objeto", "a"}}, QJsonObject{{"linea", 1}, {"objeto", "b"}})),
            "arbol.no: la línea 1 ya es la de otro nodo");
        // Numbered breadth-first, the link would reach the node before the tree gives it.
        fila("a link back to a node given further on",
             Documento(P("¿Q?", P("¿R?", O("a"), QJsonObject{{"linea", 7}, {"objeto", "b"}}),
                         QJsonObject{{"linea", 7}, {"vuelve", true}})),
             "arbol.no: vuelve a la línea 7, que el árbol da más adelante");
    }

    void importRefusesWhatTheGameCannotHold()
    {
        auto [json, error] = Celdas<QByteArray, QString>("json", "error");
        const BaseImportada importada = BaseDesdeJson(json);
        QCOMPARE(importada.error, error);
        // What is taken goes to JSON and comes back byte for byte.
        if (error.isEmpty())
            QCOMPARE(ArchivoDe(BaseDesdeJson(BaseComoJson(importada.base)).base), ArchivoDe(importada.base));
    }

    // Every file of the companion tool's cases: json, import, json and import again; a file whose tree has a
    // question without both answers or a text too long is refused, as the table above says how.
    void aBaseGoesToJsonAndBack_data()
    {
        QTest::addColumn<QString>("ruta");
        const QDir casos(QStringLiteral(ELTARVO_DATOS_PRUEBA "/herramienta"));
        for (const QString &nombre : casos.entryList({QStringLiteral("*.tvo")}, QDir::Files))
            QTest::newRow(qPrintable(nombre)) << casos.filePath(nombre);
        QTest::newRow("animales.tvo") << QStringLiteral(ELTARVO_EJEMPLO);
    }

    void aBaseGoesToJsonAndBack()
    {
        QFETCH(QString, ruta);
        static const QStringList rechazados = {
            "cuenta-par.tvo", "enlace-de-17-bits.tvo",  "enlaces-a-ninguna-linea.tvo",
            "rama.tvo",       "registros-partidos.tvo", "texto-largo.tvo"};
        BaseConocimiento leida;
        QVERIFY(LeerBase(ruta, leida));
        const QByteArray json = BaseComoJson(leida);
        const BaseImportada ida = BaseDesdeJson(json);
        QCOMPARE(ida.error.isEmpty(), !rechazados.contains(QFileInfo(ruta).fileName()));
        if (!ida.error.isEmpty())
            return;
        // The same tree and texts, numbered breadth-first; so numbered, it comes back byte for byte.
        const QByteArray vuelta = BaseComoJson(ida.base);
        QCOMPARE(SinLineas(vuelta), SinLineas(json));
        QCOMPARE(ArchivoDe(BaseDesdeJson(vuelta).base), ArchivoDe(ida.base));
    }
};

QTEST_GUILESS_MAIN(TestJson)
#include "tst_json.moc"
