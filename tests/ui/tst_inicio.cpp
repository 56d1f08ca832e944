#include "apoyo/util.h"
#include "apoyo/ventanaprueba.h"
#include "ui/controles/cajatexto.h"
#include "ui/main/frmeltarvo.h"

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString PromptPregunta =
    QStringLiteral("Pregunta usuario - Escriba aquí la pregunta. Luego conteste pulsando en Si o No");
const QString PromptObjeto2 = QStringLiteral("Objeto #2 - Escriba aquí el segundo objeto");

// The text or caption a control shows, whatever its kind; multi-line boxes give their CR LF form.
QString TextoDe(const QWidget *control)
{
    if (auto *caja = qobject_cast<const CajaTexto *>(control))
        return caja->Texto();
    if (auto *caja = qobject_cast<const QPlainTextEdit *>(control))
        return caja->toPlainText();
    if (auto *linea = qobject_cast<const QLineEdit *>(control))
        return linea->text();
    if (auto *etiqueta = qobject_cast<const QLabel *>(control))
        return etiqueta->text();
    if (auto *boton = qobject_cast<const QAbstractButton *>(control))
        return boton->text();
    if (auto *marco = qobject_cast<const QGroupBox *>(control))
        return marco->title();
    return QString();
}

} // namespace

class TestInicio : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void placesEveryControlAsTheLayoutSays_data();
    void placesEveryControlAsTheLayoutSays();
    void startsWithTheStateOfANewDocument();
    void startsInLearningModeWithTheInPlayControls();
    void controlStatesSwitchExactlyTheirControls_data();
    void controlStatesSwitchExactlyTheirControls();
    void tabOrderFollowsTheProgramsOrderAndFocusStartsInObjeto1();
    void everyLabelShowsItsWholeCaption();
    void showsNuevoTvoInTheViewer();
    void missingNuevoTvoLeavesTheViewerEmpty();
    void aFolderEndingInASeparatorGetsASecondOne();
    void accessKeysClickSiAndNo_data();
    void accessKeysClickSiAndNo();

private:
    std::unique_ptr<VentanaPrueba> prueba;
    frmElTarvo *ventana = nullptr;

    template <typename T = QWidget> T *Control(const char *nombre) const { return prueba->Control<T>(nombre); }
    void CrearVentana(const QString &carpetaPrograma)
    {
        prueba->Reiniciar(carpetaPrograma);
        ventana = prueba->ventana.get();
    }
};

void TestInicio::init()
{
    prueba = std::make_unique<VentanaPrueba>();
    ventana = prueba->ventana.get();
}

void TestInicio::cleanup()
{
    // Start-up shows no message at all.
    QVERIFY(prueba->plataforma->Comprobar());
    QVERIFY(prueba->plataforma->mensajes.isEmpty());
    prueba.reset();
}

