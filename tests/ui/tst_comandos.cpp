#include "apoyo/pruebadeventana.h"
#include "apoyo/util.h"
#include "ui/controles/cajatexto.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using Respuesta = Plataforma::Respuesta;
using Botones = Plataforma::Botones;
using Icono = Plataforma::Icono;

namespace {

const QByteArray Cabeceras = "0,0,0,\"Objeto (tipo de objeto)\"\r\n"
                             "0,0,0,\"Caracter\xedsticas del archivo\"\r\n";
// What the first learning step of TestComandos::Ensenar() gives.
const QByteArray ArchivoEnsenado = Cabeceras + "0,0,0,\" 3\"\r\n1,2,3,\"Ladra?\"\r\n2,0,0,\"perro\"\r\n"
                                               "3,0,0,\"gato\"\r\n";
const QByteArray ArchivoTres = "0,0,0,\"Animales\"\r\n0,0,0,\"Mascotas, sobre todo\"\r\n0,0,0,\" 3\"\r\n"
                               "1,2,3,\"Vuela?\"\r\n2,0,0,\"loro\"\r\n3,0,0,\"gato\"\r\n";

} // namespace

class TestComandos : public PruebaDeVentana
{
    Q_OBJECT
private slots:

    void saveOfANewDocumentGoesThroughSaveAs();
    void saveAsCancelledLeavesTheDocumentUnnamedAndChanged();
    void saveAsOntoAnExistingFileAsksFirst_data();
    void saveAsOntoAnExistingFileAsksFirst();
    void aNameWithoutExtensionIsUsedAsTyped();
    void saveAfterOpenWritesWithoutAsking();
    void failedSaveAsAsksToContinue_data();
    void failedSaveAsAsksToContinue();
    void failedPlainSaveKeepsTheDocumentChanged();

    void opensAThreeLineFile();
    void openAsksToSaveAChangedDocument_data();
    void openAsksToSaveAChangedDocument();
    void openRightAfterOpenAsksNothing();
    void openDialogCancelledChangesNothing();
    void openFileWithFewerRecordsThanItsCount();
    void openMissingFileRetryThenIgnore();
    void abortWhileOpeningEndsTheProgram();
    void openCountAbove599StopsAtLine599();

    void exitAsksAboutAChangedDocument_data();
    void exitAsksAboutAChangedDocument();
    void exitAfterASaveAsksNothing();
    void newDocument_data();
    void newDocument();
    void newOnANeverSavedDocumentOffersSaveAs();
    void savedGameOpensAgainAsItWas();

private:
    QString Ruta(const QString &nombre) const { return QDir::toNativeSeparators(prueba->carpeta.filePath(nombre)); }
    QString Texto(const char *caja) const { return Control<CajaTexto>(caja)->Texto(); }
    QString Visor() const { return Control<QPlainTextEdit>("RichTextBox1")->toPlainText(); }
    void Ensenar();
    void Abrir(const QString &nombre, const QByteArray &contenido);
    void VerificarError(int indice, const QString &comando, int error) const;
};

// The first learning step of the new document: the file commands become usable.
void TestComandos::Ensenar()
{
    prueba->Teclear("txtObjeto1", "gato");
    prueba->Teclear("txtObjeto2", "perro");
    prueba->Teclear("txtPreguntaUsr", "Ladra?");
    prueba->Pulsar("cmdSi");
}

// Opens a file of the given bytes through "Abrir...", from a document that has no unsaved changes.
void TestComandos::Abrir(const QString &nombre, const QByteArray &contenido)
{
    EscribirBytes(Ruta(nombre), contenido);
    ventana->Modificado = false;
    ventana->ControlesFueraDeJuego();
    guion->ResponderArchivo(Ruta(nombre));
    prueba->Pulsar("cmdTvoDeDisco");
}

void TestComandos::VerificarError(int indice, const QString &comando, int error) const
{
    QVERIFY(indice < guion->mensajes.size());
    const auto &mensaje = guion->mensajes[indice];
    QCOMPARE(mensaje.texto, QStringLiteral("¿Continuar?"));
    QCOMPARE(mensaje.titulo, comando + QStringLiteral(" - Error %1 inesperado").arg(error));
    QCOMPARE(mensaje.botones, Botones::AnularReintentarOmitir);
    QCOMPARE(mensaje.icono, Icono::Error);
}

