#include "apoyo/util.h"
#include "apoyo/ventanaprueba.h"
#include "kb/escritortvo.h"
#include "kb/lectortvo.h"

#include <QDir>
#include <QLineEdit>
#include <QTest>

using Respuesta = Plataforma::Respuesta;

namespace {

const QByteArray Cabeceras = "0,0,0,\"Hostil\"\r\n0,0,0,\"Generado\"\r\n";

QByteArray Registros(int cuantos)
{
    QByteArray registros;
    for (int k = 1; k <= cuantos; ++k)
        registros += QByteArray::number(k) + ',' + QByteArray::number(k + 1 <= cuantos ? k + 1 : 0) + ",0,\"l" +
                     QByteArray::number(k) + "\"\r\n";
    return registros;
}

// Broken files that the tests make themselves, too large to keep in the data folder.
QByteArray Generado(const QString &nombre)
{
    if (nombre == "cuenta-598.tvo")
        return Cabeceras + "0,0,0,\" 598\"\r\n" + Registros(598);
    if (nombre == "cuenta-600.tvo")
        return Cabeceras + "0,0,0,\" 600\"\r\n" + Registros(600);
    return Cabeceras + "0,0,0,\" 1\"\r\n1,0,0,\"" + QByteArray(1 << 20, 'x') + "\"\r\n";
}

constexpr int SinComprobar = -99999;

} // namespace

class TestHostiles : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void brokenFilesOpenPlayLearnBrowseAndSave_data();
    void brokenFilesOpenPlayLearnBrowseAndSave();

private:
    std::unique_ptr<VentanaPrueba> prueba;
    frmElTarvo *ventana = nullptr;
    PlataformaGuion *guion = nullptr;

    bool Habilitado(const char *nombre) const { return prueba->Control(nombre)->isEnabled(); }
    QList<int> Errores(const QString &comando) const;
    void Jugar();
    void Navegar();
};

void TestHostiles::init()
{
    prueba = std::make_unique<VentanaPrueba>();
    ventana = prueba->ventana.get();
    guion = prueba->plataforma.get();
    // Ignore to every error, OK to every other message.
    guion->ResponderSiempre(Respuesta::Omitir);
}

void TestHostiles::cleanup()
{
    QVERIFY(guion->Comprobar());
    prueba.reset();
}

QList<int> TestHostiles::Errores(const QString &comando) const
{
    QList<int> errores;
    const QString prefijo = comando + QStringLiteral(" - Error ");
    for (const auto &mensaje : guion->mensajes)
        if (mensaje.titulo.startsWith(prefijo))
            errores << mensaje.titulo.mid(prefijo.size()).section(QLatin1Char(' '), 0, 0).toInt();
    return errores;
}

// A game from line 1 that answers Si and No in turn, says No to a guess, and teaches what it is asked to.
void TestHostiles::Jugar()
{
    prueba->Pulsar("cmdJugar");
    for (int paso = 0; paso < 40 && Habilitado("cmdSi"); ++paso) {
        if (ventana->ModoAprender) {
            prueba->Teclear("txtObjeto1", "nuevo");
            prueba->Teclear("txtPreguntaUsr", "otra?");
            prueba->Pulsar("cmdSi");
            break;
        }
        const bool pregunta = ventana->Base.EsPregunta(ventana->LineaActual);
        prueba->Pulsar(pregunta && paso % 2 == 0 ? "cmdSi" : "cmdNo");
        // A guess that cannot be learned from (a full or damaged base) is confirmed instead.
        if (!pregunta && !ventana->ModoAprender && Habilitado("cmdSi")) {
            prueba->Pulsar("cmdSi");
            break;
        }
    }
    if (Habilitado("cmdParar"))
        prueba->Pulsar("cmdParar");
}

void TestHostiles::Navegar()
{
    for (const char *boton : {"cmdArrFirst", "cmdArrIzq", "cmdArrDer", "cmdArrLast", "cmdArrDer", "cmdArrIzq"})
        prueba->Pulsar(boton);
    auto *registro = prueba->Control<QLineEdit>("txtRegistro");
    for (const char *numero : {"0", "599", "600", "-1", "32768", "abc", "2"}) {
        registro->setText(QString::fromLatin1(numero));
        QTest::keyClick(registro, Qt::Key_Return);
        QVERIFY(BaseConocimiento::LineaUsable(ventana->LineaActual));
    }
}

