#include "apoyo/pruebadeventana.h"
#include "apoyo/util.h"
#include "ui/controles/cajatexto.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QTest>

using Respuesta = Plataforma::Respuesta;

namespace {

// Seven lines: 1 asks with 2 and 3, 3 asks with 4 and 5, 5 asks with 6 and 7; the rest are objects.
BaseConocimiento BaseSiete()
{
    BaseConocimiento base;
    base.NumLineas = 7;
    for (int k = 1; k <= 7; ++k)
        base.TextoLinea[k] = QStringLiteral("línea %1").arg(k);
    for (int k : {1, 3, 5}) {
        base.ValorSi[k] = static_cast<qint16>(k + 1);
        base.ValorNo[k] = static_cast<qint16>(k + 2);
    }
    return base;
}

enum class Estado { FueraDeJuego, EnJuego, Aprendiendo, BaseLlena };
// How the buttons take the focus: on a click, by Tab only because the style says so, or forced to Tab only.
enum class Foco { AlPulsar, EstiloSoloTab, SoloTab };

} // namespace

Q_DECLARE_METATYPE(Estado)
Q_DECLARE_METATYPE(Foco)

class TestEdicion : public PruebaDeVentana
{
    Q_OBJECT
private slots:

    void typedQuoteBecomesAnApostrophe_data();
    void typedQuoteBecomesAnApostrophe();
    void controlKeysAndInputMethodsCountAsTyping();
    void deletingAndPastingTypeNoCharacter();
    void leavingABoxCommitsItsText_data();
    void leavingABoxCommitsItsText();
    void leavingWithAQuoteShowsOneMessageAndKeepsTheFocus();
    void textsAreCutTo32766Characters_data();
    void textsAreCutTo32766Characters();
    void aClickThatLeftARefusingBoxDoesNotAct();
    void aTextWithAHugeWordBreaksAnywhere();

    void browserReadsTheNumberInTheBox_data();
    void browserReadsTheNumberInTheBox();
    void browserButtonsStopAtTheEnds_data();
    void browserButtonsStopAtTheEnds();
    void leavingTheNumberBoxShowsItsLine();
    void showingALineChangesNoColourAndNoFlag();
    void clickingTheNumberBoxSelectsTheWholeNumber();
    void browserGoesOnFromWhereTheGameStopped();
    void anEditReachesTheDocumentBeforeACommand_data();
    void anEditReachesTheDocumentBeforeACommand();

private:
    CajaTexto *Caja(const QString &nombre) const { return ventana->findChild<CajaTexto *>(nombre); }
    QLineEdit *Registro() const { return Control<QLineEdit>("txtRegistro"); }
    void Mostrar();
    void Poner(Estado estado);
    void Salir(QWidget *caja);
};

// Focus changes reach a window only while it is shown and active.
void TestEdicion::Mostrar()
{
    ventana->show();
    QVERIFY(QTest::qWaitForWindowActive(ventana));
}

// BaseSiete() opened, then brought into the given state; the document counts as unchanged.
void TestEdicion::Poner(Estado estado)
{
    BaseConocimiento base = BaseSiete();
    if (estado == Estado::BaseLlena)
        base.NumLineas = 599;
    prueba->Cargar(base);
    if (estado == Estado::EnJuego)
        prueba->Pulsar("cmdJugar");
    if (estado == Estado::Aprendiendo || estado == Estado::BaseLlena) {
        if (estado == Estado::BaseLlena)
            guion->ResponderMensaje(Respuesta::Aceptar);
        prueba->Pulsar("cmdJugar");
        prueba->Pulsar("cmdSi");
        prueba->Pulsar("cmdNo");
    }
    ventana->Modificado = false;
}

// Moves the focus from the box to the file view, as a click there does.
void TestEdicion::Salir(QWidget *caja)
{
    caja->setFocus(Qt::MouseFocusReason);
    QTest::mouseClick(Control("RichTextBox1")->focusProxy() ? Control("RichTextBox1")->focusProxy()
                                                            : Control("RichTextBox1"),
                      Qt::LeftButton);
}