void TestComandos::saveOfANewDocumentGoesThroughSaveAs()
{
    Ensenar();
    guion->ResponderArchivo(Ruta("animales.tvo"));
    prueba->Pulsar("cmdGuardar");
    QCOMPARE(guion->dialogos.size(), 1);
    QCOMPARE(guion->dialogos[0].dialogo, Plataforma::Dialogo::Guardar);
    QCOMPARE(guion->dialogos[0].titulo, QStringLiteral("Guardar archivo tvo"));
    QCOMPARE(guion->dialogos[0].filtro, QStringLiteral("Archivos tarvo (*.tvo) |*.tvo|"));
    QCOMPARE(LeerBytes(Ruta("animales.tvo")), ArchivoEnsenado);
    QCOMPARE(ventana->RutaArch, Ruta("animales.tvo"));
    QCOMPARE(ventana->windowTitle(), QStringLiteral("animales.tvo - El Tarvo"));
    QCOMPARE(Control<QLabel>("lblNomArchTvo")->text(), Ruta("animales.tvo"));
    QVERIFY(!ventana->Modificado);
    QVERIFY(!ventana->EsArchivoNuevo);
    QVERIFY(Visor().startsWith(QStringLiteral("0,0,0,\"Objeto (tipo de objeto)\"\n")));
    QVERIFY(Visor().contains(QStringLiteral("1,2,3,\"Ladra?\"")));
    QVERIFY(guion->mensajes.isEmpty());
}

void TestComandos::saveAsCancelledLeavesTheDocumentUnnamedAndChanged()
{
    Ensenar();
    const QString ruta = ventana->RutaArch;
    ventana->Modificado = false;
    guion->ResponderArchivo(std::nullopt);
    prueba->Pulsar("cmdGuardarComo");
    QVERIFY(ventana->Modificado);
    QVERIFY(ventana->EsArchivoNuevo);
    QCOMPARE(ventana->RutaArch, ruta);
    QCOMPARE(ventana->windowTitle(), QStringLiteral("Nuevo.tvo - El Tarvo"));
    QVERIFY(guion->mensajes.isEmpty());
    QCOMPARE(LeerBytes(Ruta("Nuevo.tvo")), LeerBytes(QStringLiteral(ELTARVO_NUEVO_TVO)));
}

void TestComandos::saveAsOntoAnExistingFileAsksFirst_data()
{
    QTest::addColumn<Respuesta>("respuesta");
    QTest::newRow("Yes replaces it") << Respuesta::Si;
    QTest::newRow("No beeps and keeps it") << Respuesta::No;
}

void TestComandos::saveAsOntoAnExistingFileAsksFirst()
{
    QFETCH(Respuesta, respuesta);
    Abrir("abierto.tvo", ArchivoTres);
    EscribirBytes(Ruta("existe.tvo"), "viejo");
    guion->ResponderArchivo(Ruta("existe.tvo"));
    guion->ResponderMensaje(respuesta);
    prueba->Pulsar("cmdGuardarComo");
    QCOMPARE(guion->mensajes.size(), 1);
    QCOMPARE(guion->mensajes[0].texto, QStringLiteral("¿Sobreescribir?"));
    QCOMPARE(guion->mensajes[0].titulo, Ruta("existe.tvo").right(60));
    QCOMPARE(guion->mensajes[0].botones, Botones::SiNo);
    QCOMPARE(guion->mensajes[0].icono, Icono::Exclamacion);
    const bool reemplaza = respuesta == Respuesta::Si;
    QCOMPARE(LeerBytes(Ruta("existe.tvo")), reemplaza ? ArchivoTres : QByteArray("viejo"));
    QCOMPARE(guion->pitidos, reemplaza ? 0 : 1);
    QCOMPARE(ventana->RutaArch, Ruta(reemplaza ? "existe.tvo" : "abierto.tvo"));

    // A later "Guardar" writes to the document's own file without a dialog.
    ventana->Base.TextoLinea[2] = QStringLiteral("paloma");
    prueba->Pulsar("cmdGuardar");
    QVERIFY(LeerBytes(ventana->RutaArch).contains("2,0,0,\"paloma\""));
}

void TestComandos::aNameWithoutExtensionIsUsedAsTyped()
{
    Ensenar();
    guion->ResponderArchivo(Ruta("sin-extension"));
    prueba->Pulsar("cmdGuardarComo");
    QCOMPARE(LeerBytes(Ruta("sin-extension")), ArchivoEnsenado);
    QVERIFY(!QFile::exists(Ruta("sin-extension.tvo")));
    QCOMPARE(ventana->windowTitle(), QStringLiteral("sin-extension - El Tarvo"));
}

