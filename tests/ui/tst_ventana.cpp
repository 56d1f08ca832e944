#include "apoyo/pruebadeventana.h"
#include "apoyo/util.h"
#include "kb/cp1252.h"
#include "ui/controles/cajatexto.h"
#include "ui/controles/iconodiferido.h"
#include "ui/controles/visorarchivo.h"
#include "ui/main/plataformaqt.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cmath>

using Respuesta = Plataforma::Respuesta;

namespace {

// How the buttons take the focus: on a click, by Tab only because the style says so, or forced to Tab only.
enum class Foco { AlPulsar, EstiloSoloTab, SoloTab };

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

// The contrast ratio of two colours, as accessibility guidelines measure it: from 1 to 21.
double Contraste(const QColor &a, const QColor &b)
{
    const auto luminancia = [](const QColor &color) {
        const auto lineal = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * lineal(color.redF()) + 0.7152 * lineal(color.greenF()) + 0.0722 * lineal(color.blueF());
    };
    const double la = luminancia(a), lb = luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The controls of the window: the widgets it names, not the parts they are made of.
QList<QWidget *> ControlesDe(const QWidget *ventana)
{
    QList<QWidget *> controles;
    for (QWidget *control : ventana->findChildren<QWidget *>())
        if (!control->objectName().isEmpty() && !control->objectName().startsWith(QLatin1String("qt_")))
            controles << control;
    return controles;
}

} // namespace

Q_DECLARE_METATYPE(Foco)

class TestVentana : public PruebaDeVentana
{
    Q_OBJECT
private slots:
    void everyControlFitsItsPlaceAndIsNamed();
    void aSessionByMouseAndKeysShowsTheModel();
    void typingReachesTheModelAsTyped();
    void aClickThatLeftARefusingBoxDoesNotAct();
    void anEditReachesTheDocumentBeforeACommand_data();
    void anEditReachesTheDocumentBeforeACommand();
    void everyColouredControlReadsOnADarkDesktop();
    void escapeAndTheCloseBoxChangeNothing_data();
    void escapeAndTheCloseBoxChangeNothing();
    void aBoxGivesBackItsTextAsItCame_data();
    void aBoxGivesBackItsTextAsItCame();
    void theFileViewShowsWhatAFreshViewWould();
    void aDeferredIconIsMadeOnceWhenFirstDrawn();

private:
    QString Enabled() const
    {
        QStringList habilitados;
        for (const char *nombre :
             {"cmdSi", "cmdNo", "cmdJugar", "cmdParar", "cmdCrearArchTvo", "cmdTvoDeDisco", "cmdGuardar",
              "cmdGuardarComo", "txtRegistro", "cmdArrDer", "cmdArrIzq", "cmdArrFirst", "cmdArrLast"})
            if (Control(nombre)->isEnabled())
                habilitados << QString::fromLatin1(nombre);
        return habilitados.join(QLatin1Char(' '));
    }
    QString Fondos() const
    {
        QStringList fondos;
        for (const char *caja : {"txtObjeto1", "txtObjeto2", "txtPreguntaUsr", "txtRegistro"})
            fondos << QString::number(FondoBGR(Control(caja)), 16).toUpper();
        return fondos.join(QLatin1Char(' '));
    }
    QString Accesible(const char *control, QAccessible::Text texto) const
    {
        return QAccessible::queryAccessibleInterface(Control(control))->text(texto);
    }
};

void TestVentana::everyControlFitsItsPlaceAndIsNamed()
{
    QCOMPARE(ventana->size(), QSize(644, 488));
    QCOMPARE(ventana->windowTitle(), QStringLiteral("Nuevo.tvo - El Tarvo"));
    const QList<QWidget *> controles = ControlesDe(ventana.get());
    QCOMPARE(controles.size(), 34);
    for (QWidget *control : controles) {
        const QString nombre = control->objectName();
        QVERIFY2(control->parentWidget()->rect().contains(control->geometry()), qPrintable(nombre));
        // The layout's frames meet with one pixel in common.
        for (QWidget *otro : controles)
            if (otro != control && otro->parentWidget() == control->parentWidget()) {
                const QRect comun = control->geometry() & otro->geometry();
                QVERIFY2(comun.isEmpty() || comun.width() <= 1 || comun.height() <= 1,
                         qPrintable(nombre + QLatin1Char(' ') + otro->objectName()));
            }
        if (control->focusPolicy() != Qt::NoFocus)
            QVERIFY2(!QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty(),
                     qPrintable(nombre));
    }
    // The layout was measured in a narrower font: a caption that would not fit is drawn a little smaller.
    for (const QLabel *etiqueta : ventana->findChildren<QLabel *>()) {
        const QFontMetrics medidas(etiqueta->font());
        const QRect zona = etiqueta->contentsRect();
        const int alto = medidas.boundingRect(zona, Qt::TextWordWrap, etiqueta->text()).height();
        QVERIFY2(alto - medidas.descent() <= zona.height(), qPrintable(etiqueta->objectName()));
        QVERIFY(etiqueta->font().pointSizeF() >= 6);
    }
    QCOMPARE(Control<QLabel>("Label1")->font().pointSizeF(), 8.0);
    QCOMPARE(Accesible("txtRegistro", QAccessible::Name), QStringLiteral("Número de línea"));
    QCOMPARE(Accesible("cmdGuardarComo", QAccessible::Name), QStringLiteral("Guardar como..."));
}

void TestVentana::aSessionByMouseAndKeysShowsTheModel()
{
    QCOMPARE(QApplication::focusWidget(), Control("txtObjeto1"));
    QCOMPARE(Fondos(), QStringLiteral("FFFFFF C0FFFF C0FFFF E0E0E0"));
    QCOMPARE(Enabled(), QStringLiteral("cmdSi cmdNo"));
    QCOMPARE(Control<QPlainTextEdit>("RichTextBox1")->toPlainText(),
             DecodificarCp1252(LeerBytes(QStringLiteral(ELTARVO_NUEVO_TVO))).replace(QLatin1String("\r\n"), "\n"));
    Teclear("txtObjeto1", QStringLiteral("gato"));
    Teclear("txtObjeto2", QStringLiteral("perro"));
    Teclear("txtPreguntaUsr", QStringLiteral("Ladra?"));
    // Alt+N clicks "No", a moment later: perro is reached from the question by No.
    QTest::keyClick(ventana.get(), Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(Base().TextoLinea[2], QStringLiteral("perro"));
    QCOMPARE(Base().ValorNo[1], qint16(2));
    QCOMPARE(Control<QLabel>("lblTituloTvo")->text(), QStringLiteral("El archivo tvo contiene  2 objetos"));
    QCOMPARE(Enabled(), QStringLiteral("cmdJugar cmdCrearArchTvo cmdTvoDeDisco cmdGuardar cmdGuardarComo "
                                       "txtRegistro cmdArrDer cmdArrIzq cmdArrFirst cmdArrLast"));
    QCOMPARE(FondoBGR(Control("txtRegistro")), 0xFFC0FFu);
    Pulsar("cmdJugar");
    QCOMPARE(Fondos(), QStringLiteral("C0FFFF FFFFFF C0FFFF E0E0E0"));
    QCOMPARE(Control<QLineEdit>("txtValorNo")->text(), QStringLiteral("2"));
    QCOMPARE(Control<CajaTexto>("txtObjeto2")->Texto(), QString());
    QCOMPARE(Enabled(), QStringLiteral("cmdSi cmdNo cmdParar"));
    Pulsar("cmdNo");
    QCOMPARE(FondoBGR(Control("txtPreguntaUsr")), 0xC0C0FFu);
    QCOMPARE(Control<CajaTexto>("txtPreguntaUsr")->Texto(), QStringLiteral("perro"));
    QCOMPARE(Accesible("txtPreguntaUsr", QAccessible::Description), QStringLiteral("objeto adivinado"));
    QTest::keyClick(ventana.get(), Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(FondoBGR(Control("txtPreguntaUsr")), 0xC0FFC0u);
    QCOMPARE(Accesible("txtPreguntaUsr", QAccessible::Description), QStringLiteral("acertado"));
    // Out of play the browser: a click in the box selects its number, Enter shows the line typed.
    auto *registro = Control<QLineEdit>("txtRegistro");
    QTest::mouseClick(registro, Qt::LeftButton);
    QCOMPARE(registro->selectedText(), QStringLiteral("2"));
    QTest::keyClicks(registro, QStringLiteral("1"));
    QTest::keyClick(registro, Qt::Key_Return);
    QCOMPARE(ElJuego().LineaActual(), qint16(1));
    Pulsar("cmdArrDer");
    QCOMPARE(registro->text(), QStringLiteral("2"));
    // Help and Vocab open their windows beside the main window.
    Pulsar("cmdAyuda");
    Pulsar("cmdVocab");
    QCOMPARE(QApplication::topLevelWidgets().size() >= 3, true);
}

void TestVentana::typingReachesTheModelAsTyped()
{
    Abrir(BaseDeEjemplo());
    auto *caja = Control<CajaTexto>("txtCarac");
    caja->setFocus(Qt::MouseFocusReason);
    caja->moveCursor(QTextCursor::End);
    QTest::keyClick(caja, '"');
    QVERIFY(modelo->Doc().Modificado);
    // A dead key and a vowel commit "á" through the input method; a quote so committed is replaced too.
    QInputMethodEvent compuesto;
    compuesto.setCommitString(QStringLiteral("á\""));
    QCoreApplication::sendEvent(caja, &compuesto);
    QCOMPARE(caja->Texto(), QStringLiteral("Características del archivo'á'"));
    Salir("txtCarac");
    QCOMPARE(Base().Caracteristicas, QStringLiteral("Características del archivo'á'"));
}

void TestVentana::aClickThatLeftARefusingBoxDoesNotAct()
{
    Abrir(BaseCompleta(7));
    // Pasted: a typed quote would become an apostrophe.
    auto *caja = Control<CajaTexto>("txtPreguntaUsr");
    caja->setFocus(Qt::MouseFocusReason);
    caja->selectAll();
    caja->insertPlainText(QStringLiteral("mi \"arreglo\""));
    guion->ResponderMensaje(Respuesta::Aceptar);
    Pulsar("cmdArrDer");
    // The message, the focus back in the box, and no move: the refused text is there to be mended.
    QCOMPARE(guion->mensajes.size(), 1);
    QCOMPARE(QApplication::focusWidget(), Control("txtPreguntaUsr"));
    QCOMPARE(ElJuego().LineaActual(), qint16(1));
    Teclear("txtPreguntaUsr", QStringLiteral("mi arreglo"));
    Pulsar("cmdArrDer");
    QCOMPARE(ElJuego().LineaActual(), qint16(2));
    QCOMPARE(Base().TextoLinea[1], QStringLiteral("mi arreglo"));
}

void TestVentana::anEditReachesTheDocumentBeforeACommand_data()
{
    QTest::addColumn<Foco>("foco");
    QTest::addColumn<QString>("boton");
    QTest::newRow("Guardar") << Foco::AlPulsar << "cmdGuardar";
    QTest::newRow("Guardar, a style whose buttons take the focus by Tab") << Foco::EstiloSoloTab << "cmdGuardar";
    QTest::newRow("Guardar, buttons forced to take the focus by Tab") << Foco::SoloTab << "cmdGuardar";
    QTest::newRow("Salir after Delete, buttons forced to Tab") << Foco::SoloTab << "cmdSalir";
    QTest::newRow("> after an unchecked number, buttons forced to Tab") << Foco::SoloTab << "cmdArrDer";
}

void TestVentana::anEditReachesTheDocumentBeforeACommand()
{
    QFETCH(Foco, foco);
    QFETCH(QString, boton);
    if (foco == Foco::EstiloSoloTab) {
        const QString estiloAntes = QApplication::style()->name();
        QApplication::setStyle(new EstiloSoloTab);
        ventana = std::make_unique<frmElTarvo>(*modelo);
        QApplication::setStyle(estiloAntes);
        ventana->show();
        QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
    }
    if (foco == Foco::SoloTab)
        for (QPushButton *control : ventana->findChildren<QPushButton *>())
            control->setFocusPolicy(Qt::TabFocus);
    Abrir(BaseCompleta(7), QStringLiteral("siete.tvo"));
    if (boton == "cmdGuardar") {
        Teclear("txtPreguntaUsr", QStringLiteral("Es corregida?"));
    } else if (boton == "cmdSalir") {
        Control("txtPreguntaUsr")->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(Control("txtPreguntaUsr"), Qt::Key_Delete);
        guion->ResponderMensaje(Respuesta::Cancelar);
    } else {
        Teclear("txtRegistro", QStringLiteral("500"));
    }
    Pulsar(qPrintable(boton));
    // A click gives a button the focus, whatever the style, unless a button was made to refuse it.
    QCOMPARE(QApplication::focusWidget() == Control(qPrintable(boton)), foco != Foco::SoloTab);
    if (boton == "cmdGuardar") {
        QVERIFY(LeerBytes(Ruta("siete.tvo")).contains("\r\n1,2,3,\"Es corregida?\"\r\n"));
        QVERIFY(!modelo->Doc().Modificado);
    } else if (boton == "cmdSalir") {
        // The deletion was stored, so the document changed and "Salir" asked.
        QCOMPARE(Base().TextoLinea[1], QStringLiteral("ínea 1"));
        QVERIFY(!guion->terminado);
    } else {
        // 500 is no line: the box gets 1 back, and ">" steps from there.
        QCOMPARE(ElJuego().LineaActual(), qint16(2));
    }
}

// A dark desktop theme gives light text; every background the program sets is light, so it sets its text too.
void TestVentana::everyColouredControlReadsOnADarkDesktop()
{
    QPalette oscura;
    for (const auto rol : {QPalette::Window, QPalette::Base, QPalette::Button})
        oscura.setColor(rol, QColor(0x30, 0x30, 0x30));
    for (const auto rol : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        oscura.setColor(rol, QColor(0xee, 0xee, 0xee));
    for (const auto rol : {QPalette::WindowText, QPalette::Text})
        oscura.setColor(QPalette::Disabled, rol, QColor(0x90, 0x90, 0x90));
    const QPalette antes = QApplication::palette();
    QApplication::setPalette(oscura);
    ventana = std::make_unique<frmElTarvo>(*modelo);
    const auto verificar = [this](const char *estado) {
        for (const char *nombre : {"txtObjeto1", "txtObjeto2", "txtPreguntaUsr", "txtRegistro", "txtValorSi",
                                   "txtValorNo", "lblTituloTvo", "lblNomArchTvo"}) {
            const QWidget *control = Control(nombre);
            const bool etiqueta = qobject_cast<const QLabel *>(control);
            for (const auto grupo :
                 control->isEnabled() ? QList{QPalette::Active, QPalette::Inactive} : QList{QPalette::Disabled}) {
                const double contraste =
                    Contraste(control->palette().color(grupo, etiqueta ? QPalette::WindowText : QPalette::Text),
                              control->palette().color(grupo, etiqueta ? QPalette::Window : QPalette::Base));
                QVERIFY2(contraste >= 4.5, qPrintable(QStringLiteral("%1 while %2: contrast %3")
                                                          .arg(QLatin1String(nombre), QLatin1String(estado))
                                                          .arg(contraste)));
            }
        }
    };
    verificar("learning");
    Abrir(BaseDeEjemplo());
    verificar("out of play");
    modelo->Jugar();
    verificar("at a question");
    modelo->Responder(true);
    verificar("at a guess");
    modelo->Responder(true);
    verificar("confirmed");
    QApplication::setPalette(antes);
}

void TestVentana::escapeAndTheCloseBoxChangeNothing_data()
{
    QTest::addColumn<Plataforma::Botones>("botones");
    QTest::addColumn<bool>("cierre");
    // What the box answers; Aceptar where it must stay up, and is then answered with Retry.
    QTest::addColumn<Respuesta>("respuesta");
    using B = Plataforma::Botones;
    QTest::newRow("Yes/No/Cancel, Escape") << B::SiNoCancelar << false << Respuesta::Cancelar;
    QTest::newRow("Yes/No/Cancel, close box") << B::SiNoCancelar << true << Respuesta::Cancelar;
    QTest::newRow("Yes/No, Escape") << B::SiNo << false << Respuesta::No;
    QTest::newRow("Yes/No, close box") << B::SiNo << true << Respuesta::No;
    QTest::newRow("Abort/Retry/Ignore, Escape") << B::AnularReintentarOmitir << false << Respuesta::Aceptar;
    QTest::newRow("Abort/Retry/Ignore, close box") << B::AnularReintentarOmitir << true << Respuesta::Aceptar;
}

void TestVentana::escapeAndTheCloseBoxChangeNothing()
{
    QFETCH(Plataforma::Botones, botones);
    QFETCH(bool, cierre);
    QFETCH(Respuesta, respuesta);
    bool seQuedo = false;
    // Runs inside the box's own event loop: Escape as a keyboard gives it, or the close request of the window
    // system; then, if the box is still up, a click on Retry.
    QTimer::singleShot(0, [&] {
        auto *caja = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(caja);
        if (cierre)
            caja->windowHandle()->close();
        else
            QTest::keyClick(caja->focusWidget() ? caja->focusWidget() : caja, Qt::Key_Escape);
        QCoreApplication::processEvents();
        seQuedo = caja->isVisible();
        if (seQuedo)
            caja->button(QMessageBox::Retry)->click();
    });
    PlataformaQt plataforma;
    const Respuesta dada =
        plataforma.Mensaje(QStringLiteral("¿Continuar?"), QStringLiteral("Prueba"), botones, Plataforma::Icono::Error);
    QCOMPARE(seQuedo, respuesta == Respuesta::Aceptar);
    QCOMPARE(dada, seQuedo ? Respuesta::Reintentar : respuesta);
}

void TestVentana::aBoxGivesBackItsTextAsItCame_data()
{
    QTest::addColumn<QString>("texto");
    QTest::newRow("no-break space") << QStringLiteral("a\u00A0b\u00A0");
    QTest::newRow("tab") << QStringLiteral("a\tb");
    QTest::newRow("lone CR") << QStringLiteral("a\rb");
    QTest::newRow("lone LF") << QStringLiteral("a\nb");
    QTest::newRow("CR LF") << QStringLiteral("a\r\nb");
    QTest::newRow("every break, at the ends too") << QStringLiteral("\ra\n\r\r\nb\n\r");
    QTest::newRow("code-page punctuation") << DecodificarCp1252(QByteArrayLiteral("\x93\xbfQu\xe9?\x94 \x96 \x85\x80"));
}

void TestVentana::aBoxGivesBackItsTextAsItCame()
{
    QFETCH(QString, texto);
    CajaTexto caja(nullptr);
    caja.PonerTexto(texto);
    // A visit that types nothing.
    caja.selectAll();
    caja.moveCursor(QTextCursor::End);
    QCOMPARE(caja.Texto(), texto);
    // Edits at both ends: a typed character, a typed line break, a pasted no-break space.
    caja.moveCursor(QTextCursor::Start);
    QTest::keyClick(&caja, 'X');
    caja.moveCursor(QTextCursor::End);
    QTest::keyClick(&caja, Qt::Key_Return);
    caja.insertPlainText(QStringLiteral("\u00A0"));
    QCOMPARE(caja.Texto(), QStringLiteral("X") + texto + QStringLiteral("\r\n\u00A0"));
    // Taken away again, they leave the text as it came.
    QTest::keyClick(&caja, Qt::Key_Backspace);
    QTest::keyClick(&caja, Qt::Key_Backspace);
    caja.moveCursor(QTextCursor::Start);
    QTest::keyClick(&caja, Qt::Key_Delete);
    QCOMPARE(caja.Texto(), texto);
}

void TestVentana::theFileViewShowsWhatAFreshViewWould()
{
    // A pair across a slice of decoding, lone breaks, and code-page bytes; each show starts at the top.
    const QByteArray largo(65535, 'x');
    const QList<QList<QByteArray>> contenidos = {{largo + "\r\nz"},
                                                 {"a\rb\r\n" + largo + "\r\nb\x80"},
                                                 {QByteArray(200 * 12, 'y').replace('y', "l\xednea\r\n")}};
    VisorArchivo visor(nullptr);
    visor.resize(297, 217);
    visor.show();
    for (const auto &contenido : contenidos) {
        visor.moveCursor(QTextCursor::End);
        visor.MostrarBytes(contenido);
        QPlainTextEdit nueva;
        nueva.setPlainText(DecodificarCp1252(contenido.join()));
        QCOMPARE(visor.toPlainText(), nueva.toPlainText());
        QCOMPARE(visor.verticalScrollBar()->value(), 0);
    }
}

void TestVentana::aDeferredIconIsMadeOnceWhenFirstDrawn()
{
    int hechos = 0;
    const QIcon icono = IconoDiferido([&hechos] {
        ++hechos;
        QPixmap rojo(16, 16);
        rojo.fill(Qt::red);
        return QIcon(rojo);
    });
    QCOMPARE(hechos, 0);
    QImage lienzo(16, 16, QImage::Format_ARGB32);
    QPainter pintor(&lienzo);
    QIcon(icono).paint(&pintor, lienzo.rect());
    pintor.end();
    QCOMPARE(lienzo.pixelColor(8, 8), QColor(Qt::red));
    QCOMPARE(icono.pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red));
    QCOMPARE(hechos, 1);
}

QTEST_MAIN(TestVentana)
#include "tst_ventana.moc"