void TestEdicion::typedQuoteBecomesAnApostrophe_data()
{
    QTest::addColumn<QString>("caja");
    QTest::addColumn<Estado>("estado");
    QTest::addColumn<bool>("modificado");
    QTest::newRow("Tipo de objeto, out of play") << "txtTipoObjeto" << Estado::FueraDeJuego << true;
    QTest::newRow("Tipo de objeto, in play") << "txtTipoObjeto" << Estado::EnJuego << true;
    QTest::newRow("Caracteristicas, learning") << "txtCarac" << Estado::Aprendiendo << true;
    QTest::newRow("Objeto 1, out of play") << "txtObjeto1" << Estado::FueraDeJuego << false;
    QTest::newRow("Objeto 2, out of play") << "txtObjeto2" << Estado::FueraDeJuego << false;
    QTest::newRow("Pregunta, out of play") << "txtPreguntaUsr" << Estado::FueraDeJuego << true;
    QTest::newRow("Pregunta, in play") << "txtPreguntaUsr" << Estado::EnJuego << false;
    QTest::newRow("Pregunta, learning") << "txtPreguntaUsr" << Estado::Aprendiendo << false;
}

void TestEdicion::typedQuoteBecomesAnApostrophe()
{
    QFETCH(QString, caja);
    QFETCH(Estado, estado);
    QFETCH(bool, modificado);
    Poner(estado);
    CajaTexto *control = Caja(caja);
    control->PonerTexto(QStringLiteral("di "));
    control->moveCursor(QTextCursor::End);
    QTest::keyClick(control, Qt::Key_QuoteDbl, Qt::ShiftModifier);
    QCOMPARE(control->Texto(), QStringLiteral("di '"));
    QCOMPARE(ventana->Modificado, modificado);
    QVERIFY(guion->mensajes.isEmpty());
}