void TestComandos::saveAfterOpenWritesWithoutAsking()
{
    Abrir("tres.tvo", ArchivoTres);
    Control<CajaTexto>("txtPreguntaUsr")->PonerTexto(QStringLiteral("no se guarda"));
    ventana->Base.TextoLinea[3] = QStringLiteral("perro");
    ventana->Modificado = true;
    prueba->Pulsar("cmdGuardar");
    QByteArray esperado = ArchivoTres;
    esperado.replace("3,0,0,\"gato\"", "3,0,0,\"perro\"");
    QCOMPARE(LeerBytes(Ruta("tres.tvo")), esperado);
    QVERIFY(Visor().contains(QStringLiteral("3,0,0,\"perro\"")));
    QVERIFY(!ventana->Modificado);
    QVERIFY(guion->dialogos.size() == 1 && guion->mensajes.isEmpty());
}

void TestComandos::failedSaveAsAsksToContinue_data()
{
    QTest::addColumn<QList<Respuesta>>("respuestas");
    QTest::addColumn<bool>("termina");
    QTest::newRow("Ignore") << QList<Respuesta>{Respuesta::Omitir} << false;
    QTest::newRow("Retry, then Ignore") << QList<Respuesta>{Respuesta::Reintentar, Respuesta::Omitir} << false;
    QTest::newRow("Abort") << QList<Respuesta>{Respuesta::Anular} << true;
    // An answer the question does not offer is never taken as Abort: the question is asked again.
    QTest::newRow("an unexpected answer, then Ignore")
        << QList<Respuesta>{Respuesta::Cancelar, Respuesta::Omitir} << false;
}

void TestComandos::failedSaveAsAsksToContinue()
{
    QFETCH(QList<Respuesta>, respuestas);
    QFETCH(bool, termina);
    Ensenar();
    const QString destino = Ruta("no-hay-carpeta/animales.tvo");
    guion->ResponderArchivo(destino);
    for (Respuesta respuesta : respuestas)
        guion->ResponderMensaje(respuesta);
    prueba->Pulsar("cmdGuardarComo");
    QCOMPARE(guion->mensajes.size(), respuestas.size());
    for (int i = 0; i < respuestas.size(); ++i)
        VerificarError(i, QStringLiteral("Guardar"), 76);
    QCOMPARE(guion->terminado, termina);
    // The path was taken before writing; nothing was written, so the document is still unsaved.
    QCOMPARE(ventana->RutaArch, destino);
    QVERIFY(!ventana->EsArchivoNuevo);
    QVERIFY(ventana->Modificado);
    QCOMPARE(ventana->windowTitle(),
             termina ? QStringLiteral("Nuevo.tvo - El Tarvo") : QStringLiteral("animales.tvo - El Tarvo"));
}

void TestComandos::failedPlainSaveKeepsTheDocumentChanged()
{
    QVERIFY(QDir(prueba->carpeta.path()).mkdir(QStringLiteral("sub")));
    Abrir(QStringLiteral("sub/tres.tvo"), ArchivoTres);
    QVERIFY(QDir(prueba->carpeta.filePath(QStringLiteral("sub"))).removeRecursively());
    ventana->Modificado = true;
    guion->ResponderMensaje(Respuesta::Omitir);
    prueba->Pulsar("cmdGuardar");
    VerificarError(0, QStringLiteral("Guardar"), 76);
    QVERIFY(ventana->Modificado);
    QVERIFY(!guion->terminado);
}