void TestInicio::placesEveryControlAsTheLayoutSays_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("contenedor");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("texto");

    auto fila = [](const char *nombre, const char *contenedor, QRect twips, const QString &texto) {
        QTest::newRow(nombre) << QString::fromLatin1(nombre) << QString::fromLatin1(contenedor) << twips << texto;
    };
    const QString ruta = QStringLiteral("*");
    fila("fraObjeto1", "frmElTarvo", {0, 0, 3375, 1695}, "Objeto 1 (nuevo)");
    fila("txtObjeto1", "fraObjeto1", {120, 240, 3135, 1335},
         "Objeto #1 - Escriba aquí el primer objeto (Escriba aquí el objeto pensado)\r\n");
    fila("fraObjeto2", "frmElTarvo", {0, 1680, 3375, 1695}, "Objeto 2");
    fila("txtObjeto2", "fraObjeto2", {120, 240, 3135, 1335}, PromptObjeto2);
    fila("fraPreguntaUsr", "frmElTarvo", {0, 3360, 3375, 1695}, "Pregunta / Edición");
    fila("txtPreguntaUsr", "fraPreguntaUsr", {120, 240, 3135, 1335}, PromptPregunta);
    fila("lblTituloTvo", "frmElTarvo", {0, 5160, 3375, 255}, "El archivo tvo contiene 0 objetos");
    fila("txtTipoObjeto", "frmElTarvo", {0, 5535, 3375, 1665}, "Objeto (tipo de objeto)");
    fila("RichTextBox1", "frmElTarvo", {3480, 120, 4455, 3255}, ruta);
    fila("cmdArrFirst", "frmElTarvo", {3480, 3480, 450, 255}, "| <");
    fila("cmdArrIzq", "frmElTarvo", {4125, 3480, 450, 255}, "<");
    fila("lblL", "frmElTarvo", {4665, 3510, 195, 255}, "L");
    fila("txtRegistro", "frmElTarvo", {4920, 3480, 495, 285}, "1");
    fila("txtValorSi", "frmElTarvo", {5520, 3480, 495, 285}, "0");
    fila("txtValorNo", "frmElTarvo", {6105, 3480, 495, 285}, "0");
    fila("cmdArrDer", "frmElTarvo", {6780, 3480, 450, 255}, ">");
    fila("cmdArrLast", "frmElTarvo", {7485, 3480, 450, 255}, "> |");
    fila("cmdSi", "frmElTarvo", {3480, 3840, 855, 495}, "&Si");
    fila("lblNoComillas", "frmElTarvo", {4440, 3840, 1095, 495}, "ElTarvo v3.2*");
    fila("lblHelp", "frmElTarvo", {5640, 3825, 3855, 390},
         "Especifique unos 5 objetos iniciales más o menos, con sus preguntas que serán sus categorias.");
    fila("cmdNo", "frmElTarvo", {3480, 4440, 855, 495}, "&No");
    fila("cmdJugar", "frmElTarvo", {4440, 4320, 1095, 735}, "Jugar");
    fila("cmdParar", "frmElTarvo", {5640, 4440, 855, 615}, "Parar");
    fila("cmdAyuda", "frmElTarvo", {6600, 4440, 855, 615}, "Help");
    fila("cmdVocab", "frmElTarvo", {7560, 4440, 855, 615}, "Vocab");
    fila("cmdSalir", "frmElTarvo", {8520, 4320, 1095, 735}, "Salir");
    fila("lblNomArchTvo", "frmElTarvo", {3480, 5160, 3015, 975}, ruta);
    fila("Label1", "frmElTarvo", {3480, 6225, 3000, 960},
         "Puede crear un archivo en formato de escalera, es decir, sin ramificaciones (responder 'No' solamente "
         "y al final 'default') - Máx. 32766 carac. por objeto.");
    fila("txtCarac", "frmElTarvo", {6600, 5175, 3015, 1995}, "Características (del archivo)");
    fila("cmdCrearArchTvo", "frmElTarvo", {8040, 120, 1575, 735}, "Nuevo");
    fila("cmdTvoDeDisco", "frmElTarvo", {8040, 960, 1575, 735}, "Abrir...");
    fila("fraGuardar", "frmElTarvo", {8040, 1800, 1575, 1695}, "Guardar TVO");
    fila("cmdGuardar", "fraGuardar", {120, 240, 1335, 615}, "Guardar");
    fila("cmdGuardarComo", "fraGuardar", {120, 960, 1335, 615}, "Guardar como...");
}