void TestHostiles::brokenFilesOpenPlayLearnBrowseAndSave_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QList<int>>("errores");
    QTest::addColumn<int>("numLineas");
    auto fila = [](const char *nombre, QList<int> errores, int numLineas) {
        QTest::newRow(nombre) << QString::fromLatin1(nombre) << errores << numLineas;
    };
    fila("cuenta-cero.tvo", {}, 0);
    fila("cuenta-negativa.tvo", {}, -5);
    fila("cuenta-598.tvo", {}, 598);
    fila("cuenta-600.tvo", {9}, 599);
    fila("cuenta-32768.tvo", {6}, 0);
    fila("cuenta-2-5.tvo", {}, 2);
    fila("cuenta-sin-numero.tvo", {}, 0);
    fila("faltan-registros.tvo", {62, 62}, 5);
    fila("registros-partidos.tvo", {}, 3);
    fila("comilla-sin-cerrar.tvo", {62}, 2);
    fila("enlaces-negativos.tvo", {}, 3);
    fila("cero-a-un-lado.tvo", {}, 3);
    fila("enlace-sobre-599.tvo", {}, 3);
    fila("enlace-a-si-misma.tvo", {}, 3);
    fila("bytes-nulos.tvo", {}, 1);
    fila("texto-1mb.tvo", {}, 1);
    fila("bytes-al-azar.tvo", {SinComprobar}, SinComprobar);
    fila("vacio.tvo", {62, 62, 62}, 0);
    fila("una-carpeta", {75, 52, 52, 52}, 0);
}

void TestHostiles::brokenFilesOpenPlayLearnBrowseAndSave()
{
    QFETCH(QString, nombre);
    QFETCH(QList<int>, errores);
    QFETCH(int, numLineas);
    const QString ruta = QDir::toNativeSeparators(prueba->carpeta.filePath(nombre));
    const QString datos = QStringLiteral(ELTARVO_DATOS_PRUEBA "/hostiles/") + nombre;
    if (nombre == "una-carpeta")
        QVERIFY(QDir().mkpath(ruta));
    else if (QFile::exists(datos))
        QVERIFY(QFile::copy(datos, ruta));
    else
        EscribirBytes(ruta, Generado(nombre));

    prueba->Cargar(BaseConocimiento());
    guion->ResponderArchivo(ruta);
    prueba->Pulsar("cmdTvoDeDisco");
    if (numLineas != SinComprobar) {
        QCOMPARE(Errores(QStringLiteral("Abrir")), errores);
        QCOMPARE(int(ventana->Base.NumLineas), numLineas);
    }
    QVERIFY(ventana->Base.NumLineas <= BaseConocimiento::MaxLineas);
    QVERIFY(!ventana->Modificado);
    QVERIFY(Habilitado("cmdJugar"));

    Jugar();
    QVERIFY(Habilitado("cmdJugar"));
    QVERIFY(BaseConocimiento::LineaUsable(ventana->LineaActual));
    Navegar();

    // Whatever was read is saved whole and reads back the same.
    const QString salida = QDir::toNativeSeparators(prueba->carpeta.filePath(QStringLiteral("salida.tvo")));
    guion->ResponderArchivo(salida);
    prueba->Pulsar("cmdGuardarComo");
    QCOMPARE(Errores(QStringLiteral("Guardar")), QList<int>());
    QVERIFY(!ventana->Modificado);
    BaseConocimiento releida;
    LectorTvo lector(releida, salida);
    while (!lector.Terminado())
        QCOMPARE(lector.EjecutarPaso(), 0);
    QCOMPARE(releida.NumLineas, ventana->Base.NumLineas);
    QVERIFY(releida.TextoLinea == ventana->Base.TextoLinea);
    QVERIFY(releida.ValorSi == ventana->Base.ValorSi);
    QVERIFY(releida.ValorNo == ventana->Base.ValorNo);
}

QTEST_MAIN(TestHostiles)
#include "tst_hostiles.moc"