void TestComandos::opensAThreeLineFile()
{
    Ensenar();
    prueba->Teclear("txtObjeto1", "lo que pienso");
    EscribirBytes(Ruta("tres.tvo"), ArchivoTres);
    guion->ResponderMensaje(Respuesta::No);
    guion->ResponderArchivo(Ruta("tres.tvo"));
    prueba->Pulsar("cmdTvoDeDisco");

    QCOMPARE(guion->mensajes.size(), 1);
    QCOMPARE(guion->mensajes[0].texto, QStringLiteral("¿Desea guardar el archivo actual?"));
    QCOMPARE(guion->mensajes[0].titulo, Ruta("Nuevo.tvo").right(60));
    QCOMPARE(guion->mensajes[0].botones, Botones::SiNoCancelar);
    QCOMPARE(guion->mensajes[0].icono, Icono::Exclamacion);
    QCOMPARE(guion->dialogos[0].dialogo, Plataforma::Dialogo::Abrir);
    QCOMPARE(guion->dialogos[0].titulo, QStringLiteral("Abrir archivo tvo"));
    QCOMPARE(guion->dialogos[0].filtro, QStringLiteral("Archivos tarvo (*.tvo) |*.tvo|"));

    QCOMPARE(Control<QLabel>("lblTituloTvo")->text(), QStringLiteral("El archivo tvo contiene  2 objetos"));
    QCOMPARE(Control<QLineEdit>("txtRegistro")->text(), QStringLiteral("1"));
    QCOMPARE(Control<QLineEdit>("txtValorSi")->text(), QStringLiteral("2"));
    QCOMPARE(Control<QLineEdit>("txtValorNo")->text(), QStringLiteral("3"));
    QCOMPARE(Texto("txtPreguntaUsr"), QStringLiteral("Vuela?"));
    QCOMPARE(Texto("txtObjeto2"), QString());
    QCOMPARE(Texto("txtObjeto1"), QStringLiteral("lo que pienso"));
    QCOMPARE(Texto("txtTipoObjeto"), QStringLiteral("Animales"));
    QCOMPARE(Texto("txtCarac"), QStringLiteral("Mascotas, sobre todo"));
    QCOMPARE(prueba->Colores(), QStringLiteral("amarillo blanco amarillo"));
    QCOMPARE(ventana->windowTitle(), QStringLiteral("tres.tvo - El Tarvo"));
    QCOMPARE(Control<QLabel>("lblNomArchTvo")->text(), Ruta("tres.tvo"));
    QVERIFY(!ventana->Modificado);
    QVERIFY(!ventana->EsArchivoNuevo);
    QVERIFY(!ventana->ModoAprender);
    QVERIFY(Control("cmdJugar")->isEnabled());
    QVERIFY(!Control("cmdSi")->isEnabled());
    QVERIFY(Visor().contains(QStringLiteral("1,2,3,\"Vuela?\"")));
    QCOMPARE(ventana->Base.TextoLinea[2], QStringLiteral("loro"));
}

void TestComandos::openAsksToSaveAChangedDocument_data()
{
    QTest::addColumn<Respuesta>("respuesta");
    QTest::addColumn<bool>("abre");
    QTest::newRow("Cancel: nothing happens") << Respuesta::Cancelar << false;
    QTest::newRow("Yes: Save As cancelled, the opening goes on") << Respuesta::Si << true;
    QTest::newRow("an unexpected answer keeps the document") << Respuesta::Aceptar << false;
}

void TestComandos::openAsksToSaveAChangedDocument()
{
    QFETCH(Respuesta, respuesta);
    QFETCH(bool, abre);
    Ensenar();
    EscribirBytes(Ruta("tres.tvo"), ArchivoTres);
    guion->ResponderMensaje(respuesta);
    if (abre) {
        guion->ResponderArchivo(std::nullopt);
        guion->ResponderArchivo(Ruta("tres.tvo"));
    }
    prueba->Pulsar("cmdTvoDeDisco");
    QCOMPARE(guion->dialogos.size(), abre ? 2 : 0);
    QCOMPARE(ventana->Base.TextoLinea[1], QString::fromLatin1(abre ? "Vuela?" : "Ladra?"));
    QCOMPARE(ventana->Modificado, !abre);
}

void TestComandos::openRightAfterOpenAsksNothing()
{
    Abrir("tres.tvo", ArchivoTres);
    guion->ResponderArchivo(Ruta("tres.tvo"));
    prueba->Pulsar("cmdTvoDeDisco");
    QVERIFY(guion->mensajes.isEmpty());
    QCOMPARE(guion->dialogos.size(), 2);
}

void TestComandos::openDialogCancelledChangesNothing()
{
    Abrir("tres.tvo", ArchivoTres);
    const QString visor = Visor();
    guion->ResponderArchivo(std::nullopt);
    prueba->Pulsar("cmdTvoDeDisco");
    QCOMPARE(ventana->Base.TextoLinea[1], QStringLiteral("Vuela?"));
    QCOMPARE(ventana->windowTitle(), QStringLiteral("tres.tvo - El Tarvo"));
    QCOMPARE(Visor(), visor);
    QVERIFY(guion->mensajes.isEmpty());
}