void TestEdicion::controlKeysAndInputMethodsCountAsTyping()
{
    Poner(Estado::FueraDeJuego);
    CajaTexto *caja = Caja("txtTipoObjeto");
    // Ctrl+C changes no text but is a typed character.
    QTest::keyClick(caja, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(ventana->Modificado);
    QCOMPARE(caja->Texto(), QStringLiteral("Objeto (tipo de objeto)"));

    // A dead key and a vowel commit "á" through the input method; a quote so committed is replaced too.
    ventana->Modificado = false;
    caja->moveCursor(QTextCursor::End);
    QInputMethodEvent compuesto;
    compuesto.setCommitString(QStringLiteral("á\""));
    QCoreApplication::sendEvent(caja, &compuesto);
    QCOMPARE(caja->Texto(), QStringLiteral("Objeto (tipo de objeto)á'"));
    QVERIFY(ventana->Modificado);
}

void TestEdicion::deletingAndPastingTypeNoCharacter()
{
    Mostrar();
    Poner(Estado::FueraDeJuego);
    CajaTexto *caja = Caja("txtPreguntaUsr");
    caja->setFocus(Qt::MouseFocusReason);
    caja->moveCursor(QTextCursor::Start);
    QTest::keyClick(caja, Qt::Key_Delete);
    caja->moveCursor(QTextCursor::End);
    caja->insertPlainText(QStringLiteral(" pegado"));
    QVERIFY(!ventana->Modificado);
    Salir(caja);
    // The change is stored when the box is left, and the document then counts as changed: "Salir" must ask.
    QCOMPARE(ventana->Base.TextoLinea[1], QStringLiteral("ínea 1 pegado"));
    QVERIFY(ventana->Modificado);
}

void TestEdicion::leavingABoxCommitsItsText_data()
{
    QTest::addColumn<QString>("caja");
    QTest::addColumn<Estado>("estado");
    QTest::addColumn<QString>("campo");
    QTest::addColumn<bool>("guarda");
    QTest::newRow("Tipo de objeto") << "txtTipoObjeto" << Estado::FueraDeJuego << "TipoObjeto" << true;
    QTest::newRow("empty Tipo de objeto") << "txtTipoObjeto" << Estado::FueraDeJuego << "TipoObjeto" << true;
    QTest::newRow("Caracteristicas in play") << "txtCarac" << Estado::EnJuego << "Caracteristicas" << true;
    QTest::newRow("Pregunta out of play") << "txtPreguntaUsr" << Estado::FueraDeJuego << "linea" << true;
    QTest::newRow("Pregunta in play") << "txtPreguntaUsr" << Estado::EnJuego << "linea" << false;
    QTest::newRow("Pregunta learning") << "txtPreguntaUsr" << Estado::Aprendiendo << "linea" << true;
    QTest::newRow("Pregunta in the full hold") << "txtPreguntaUsr" << Estado::BaseLlena << "linea" << true;
    QTest::newRow("Objeto 1 stores nothing") << "txtObjeto1" << Estado::FueraDeJuego << "linea" << false;
    QTest::newRow("a visit stores the same text") << "txtPreguntaUsr" << Estado::FueraDeJuego << "linea" << true;
}

void TestEdicion::leavingABoxCommitsItsText()
{
    QFETCH(QString, caja);
    QFETCH(Estado, estado);
    QFETCH(QString, campo);
    QFETCH(bool, guarda);
    Mostrar();
    Poner(estado);
    const QString antes = campo == "TipoObjeto"        ? ventana->Base.TipoObjeto
                          : campo == "Caracteristicas" ? ventana->Base.Caracteristicas
                                                       : ventana->Base.TextoLinea[ventana->LineaActual];
    const QString texto = QTest::currentDataTag() == QLatin1String("empty Tipo de objeto") ? QString()
                          : QTest::currentDataTag() == QLatin1String("a visit stores the same text")
                              ? antes
                              : QStringLiteral("nuevo, \r\ntexto");
    Caja(caja)->PonerTexto(texto);
    Salir(Caja(caja));
    const QString ahora = campo == "TipoObjeto"        ? ventana->Base.TipoObjeto
                          : campo == "Caracteristicas" ? ventana->Base.Caracteristicas
                                                       : ventana->Base.TextoLinea[ventana->LineaActual];
    QCOMPARE(ahora, guarda ? texto : antes);
    // Storing a text other than the one stored changes the document; a visit that stores the same does not.
    QCOMPARE(ventana->Modificado, ahora != antes);
    QCOMPARE(guion->mensajes.size(), estado == Estado::BaseLlena ? 1 : 0);
}

void TestEdicion::leavingWithAQuoteShowsOneMessageAndKeepsTheFocus()
{
    Mostrar();
    Poner(Estado::FueraDeJuego);
    const QString caracAntes = ventana->Base.Caracteristicas;
    Caja("txtObjeto2")->PonerTexto(QStringLiteral("pegado \"con\" comillas"));
    Caja("txtCarac")->PonerTexto(QStringLiteral("también \"aquí\""));
    Caja("txtObjeto2")->setFocus(Qt::MouseFocusReason);
    guion->ResponderMensaje(Respuesta::Aceptar);
    // Leaving for txtCarac, which holds a quote too: only the box that was left speaks.
    QTest::mouseClick(Caja("txtCarac")->viewport(), Qt::LeftButton);
    QCOMPARE(guion->mensajes.size(), 1);
    QCOMPARE(guion->mensajes[0].texto, QStringLiteral("Quite las comillas del texto Objeto 2"));
    QCOMPARE(guion->mensajes[0].titulo, QStringLiteral("Comillas encontradas"));
    QCOMPARE(guion->mensajes[0].botones, Plataforma::Botones::Aceptar);
    QCOMPARE(guion->mensajes[0].icono, Plataforma::Icono::Error);
    QCOMPARE(QApplication::focusWidget(), Caja("txtObjeto2"));
    QCOMPARE(Caja("txtObjeto2")->Texto(), QStringLiteral("pegado \"con\" comillas"));
    QCOMPARE(ventana->Base.Caracteristicas, caracAntes);

    // Every further attempt to leave shows it again.
    guion->ResponderMensaje(Respuesta::Aceptar);
    QTest::keyClick(Caja("txtObjeto2"), Qt::Key_Tab);
    QCOMPARE(guion->mensajes.size(), 2);
    QCOMPARE(QApplication::focusWidget(), Caja("txtObjeto2"));
}

void TestEdicion::textsAreCutTo32766Characters_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("guardado");
    QTest::addColumn<bool>("aviso");
    const QString largo(32766, QLatin1Char('a'));
    QTest::newRow("40000 characters") << largo + QString(40000 - 32766, QLatin1Char('b')) << largo << false;
    QTest::newRow("exactly 32766") << largo << largo << false;
    QTest::newRow("quote at 32767 is cut away") << largo + QStringLiteral("\"") << largo << false;
    QTest::newRow("quote at 32766 is found") << largo.left(32765) + QStringLiteral("\"") << QString() << true;
    // A line break counts two characters; one cut in half goes as a whole.
    QTest::newRow("line break across the limit")
        << largo.left(32765) + QStringLiteral("\r\nx") << largo.left(32765) << false;
    QTest::newRow("a lone CR at the limit stays")
        << largo.left(32765) + QStringLiteral("\rx") << largo.left(32765) + QStringLiteral("\r") << false;
}

