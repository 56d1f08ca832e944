#include "apoyo/ventanaprueba.h"

#include <QAccessible>
#include <QTest>

class TestAccesibilidad : public QObject
{
    Q_OBJECT
private slots:
    void init() { prueba = std::make_unique<VentanaPrueba>(); }
    void cleanup()
    {
        QVERIFY(prueba->plataforma->Comprobar());
        prueba.reset();
    }
    void everyControlHasASpanishName_data();
    void everyControlHasASpanishName();
    void coloursAreAlsoTold();

private:
    QString Accesible(const char *control, QAccessible::Text que) const
    {
        QAccessibleInterface *interfaz = QAccessible::queryAccessibleInterface(prueba->Control(control));
        return interfaz ? interfaz->text(que) : QStringLiteral("(none)");
    }
    std::unique_ptr<VentanaPrueba> prueba;
};

void TestAccesibilidad::everyControlHasASpanishName_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("nombre");
    const std::pair<const char *, const char *> nombres[] = {
        {"txtObjeto1", "Objeto 1"},
        {"txtObjeto2", "Objeto 2"},
        {"txtPreguntaUsr", "Pregunta / Edición"},
        {"txtTipoObjeto", "Tipo de objeto"},
        {"txtCarac", "Características"},
        {"RichTextBox1", "Archivo tvo"},
        {"txtRegistro", "Número de línea"},
        {"txtValorSi", "Enlace Sí"},
        {"txtValorNo", "Enlace No"},
        {"cmdSi", "Si"},
        {"cmdNo", "No"},
        {"cmdJugar", "Jugar"},
        {"cmdParar", "Parar"},
        {"cmdAyuda", "Help"},
        {"cmdVocab", "Vocab"},
        {"cmdSalir", "Salir"},
        {"cmdCrearArchTvo", "Nuevo"},
        {"cmdTvoDeDisco", "Abrir..."},
        {"cmdGuardar", "Guardar"},
        {"cmdGuardarComo", "Guardar como..."},
        {"cmdArrFirst", "| <"},
        {"cmdArrIzq", "<"},
        {"cmdArrDer", ">"},
        {"cmdArrLast", "> |"},
        {"lblL", "L"},
        {"lblTituloTvo", "El archivo tvo contiene 0 objetos"},
        {"lblHelp", "Especifique unos 5 objetos iniciales más o menos, con sus preguntas que serán sus categorias."},
        {"fraGuardar", "Guardar TVO"},
        {"fraObjeto1", "Objeto 1 (nuevo)"},
    };
    for (const auto &[control, nombre] : nombres)
        QTest::newRow(control) << QString::fromLatin1(control) << QString::fromUtf8(nombre);
}

void TestAccesibilidad::everyControlHasASpanishName()
{
    QFETCH(QString, control);
    QFETCH(QString, nombre);
    QCOMPARE(Accesible(qPrintable(control), QAccessible::Name), nombre);
}

void TestAccesibilidad::coloursAreAlsoTold()
{
    QCOMPARE(Accesible("txtObjeto2", QAccessible::Description), QStringLiteral("pregunta"));
    QCOMPARE(Accesible("txtPreguntaUsr", QAccessible::Description), QStringLiteral("pregunta"));
    QCOMPARE(Accesible("txtObjeto1", QAccessible::Description), QString());

    BaseConocimiento base;
    base.NumLineas = 3;
    base.ValorSi[1] = 2;
    base.ValorNo[1] = 3;
    prueba->Cargar(base);
    prueba->Pulsar("cmdJugar");
    prueba->Pulsar("cmdSi");
    QCOMPARE(Accesible("txtPreguntaUsr", QAccessible::Description), QStringLiteral("objeto adivinado"));
    QCOMPARE(Accesible("txtObjeto1", QAccessible::Description), QStringLiteral("pregunta"));
    prueba->Pulsar("cmdSi");
    QCOMPARE(Accesible("txtPreguntaUsr", QAccessible::Description), QStringLiteral("acertado"));
}

QTEST_MAIN(TestAccesibilidad)
#include "tst_accesibilidad.moc"