void TestComandos::openFileWithFewerRecordsThanItsCount()
{
    guion->ResponderMensaje(Respuesta::Omitir);
    guion->ResponderMensaje(Respuesta::Omitir);
    QByteArray cinco = ArchivoTres;
    Abrir("cinco.tvo", cinco.replace("\" 3\"", "\" 5\""));
    QCOMPARE(guion->mensajes.size(), 2);
    VerificarError(0, QStringLiteral("Abrir"), 62);
    VerificarError(1, QStringLiteral("Abrir"), 62);
    QCOMPARE(ventana->Base.NumLineas, qint16(5));
    QVERIFY(ventana->Base.TextoLinea[4].isEmpty() && ventana->Base.TextoLinea[5].isEmpty());
    QCOMPARE(Control<QLabel>("lblTituloTvo")->text(), QStringLiteral("El archivo tvo contiene  3 objetos"));
    QVERIFY(!ventana->Modificado);
    QVERIFY(!ventana->EsArchivoNuevo);
}

void TestComandos::openMissingFileRetryThenIgnore()
{
    ventana->Modificado = false;
    ventana->ControlesFueraDeJuego();
    guion->ResponderArchivo(Ruta("no-existe.tvo"));
    for (Respuesta respuesta :
         {Respuesta::Reintentar, Respuesta::Omitir, Respuesta::Omitir, Respuesta::Omitir, Respuesta::Omitir})
        guion->ResponderMensaje(respuesta);
    prueba->Pulsar("cmdTvoDeDisco");
    // The open fails twice; the reads that follow fail in turn until the count, which leaves no line.
    const QList<int> errores = {53, 53, 52, 52, 52};
    QCOMPARE(guion->mensajes.size(), errores.size());
    for (int i = 0; i < errores.size(); ++i)
        VerificarError(i, QStringLiteral("Abrir"), errores[i]);
    QCOMPARE(ventana->Base.NumLineas, qint16(0));
    QCOMPARE(ventana->RutaArch, Ruta("no-existe.tvo"));
    QCOMPARE(ventana->windowTitle(), QStringLiteral("no-existe.tvo - El Tarvo"));
    QVERIFY(Visor().isEmpty());
}

void TestComandos::abortWhileOpeningEndsTheProgram()
{
    Ensenar();
    guion->ResponderMensaje(Respuesta::No);
    guion->ResponderArchivo(Ruta("no-existe.tvo"));
    guion->ResponderMensaje(Respuesta::Anular);
    prueba->Pulsar("cmdTvoDeDisco");
    QVERIFY(guion->terminado);
    QCOMPARE(guion->mensajes.size(), 2);
    VerificarError(1, QStringLiteral("Abrir"), 53);
    // Nothing after the abort ran: what was read is not shown.
    QVERIFY(ventana->EsArchivoNuevo);
}

void TestComandos::openCountAbove599StopsAtLine599()
{
    QByteArray grande = Cabeceras + "0,0,0,\" 700\"\r\n";
    for (int k = 1; k <= 700; ++k)
        grande += "1,0,0,\"x\"\r\n";
    guion->ResponderMensaje(Respuesta::Reintentar);
    guion->ResponderMensaje(Respuesta::Omitir);
    Abrir("grande.tvo", grande);
    VerificarError(0, QStringLiteral("Abrir"), 9);
    VerificarError(1, QStringLiteral("Abrir"), 9);
    QCOMPARE(ventana->Base.NumLineas, qint16(599));
    QCOMPARE(Control<QLabel>("lblTituloTvo")->text(), QStringLiteral("El archivo tvo contiene  300 objetos"));
}

void TestComandos::exitAsksAboutAChangedDocument_data()
{
    QTest::addColumn<Respuesta>("respuesta");
    QTest::addColumn<bool>("termina");
    QTest::newRow("Cancel") << Respuesta::Cancelar << false;
    QTest::newRow("Yes: save it yourself") << Respuesta::Si << false;
    QTest::newRow("No") << Respuesta::No << true;
    QTest::newRow("an unexpected answer stays") << Respuesta::Aceptar << false;
}