void TestEdicion::textsAreCutTo32766Characters()
{
    QFETCH(QString, texto);
    QFETCH(QString, guardado);
    QFETCH(bool, aviso);
    Mostrar();
    Poner(Estado::FueraDeJuego);
    const QString antes = ventana->Base.TipoObjeto;
    Caja("txtTipoObjeto")->PonerTexto(texto);
    if (aviso)
        guion->ResponderMensaje(Respuesta::Aceptar);
    Salir(Caja("txtTipoObjeto"));
    QCOMPARE(guion->mensajes.size(), aviso ? 1 : 0);
    QCOMPARE(ventana->Base.TipoObjeto, aviso ? antes : guardado);
    QVERIFY(Caja("txtTipoObjeto")->Texto().size() <= 32766);
}

void TestEdicion::aClickThatLeftARefusingBoxDoesNotAct()
{
    Mostrar();
    Poner(Estado::FueraDeJuego);
    Caja("txtPreguntaUsr")->PonerTexto(QStringLiteral("mi \"arreglo\""));
    Caja("txtPreguntaUsr")->setFocus(Qt::MouseFocusReason);
    guion->ResponderMensaje(Respuesta::Aceptar);
    QTest::mouseClick(Control("cmdArrDer"), Qt::LeftButton);
    // The message, and no move: the refused text is still there to be mended.
    QCOMPARE(guion->mensajes.size(), 1);
    QCOMPARE(ventana->LineaActual, qint16(1));
    QCOMPARE(Caja("txtPreguntaUsr")->Texto(), QStringLiteral("mi \"arreglo\""));

    // The next click is a click again.
    Caja("txtPreguntaUsr")->PonerTexto(QStringLiteral("mi arreglo"));
    QTest::mouseClick(Control("cmdArrDer"), Qt::LeftButton);
    QCOMPARE(ventana->LineaActual, qint16(2));
    QCOMPARE(ventana->Base.TextoLinea[1], QStringLiteral("mi arreglo"));

    // In a learning step the click on Si shows the message once and learns nothing.
    prueba->Pulsar("cmdJugar");
    prueba->Pulsar("cmdSi");
    prueba->Pulsar("cmdNo");
    Caja("txtObjeto2")->PonerTexto(QStringLiteral("\""));
    Caja("txtObjeto2")->setFocus(Qt::MouseFocusReason);
    guion->ResponderMensaje(Respuesta::Aceptar);
    QTest::mouseClick(Control("cmdSi"), Qt::LeftButton);
    QCOMPARE(guion->mensajes.size(), 2);
    QCOMPARE(ventana->Base.NumLineas, qint16(7));
    QVERIFY(ventana->ModoAprender);
}