void TestInicio::placesEveryControlAsTheLayoutSays()
{
    QFETCH(QString, nombre);
    QFETCH(QString, contenedor);
    QFETCH(QRect, twips);
    QFETCH(QString, texto);
    QWidget *control = ventana->findChild<QWidget *>(nombre);
    QVERIFY2(control, qPrintable(nombre));
    QCOMPARE(control->parentWidget()->objectName(), contenedor);
    QCOMPARE(control->geometry(), QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    QVERIFY(control->isVisibleTo(ventana));
    // "*" marks texts that depend on the folder; a trailing "*" a text that only has to begin as given.
    if (texto.endsWith(QLatin1Char('*')) && texto != QLatin1String("*"))
        QVERIFY2(TextoDe(control).startsWith(texto.chopped(1)), qPrintable(TextoDe(control)));
    else if (texto != QLatin1String("*"))
        QCOMPARE(TextoDe(control), texto);
}

void TestInicio::startsWithTheStateOfANewDocument()
{
    const QString rutaNuevo = QDir::toNativeSeparators(prueba->carpeta.path()) + QDir::separator() + "Nuevo.tvo";
    QCOMPARE(ventana->size(), QSize(644, 488));
    QCOMPARE(ventana->Base.NumLineas, qint16(1));
    QCOMPARE(ventana->LineaActual, qint16(1));
    QCOMPARE(ventana->Base.TipoObjeto, QStringLiteral("Objeto (tipo de objeto)"));
    // The box shows the text with parentheses; the header string is another one.
    QCOMPARE(ventana->Base.Caracteristicas, QStringLiteral("Características del archivo"));
    QVERIFY(ventana->Base.TextoLinea[1].isEmpty());
    QCOMPARE(ventana->RutaApp, QDir::toNativeSeparators(prueba->carpeta.path()));
    QCOMPARE(ventana->NomArch, QStringLiteral("Nuevo.tvo"));
    QCOMPARE(ventana->RutaArch, rutaNuevo);
    QVERIFY(ventana->ModoAprender);
    QVERIFY(ventana->EsArchivoNuevo);
    QVERIFY(ventana->Modificado);
    QCOMPARE(ventana->windowTitle(), QStringLiteral("Nuevo.tvo - El Tarvo"));
    QCOMPARE(Control<QLabel>("lblNomArchTvo")->text(), rutaNuevo);

    QCOMPARE(prueba->Colores(), QStringLiteral("blanco amarillo amarillo"));
    QCOMPARE(FondoBGR(Control("txtValorSi")), 0xE0E0E0u);
    QCOMPARE(FondoBGR(Control("txtValorNo")), 0xE0E0E0u);
    QCOMPARE(FondoBGR(Control("lblTituloTvo")), 0xFFC0C0u);
    QCOMPARE(FondoBGR(Control("lblNomArchTvo")), 0xFFC0C0u);
    QVERIFY(Control<QLineEdit>("txtValorSi")->isReadOnly());
    QVERIFY(Control<QLineEdit>("txtValorNo")->isReadOnly());
    // The header boxes never change colour: they keep the toolkit's own.
    QCOMPARE(Control("txtTipoObjeto")->palette().color(QPalette::Base), QPalette().color(QPalette::Base));
    QCOMPARE(Control("txtCarac")->palette().color(QPalette::Base), QPalette().color(QPalette::Base));
}

void TestInicio::startsInLearningModeWithTheInPlayControls()
{
    const QStringList habilitados = {"cmdSi", "cmdNo", "cmdAyuda", "cmdVocab", "cmdSalir"};
    const QStringList deshabilitados = {"cmdJugar",   "cmdParar",       "cmdCrearArchTvo", "cmdTvoDeDisco",
                                        "cmdGuardar", "cmdGuardarComo", "txtRegistro",     "cmdArrDer",
                                        "cmdArrIzq",  "cmdArrFirst",    "cmdArrLast"};
    for (const QString &nombre : habilitados)
        QVERIFY2(ventana->findChild<QWidget *>(nombre)->isEnabled(), qPrintable(nombre));
    for (const QString &nombre : deshabilitados)
        QVERIFY2(!ventana->findChild<QWidget *>(nombre)->isEnabled(), qPrintable(nombre));
    QCOMPARE(FondoBGR(Control("txtRegistro")), 0xE0E0E0u);
}

void TestInicio::controlStatesSwitchExactlyTheirControls_data()
{
    QTest::addColumn<bool>("enJuego");
    QTest::newRow("ControlesEnJuego") << true;
    QTest::newRow("ControlesFueraDeJuego") << false;
}

void TestInicio::controlStatesSwitchExactlyTheirControls()
{
    QFETCH(bool, enJuego);
    // Start from the opposite state with "Parar" enabled, to see that both sets disable it.
    enJuego ? ventana->ControlesFueraDeJuego() : ventana->ControlesEnJuego();
    Control("cmdParar")->setEnabled(true);
    const QStringList intactos = {"cmdSalir",     "cmdAyuda",       "cmdVocab",      "txtObjeto1",
                                  "txtObjeto2",   "txtPreguntaUsr", "txtTipoObjeto", "txtCarac",
                                  "RichTextBox1", "txtValorSi",     "txtValorNo"};
    QMap<QString, QString> textosAntes;
    for (QWidget *control : ventana->findChildren<QWidget *>())
        textosAntes[control->objectName()] = TextoDe(control);
    const quint32 fondoObjeto2 = FondoBGR(Control("txtObjeto2"));

    enJuego ? ventana->ControlesEnJuego() : ventana->ControlesFueraDeJuego();

    for (const char *nombre : {"cmdSi", "cmdNo"})
        QCOMPARE(Control(nombre)->isEnabled(), enJuego);
    for (const char *nombre : {"cmdJugar", "cmdCrearArchTvo", "cmdTvoDeDisco", "cmdGuardar", "cmdGuardarComo",
                               "txtRegistro", "cmdArrDer", "cmdArrIzq", "cmdArrFirst", "cmdArrLast"})
        QCOMPARE(Control(nombre)->isEnabled(), !enJuego);
    QVERIFY(!Control("cmdParar")->isEnabled());
    QCOMPARE(FondoBGR(Control("txtRegistro")), enJuego ? 0xE0E0E0u : 0xFFC0FFu);
    for (const QString &nombre : intactos)
        QVERIFY2(ventana->findChild<QWidget *>(nombre)->isEnabled(), qPrintable(nombre));
    for (QWidget *control : ventana->findChildren<QWidget *>())
        QCOMPARE(TextoDe(control), textosAntes.value(control->objectName()));
    QCOMPARE(FondoBGR(Control("txtObjeto2")), fondoObjeto2);
}

void TestInicio::tabOrderFollowsTheProgramsOrderAndFocusStartsInObjeto1()
{
    const QStringList orden = {"txtObjeto1",      "txtObjeto2",    "txtPreguntaUsr", "txtTipoObjeto",  "RichTextBox1",
                               "txtRegistro",     "txtValorSi",    "txtValorNo",     "cmdSi",          "cmdNo",
                               "cmdJugar",        "cmdParar",      "cmdAyuda",       "cmdSalir",       "txtCarac",
                               "cmdCrearArchTvo", "cmdTvoDeDisco", "cmdGuardar",     "cmdGuardarComo", "cmdVocab",
                               "cmdArrIzq",       "cmdArrFirst",   "cmdArrDer",      "cmdArrLast"};
    QStringList cadena;
    QWidget *control = Control("txtObjeto1");
    do {
        if (control->focusPolicy() & Qt::TabFocus)
            cadena << control->objectName();
        control = control->nextInFocusChain();
    } while (control != Control("txtObjeto1"));
    QCOMPARE(cadena, orden);

    ventana->show();
    QVERIFY(QTest::qWaitForWindowActive(ventana));
    QCOMPARE(QApplication::focusWidget(), Control("txtObjeto1"));
    // Tab passes by the disabled controls of the learning state.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Control("txtObjeto2"));
}

void TestInicio::everyLabelShowsItsWholeCaption()
{
    // The layout's captions were measured in a narrower font; "categorias." was cut off with DejaVu Sans.
    for (const QLabel *etiqueta : ventana->findChildren<QLabel *>()) {
        const QFontMetrics medidas(etiqueta->font());
        const QRect zona = etiqueta->contentsRect();
        const int alto = medidas.boundingRect(zona, Qt::TextWordWrap, etiqueta->text()).height();
        QVERIFY2(alto - medidas.descent() <= zona.height(), qPrintable(etiqueta->objectName()));
        QVERIFY(etiqueta->font().pointSizeF() >= 6);
    }
    QCOMPARE(Control<QLabel>("Label1")->font().pointSizeF(), 8.0);
}

void TestInicio::showsNuevoTvoInTheViewer()
{
    QCOMPARE(Control<QPlainTextEdit>("RichTextBox1")->toPlainText(),
             QStringLiteral("0,0,0,\"Objeto (tipo de objeto)\"\n0,0,0,\"Características del archivo\"\n"
                            "0,0,0,\" 1\"\n1,0,0,\"\"\n"));
}

void TestInicio::missingNuevoTvoLeavesTheViewerEmpty()
{
    CrearVentana(QDir::toNativeSeparators(prueba->carpeta.filePath(QStringLiteral("no-existe"))));
    QVERIFY(Control<QPlainTextEdit>("RichTextBox1")->toPlainText().isEmpty());
    QCOMPARE(ventana->windowTitle(), QStringLiteral("Nuevo.tvo - El Tarvo"));
}

void TestInicio::aFolderEndingInASeparatorGetsASecondOne()
{
    const QString raiz = QDir::toNativeSeparators(prueba->carpeta.path()) + QDir::separator();
    CrearVentana(raiz);
    QCOMPARE(ventana->RutaArch, raiz + QDir::separator() + QStringLiteral("Nuevo.tvo"));
    QCOMPARE(ventana->windowTitle(), QStringLiteral("Nuevo.tvo - El Tarvo"));
}

void TestInicio::accessKeysClickSiAndNo_data()
{
    QTest::addColumn<int>("tecla");
    QTest::addColumn<QString>("boton");
    QTest::newRow("Alt+S") << int(Qt::Key_S) << "cmdSi";
    QTest::newRow("Alt+N") << int(Qt::Key_N) << "cmdNo";
}

void TestInicio::accessKeysClickSiAndNo()
{
    QFETCH(int, tecla);
    QFETCH(QString, boton);
    ventana->show();
    QVERIFY(QTest::qWaitForWindowActive(ventana));
    QSignalSpy pulsado(ventana->findChild<QAbstractButton *>(boton), &QAbstractButton::clicked);
    QTest::keyClick(ventana, Qt::Key(tecla), Qt::AltModifier);
    // An access key animates the click, which arrives a moment later: the first learning step.
    QTRY_COMPARE(pulsado.count(), 1);
    QCOMPARE(ventana->Base.NumLineas, qint16(3));
    // Out of play the button is disabled and ignores its access key.
    QTest::keyClick(ventana, Qt::Key(tecla), Qt::AltModifier);
    QTest::qWait(300);
    QCOMPARE(pulsado.count(), 1);
}

QTEST_MAIN(TestInicio)
#include "tst_inicio.moc"
