#include "apoyo/pruebadeventana.h"
#include "apoyo/util.h"
#include "kb/cp1252.h"
#include "ui/controles/cajatexto.h"
#include "ui/controles/visorarchivo.h"
#include "ui/main/plataformaqt.h"

#include <QAccessible>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cmath>

using Respuesta = Plataforma::Respuesta;

namespace {

// How the buttons take the focus: on a click, by Tab only because the style says so (the macOS style does), or
// forced to Tab only.
enum class Foco { AlPulsar, EstiloSoloTab, SoloTab };

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
    const auto luminancia = [](const QColor &c) {
        const auto lineal = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lineal(c.redF()) + 0.7152 * lineal(c.greenF()) + 0.0722 * lineal(c.blueF());
    };
    return (std::max(luminancia(a), luminancia(b)) + 0.05) / (std::min(luminancia(a), luminancia(b)) + 0.05);
}

} // namespace

Q_DECLARE_METATYPE(Foco)

class TestVentana : public PruebaDeVentana
{
    Q_OBJECT
private slots:
    void everyControlFitsItsPlaceAndIsNamed();
    void aSessionByMouseAndKeysShowsTheModelAtEveryStep();
    void aClickThatLeftARefusingBoxDoesNotAct();
    void anEditReachesTheDocumentBeforeACommand_data();
    void anEditReachesTheDocumentBeforeACommand();
    void everyColouredControlReadsOnADarkDesktop();
    void escapeAndTheCloseBoxChangeNothing_data();
    void escapeAndTheCloseBoxChangeNothing();
    void aBoxGivesBackItsTextAsItCame_data();
    void aBoxGivesBackItsTextAsItCame();
    void theFileViewShowsWhatAFreshViewWould();

private:
    // Every control shows what the model holds: texts, backgrounds, the row, the enabled set, the captions.
    void VerificarQueMuestraElModelo()
    {
        const char *const cajas[] = {"txtObjeto1", "txtObjeto2", "txtPreguntaUsr", "txtTipoObjeto", "txtCarac"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(Control<CajaTexto>(cajas[i])->Texto(), Cajas().Texto(Caja(i)));
        const quint32 colores[] = {0xC0FFFF, 0xFFFFFF, 0xC0C0FF, 0xC0FFC0};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(FondoBGR(Control(cajas[i])), colores[int(ElJuego().FondoDe(Caja(i)))]);
        const Fila &fila = ElJuego().FilaMostrada();
        QCOMPARE((QStringList{Control<QLineEdit>("txtRegistro")->text(), Control<QLineEdit>("txtValorSi")->text(),
                              Control<QLineEdit>("txtValorNo")->text()}),
                 (QStringList{fila.registro, fila.valorSi, fila.valorNo}));
        const Controles c = ControlesDe(ElJuego().FaseActual());
        const std::pair<const char *, bool> habilitados[] = {{"cmdSi", c.siNo},
                                                             {"cmdNo", c.siNo},
                                                             {"cmdJugar", c.jugar},
                                                             {"cmdParar", c.parar},
                                                             {"cmdGuardar", c.archivo},
                                                             {"cmdTvoDeDisco", c.archivo},
                                                             {"txtRegistro", c.navegador},
                                                             {"cmdArrLast", c.navegador},
                                                             {"cmdSalir", true}};
        for (const auto &[nombre, habilitado] : habilitados)
            QVERIFY2(Control(nombre)->isEnabled() == habilitado, nombre);
        QCOMPARE(FondoBGR(Control("txtRegistro")), c.navegador ? 0xFFC0FFu : 0xE0E0E0u);
        QCOMPARE((QStringList{Control<QLabel>("lblTituloTvo")->text(), Control<QLabel>("lblNomArchTvo")->text(),
                              ventana->windowTitle()}),
                 (QStringList{ElJuego().CuentaObjetos(), modelo->EtiquetaArchivo(), modelo->Titulo()}));
        QCOMPARE(Control<QPlainTextEdit>("RichTextBox1")->toPlainText(),
                 DecodificarCp1252(modelo->Vista().join()).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    }
};

void TestVentana::everyControlFitsItsPlaceAndIsNamed()
{
    QCOMPARE(ventana->size(), QSize(644, 488));
    QList<QWidget *> controles;
    for (QWidget *control : ventana->findChildren<QWidget *>())
        if (!control->objectName().isEmpty() && !control->objectName().startsWith(QLatin1String("qt_")))
            controles << control;
    QCOMPARE(controles.size(), 34);
    for (QWidget *control : controles) {
        const QString nombre = control->objectName();
        QVERIFY2(control->parentWidget()->rect().contains(control->geometry()), qPrintable(nombre));
        // The layout's frames meet with one pixel in common.
        for (QWidget *otro : controles) {
            const QRect comun = control->geometry() & otro->geometry();
            QVERIFY2(otro == control || otro->parentWidget() != control->parentWidget() || comun.width() <= 1 ||
                         comun.height() <= 1,
                     qPrintable(nombre + QLatin1Char(' ') + otro->objectName()));
        }
        QVERIFY2(control->focusPolicy() == Qt::NoFocus ||
                     !QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty(),
                 qPrintable(nombre));
    }
    // The layout was measured in a narrower font: a caption that would not fit is drawn a little smaller.
    for (const QLabel *etiqueta : ventana->findChildren<QLabel *>()) {
        const QFontMetrics medidas(etiqueta->font());
        const QRect zona = etiqueta->contentsRect();
        const int alto = medidas.boundingRect(zona, Qt::TextWordWrap, etiqueta->text()).height();
        QVERIFY2(alto - medidas.descent() <= zona.height() && etiqueta->font().pointSizeF() >= 6,
                 qPrintable(etiqueta->objectName()));
    }
    QCOMPARE(Control<QLabel>("Label1")->font().pointSizeF(), 8.0);
}

void TestVentana::aSessionByMouseAndKeysShowsTheModelAtEveryStep()
{
    QCOMPARE(QApplication::focusWidget(), Control("txtObjeto1"));
    VerificarQueMuestraElModelo();
    Teclear("txtObjeto1", QStringLiteral("gato"));
    Teclear("txtObjeto2", QStringLiteral("perro"));
    Teclear("txtPreguntaUsr", QStringLiteral("Ladra?"));
    // Alt+N clicks "No", a moment later.
    QTest::keyClick(ventana.get(), Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(Base().TextoLinea[2], QStringLiteral("perro"));
    VerificarQueMuestraElModelo();
    Pulsar("cmdJugar");
    VerificarQueMuestraElModelo();
    Pulsar("cmdNo");
    VerificarQueMuestraElModelo();
    QCOMPARE(QAccessible::queryAccessibleInterface(Control("txtPreguntaUsr"))->text(QAccessible::Description),
             QStringLiteral("objeto adivinado"));
    QTest::keyClick(ventana.get(), Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(ElJuego().FaseActual(), Fase::FueraDeJuego);
    VerificarQueMuestraElModelo();
    // The browser: a click in the box selects its number, Enter shows the line typed, the arrows step.
    auto *registro = Control<QLineEdit>("txtRegistro");
    QTest::mouseClick(registro, Qt::LeftButton);
    QCOMPARE(registro->selectedText(), QStringLiteral("2"));
    QTest::keyClicks(registro, QStringLiteral("1"));
    QTest::keyClick(registro, Qt::Key_Return);
    Pulsar("cmdArrDer");
    QCOMPARE(ElJuego().LineaActual(), qint16(2));
    // A typed quote becomes an apostrophe; input-method text counts as typing; leaving commits.
    Control("txtCarac")->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(Control("txtCarac"), '"');
    QInputMethodEvent compuesto;
    compuesto.setCommitString(QStringLiteral("á\""));
    QCoreApplication::sendEvent(Control("txtCarac"), &compuesto);
    Salir("txtCarac");
    QCOMPARE(Base().Caracteristicas, QStringLiteral("'á'Características (del archivo)"));
    VerificarQueMuestraElModelo();
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
    QCOMPARE(Mensajes().size(), 1);
    QCOMPARE(QApplication::focusWidget(), caja);
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
    for (QPushButton *control : ventana->findChildren<QPushButton *>())
        if (foco == Foco::SoloTab)
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
    if (boton == "cmdGuardar")
        QVERIFY(LeerBytes(Ruta("siete.tvo")).contains("\r\n1,2,3,\"Es corregida?\"\r\n") && !modelo->Doc().Modificado);
    // The deletion was stored, so the document changed and "Salir" asked.
    if (boton == "cmdSalir")
        QVERIFY(Base().TextoLinea[1] == QStringLiteral("ínea 1") && !guion->terminado);
    // 500 is no line: the box gets 1 back, and ">" steps from there.
    if (boton == "cmdArrDer")
        QCOMPARE(ElJuego().LineaActual(), qint16(2));
}

// A dark desktop theme gives light text; every background the program sets is light, so it sets its text too.
void TestVentana::everyColouredControlReadsOnADarkDesktop()
{
    QPalette oscura(QColor(0xee, 0xee, 0xee), QColor(0x30, 0x30, 0x30));
    oscura.setColor(QPalette::Base, QColor(0x30, 0x30, 0x30));
    oscura.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    const QPalette antes = QApplication::palette();
    QApplication::setPalette(oscura);
    ventana = std::make_unique<frmElTarvo>(*modelo);
    Abrir(BaseDeEjemplo());
    for (int paso = 0; paso < 4; ++paso) {
        for (const char *nombre : {"txtObjeto1", "txtObjeto2", "txtPreguntaUsr", "txtRegistro", "txtValorSi",
                                   "txtValorNo", "lblTituloTvo", "lblNomArchTvo"}) {
            const QWidget *control = Control(nombre);
            const bool etiqueta = qobject_cast<const QLabel *>(control);
            for (const auto grupo :
                 control->isEnabled() ? QList{QPalette::Active, QPalette::Inactive} : QList{QPalette::Disabled}) {
                const double contraste =
                    Contraste(control->palette().color(grupo, etiqueta ? QPalette::WindowText : QPalette::Text),
                              control->palette().color(grupo, etiqueta ? QPalette::Window : QPalette::Base));
                QVERIFY2(contraste >= 4.5, qPrintable(QStringLiteral("%1 at step %2").arg(nombre).arg(paso)));
            }
        }
        // Out of play, at a question, at a guess, confirmed.
        paso == 0 ? modelo->Jugar() : modelo->Responder(true);
    }
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
    // Inside the box's own event loop: Escape as a keyboard gives it, or the window system's close request;
    // then, if the box is still up, a click on Retry.
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
    const Respuesta dada = plataforma.Mensaje(QString(), QString(), botones, Plataforma::Icono::Error);
    QCOMPARE(seQuedo, respuesta == Respuesta::Aceptar);
    QCOMPARE(dada, seQuedo ? Respuesta::Reintentar : respuesta);
}

void TestVentana::aBoxGivesBackItsTextAsItCame_data()
{
    QTest::addColumn<QString>("texto");
    QTest::newRow("no-break space and tab") << QStringLiteral("a\u00A0b\t");
    QTest::newRow("lone CR") << QStringLiteral("a\rb");
    QTest::newRow("lone LF") << QStringLiteral("a\nb");
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
    // A pair across a slice of decoding, lone breaks and code-page bytes; each show starts at the top.
    const QByteArray largo(65535, 'x');
    const QList<QList<QByteArray>> contenidos = {
        {largo + "\r\nz"}, {"a\rb\r\n" + largo + "\r\nb\x80"}, {QByteArray(200, 'y').replace("y", "l\xednea\r\n")}};
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

QTEST_MAIN(TestVentana)
#include "tst_ventana.moc"