void TestEdicion::aTextWithAHugeWordBreaksAnywhere()
{
    // Breaking a megabyte-long word at word boundaries takes the toolkit minutes; such a text breaks anywhere.
    CajaTexto *caja = Caja("txtPreguntaUsr");
    caja->PonerTexto(QString(1 << 20, QLatin1Char('x')));
    QCOMPARE(caja->wordWrapMode(), QTextOption::WrapAnywhere);
    caja->PonerTexto(QStringLiteral("una pregunta corriente"));
    QCOMPARE(caja->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void TestEdicion::browserReadsTheNumberInTheBox_data()
{
    QTest::addColumn<QString>("escrito");
    QTest::addColumn<int>("linea");
    QTest::newRow("5") << "5" << 5;
    QTest::newRow("beyond the last line") << "8" << 3;
    QTest::newRow("2.9 floors to 2") << "2.9" << 2;
    QTest::newRow("blank then 4") << " 4" << 4;
    QTest::newRow("4x") << "4x" << 4;
    QTest::newRow("007") << "007" << 7;
    QTest::newRow("exponent") << "6e0" << 6;
    QTest::newRow("0") << "0" << 3;
    QTest::newRow("-2") << "-2" << 3;
    QTest::newRow("-0.5 floors to -1") << "-0.5" << 3;
    QTest::newRow("empty") << "" << 3;
    QTest::newRow("letters") << "abc" << 3;
    QTest::newRow("blanks") << "   " << 3;
    QTest::newRow("above 16 bits") << "99999" << 3;
    QTest::newRow("below 16 bits") << "-99999" << 3;
    QTest::newRow("huge exponent") << "1e999" << 3;
}

void TestEdicion::browserReadsTheNumberInTheBox()
{
    QFETCH(QString, escrito);
    QFETCH(int, linea);
    Poner(Estado::FueraDeJuego);
    Registro()->setText(QStringLiteral("3"));
    ventana->txtRegistro_Validate();
    Registro()->setText(escrito);
    QTest::keyClick(Registro(), Qt::Key_Return);
    QCOMPARE(int(ventana->LineaActual), linea);
    QCOMPARE(Registro()->text(), QString::number(linea));
    QCOMPARE(Control<QLineEdit>("txtValorSi")->text(), QString::number(ventana->Base.ValorSi[linea]));
    QCOMPARE(Control<QLineEdit>("txtValorNo")->text(), QString::number(ventana->Base.ValorNo[linea]));
    QCOMPARE(Caja("txtPreguntaUsr")->Texto(), QStringLiteral("línea %1").arg(linea));
    QVERIFY(guion->mensajes.isEmpty());
}

void TestEdicion::browserButtonsStopAtTheEnds_data()
{
    QTest::addColumn<int>("desde");
    QTest::addColumn<QString>("boton");
    QTest::addColumn<int>("hasta");
    QTest::newRow("< at line 1") << 1 << "cmdArrIzq" << 1;
    QTest::newRow("< at line 4") << 4 << "cmdArrIzq" << 3;
    QTest::newRow("> at line 4") << 4 << "cmdArrDer" << 5;
    QTest::newRow("> at the last line") << 7 << "cmdArrDer" << 7;
    QTest::newRow("|< from line 4") << 4 << "cmdArrFirst" << 1;
    QTest::newRow("|< at line 1") << 1 << "cmdArrFirst" << 1;
    QTest::newRow(">| from line 4") << 4 << "cmdArrLast" << 7;
    QTest::newRow(">| at the last line") << 7 << "cmdArrLast" << 7;
}

void TestEdicion::browserButtonsStopAtTheEnds()
{
    QFETCH(int, desde);
    QFETCH(QString, boton);
    QFETCH(int, hasta);
    Poner(Estado::FueraDeJuego);
    Registro()->setText(QString::number(desde));
    ventana->txtRegistro_Validate();
    prueba->Pulsar(qPrintable(boton));
    QCOMPARE(int(ventana->LineaActual), hasta);
    QCOMPARE(Registro()->text(), QString::number(hasta));
    QCOMPARE(Caja("txtPreguntaUsr")->Texto(), QStringLiteral("línea %1").arg(hasta));
}

void TestEdicion::leavingTheNumberBoxShowsItsLine()
{
    Mostrar();
    Poner(Estado::FueraDeJuego);
    Registro()->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(Registro(), QStringLiteral("6"));
    QTest::keyClick(Registro(), Qt::Key_Tab);
    QCOMPARE(ventana->LineaActual, qint16(6));
    QCOMPARE(Control<QLineEdit>("txtValorSi")->text(), QStringLiteral("0"));
    QCOMPARE(Control<QLineEdit>("txtValorNo")->text(), QStringLiteral("0"));
}

void TestEdicion::showingALineChangesNoColourAndNoFlag()
{
    Poner(Estado::FueraDeJuego);
    const quint32 fondo = FondoBGR(Caja("txtPreguntaUsr"));
    prueba->Pulsar("cmdArrLast");
    QCOMPARE(ventana->LineaActual, qint16(7));
    QCOMPARE(FondoBGR(Caja("txtPreguntaUsr")), fondo);
    QVERIFY(!ventana->Modificado);
    // A line's links changed elsewhere appear when it is shown again, also when it is the current one.
    ventana->Base.ValorSi[7] = 9;
    prueba->Pulsar("cmdArrLast");
    QCOMPARE(Control<QLineEdit>("txtValorSi")->text(), QStringLiteral("9"));
}

void TestEdicion::clickingTheNumberBoxSelectsTheWholeNumber()
{
    Mostrar();
    Poner(Estado::FueraDeJuego);
    Registro()->setText(QStringLiteral("123"));
    QTest::mouseClick(Registro(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(Registro()->selectedText(), QStringLiteral("123"));
    // The digits typed next replace the whole number.
    QTest::keyClicks(Registro(), QStringLiteral("5"));
    QCOMPARE(Registro()->text(), QStringLiteral("5"));
}

void TestEdicion::browserGoesOnFromWhereTheGameStopped()
{
    Poner(Estado::FueraDeJuego);
    prueba->Pulsar("cmdJugar");
    QVERIFY(!Registro()->isEnabled());
    prueba->Pulsar("cmdNo");
    prueba->Pulsar("cmdSi");
    QCOMPARE(ventana->LineaActual, qint16(4));
    prueba->Pulsar("cmdParar");
    QCOMPARE(Registro()->text(), QStringLiteral("4"));
    prueba->Pulsar("cmdArrDer");
    QCOMPARE(ventana->LineaActual, qint16(5));
}

void TestEdicion::anEditReachesTheDocumentBeforeACommand_data()
{
    QTest::addColumn<Foco>("foco");
    QTest::addColumn<QString>("boton");
    QTest::newRow("Guardar") << Foco::AlPulsar << "cmdGuardar";
    QTest::newRow("Guardar, a style whose buttons take the focus by Tab") << Foco::EstiloSoloTab << "cmdGuardar";
    QTest::newRow("Guardar, buttons forced to take the focus by Tab") << Foco::SoloTab << "cmdGuardar";
    QTest::newRow("Salir after Delete, buttons forced to Tab") << Foco::SoloTab << "cmdSalir";
    QTest::newRow("> after an unchecked number, buttons forced to Tab") << Foco::SoloTab << "cmdArrDer";
}

void TestEdicion::anEditReachesTheDocumentBeforeACommand()
{
    QFETCH(Foco, foco);
    QFETCH(QString, boton);
    // Some styles (the macOS one) give push buttons the focus by Tab only, so that a click leaves it in the box.
    class EstiloSoloTab : public QProxyStyle
    {
    public:
        int styleHint(StyleHint pista, const QStyleOption *opcion, const QWidget *control,
                      QStyleHintReturn *retorno) const override
        {
            return pista == SH_Button_FocusPolicy ? int(Qt::TabFocus)
                                                  : QProxyStyle::styleHint(pista, opcion, control, retorno);
        }
    };
    const QString estiloAntes = QApplication::style()->name();
    if (foco == Foco::EstiloSoloTab) {
        QApplication::setStyle(new EstiloSoloTab);
        prueba->Reiniciar(guion->carpeta);
        ventana = prueba->ventana.get();
        guion = prueba->plataforma.get();
        QApplication::setStyle(estiloAntes);
    }
    if (foco == Foco::SoloTab)
        for (QPushButton *control : ventana->findChildren<QPushButton *>())
            control->setFocusPolicy(Qt::TabFocus);
    Mostrar();
    const QString ruta = QDir::toNativeSeparators(prueba->carpeta.filePath(QStringLiteral("siete.tvo")));
    Poner(Estado::FueraDeJuego);
    ventana->RutaArch = ruta;
    ventana->EsArchivoNuevo = false;
    QWidget *caja = boton == "cmdArrDer" ? static_cast<QWidget *>(Registro()) : Caja("txtPreguntaUsr");
    caja->setFocus(Qt::MouseFocusReason);
    if (boton == "cmdGuardar") {
        Caja("txtPreguntaUsr")->selectAll();
        QTest::keyClicks(caja, QStringLiteral("Es corregida?"));
    } else if (boton == "cmdSalir") {
        QTest::keyClick(caja, Qt::Key_Delete);
        guion->ResponderMensaje(Respuesta::Cancelar);
    } else {
        Registro()->selectAll();
        QTest::keyClicks(caja, QStringLiteral("500"));
    }
    QTest::mouseClick(Control(qPrintable(boton)), Qt::LeftButton);
    // A click gives a button the focus, whatever the style, unless a button was made to refuse it.
    QCOMPARE(QApplication::focusWidget() == Control(qPrintable(boton)), foco != Foco::SoloTab);
    if (boton == "cmdGuardar") {
        QVERIFY(LeerBytes(ruta).contains("\r\n1,2,3,\"Es corregida?\"\r\n"));
        QVERIFY(!ventana->Modificado);
    } else if (boton == "cmdSalir") {
        // The deletion was stored, so the document changed and "Salir" asked.
        QCOMPARE(ventana->Base.TextoLinea[1], QStringLiteral("ínea 1"));
        QVERIFY(!guion->terminado);
    } else {
        // 500 is no line: the box gets 1 back, and ">" steps from there.
        QCOMPARE(ventana->LineaActual, qint16(2));
    }
}

QTEST_MAIN(TestEdicion)
#include "tst_edicion.moc"