void TestComandos::exitAsksAboutAChangedDocument()
{
    QFETCH(Respuesta, respuesta);
    QFETCH(bool, termina);
    guion->ResponderMensaje(respuesta);
    if (respuesta == Respuesta::Si)
        guion->ResponderMensaje(Respuesta::Aceptar);
    prueba->Pulsar("cmdSalir");
    QCOMPARE(guion->mensajes[0].texto, QStringLiteral("¿Desea guardar el archivo actual?"));
    QCOMPARE(guion->mensajes[0].botones, Botones::SiNoCancelar);
    if (respuesta == Respuesta::Si) {
        QCOMPARE(guion->mensajes[1].texto, QStringLiteral("Guarde Ud. mismo el archivo por favor..."));
        QCOMPARE(guion->mensajes[1].titulo, QStringLiteral("Guardar"));
        QCOMPARE(guion->mensajes[1].botones, Botones::Aceptar);
        QCOMPARE(guion->mensajes[1].icono, Icono::Exclamacion);
    }
    QCOMPARE(guion->terminado, termina);
    QVERIFY(ventana->Modificado);
    QVERIFY(guion->dialogos.isEmpty());
}

void TestComandos::exitAfterASaveAsksNothing()
{
    Ensenar();
    guion->ResponderArchivo(Ruta("guardado.tvo"));
    prueba->Pulsar("cmdGuardar");
    prueba->Pulsar("cmdSalir");
    QVERIFY(guion->terminado);
    QVERIFY(guion->mensajes.isEmpty());
}

void TestComandos::newDocument_data()
{
    QTest::addColumn<bool>("modificado");
    QTest::addColumn<Respuesta>("respuesta");
    QTest::addColumn<bool>("reinicia");
    QTest::newRow("Cancel: nothing changes") << true << Respuesta::Cancelar << false;
    QTest::newRow("No: reset at once") << true << Respuesta::No << true;
    QTest::newRow("Yes: saved to its file, then reset") << true << Respuesta::Si << true;
    QTest::newRow("unchanged: no question") << false << Respuesta::Aceptar << true;
}

void TestComandos::newDocument()
{
    QFETCH(bool, modificado);
    QFETCH(Respuesta, respuesta);
    QFETCH(bool, reinicia);
    Abrir("tres.tvo", ArchivoTres);
    prueba->Teclear("txtObjeto1", "mi objeto");
    ventana->Modificado = modificado;
    if (modificado)
        guion->ResponderMensaje(respuesta);
    QFile::remove(Ruta("tres.tvo"));
    prueba->Pulsar("cmdCrearArchTvo");

    QCOMPARE(guion->mensajes.size(), modificado ? 1 : 0);
    QCOMPARE(Texto("txtObjeto1"), QStringLiteral("mi objeto"));
    QCOMPARE(ventana->windowTitle(),
             reinicia ? QStringLiteral("Nuevo.tvo - El Tarvo") : QStringLiteral("tres.tvo - El Tarvo"));
    QCOMPARE(Control<QLabel>("lblTituloTvo")->text(), reinicia ? QStringLiteral("El archivo tvo contiene 0 objetos")
                                                               : QStringLiteral("El archivo tvo contiene  2 objetos"));
    QCOMPARE(ventana->ModoAprender, reinicia);
    QCOMPARE(Visor().contains(QStringLiteral("Vuela?")), !reinicia);
    QCOMPARE(QFile::exists(Ruta("tres.tvo")), respuesta == Respuesta::Si);
}

void TestComandos::newOnANeverSavedDocumentOffersSaveAs()
{
    Ensenar();
    guion->ResponderMensaje(Respuesta::Si);
    guion->ResponderArchivo(std::nullopt);
    prueba->Pulsar("cmdCrearArchTvo");
    QCOMPARE(guion->dialogos.size(), 1);
    QCOMPARE(ventana->Base.NumLineas, qint16(1));
    QVERIFY(ventana->ModoAprender);
}

void TestComandos::savedGameOpensAgainAsItWas()
{
    Ensenar();
    guion->ResponderArchivo(Ruta("perros.tvo"));
    prueba->Pulsar("cmdGuardar");
    prueba->Pulsar("cmdCrearArchTvo");
    QCOMPARE(ventana->Base.NumLineas, qint16(1));
    guion->ResponderMensaje(Respuesta::No);
    prueba->Pulsar("cmdNo");
    guion->ResponderArchivo(Ruta("perros.tvo"));
    prueba->Pulsar("cmdTvoDeDisco");
    prueba->Pulsar("cmdJugar");
    prueba->Pulsar("cmdSi");
    QCOMPARE(Texto("txtPreguntaUsr"), QStringLiteral("perro"));
    prueba->Pulsar("cmdSi");
    QCOMPARE(FondoBGR(Control("txtPreguntaUsr")), 0xC0FFC0u);
}

QTEST_MAIN(TestComandos)
#include "tst_comandos.moc"
