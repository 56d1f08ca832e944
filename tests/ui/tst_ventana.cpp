#include "apoyo/pruebadeventana.h"
#include "texto/cp1252.h"
#include "ui/arbol/frmarbol.h"
#include "ui/ayuda/ventanadocumento.h"
#include "ui/controles/apariencia.h"
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
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QWindow>

using Respuesta = Plataforma::Respuesta;
using Botones = Plataforma::Botones;

namespace {

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
    const auto luz = [](const QColor &c) {
        const auto lineal = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lineal(c.redF()) + 0.7152 * lineal(c.greenF()) + 0.0722 * lineal(c.blueF()) + 0.05;
    };
    return std::max(luz(a), luz(b)) / std::min(luz(a), luz(b));
}

// Each paragraph's text, then b for bold, i for italic (as its first character is) and c for centred.
QStringList Parrafos(const QTextDocument &documento)
{
    QStringList parrafos;
    for (QTextBlock bloque = documento.begin(); bloque.isValid(); bloque = bloque.next()) {
        const QTextCharFormat formato = bloque.begin().fragment().charFormat();
        QString parrafo = bloque.text();
        if (!parrafo.isEmpty())
            parrafo += QString(formato.fontWeight() == QFont::Bold ? "b" : "") + (formato.fontItalic() ? "i" : "") +
                       (bloque.blockFormat().alignment() & Qt::AlignHCenter ? "c" : "");
        parrafos << parrafo;
    }
    return parrafos;
}

template <typename Ventana> QList<Ventana *> Abiertas()
{
    QList<Ventana *> ventanas;
    for (QWidget *ventana : QApplication::topLevelWidgets())
        if (auto *buscada = qobject_cast<Ventana *>(ventana))
            ventanas << buscada;
    return ventanas;
}

} // namespace

class TestVentana : public PruebaDeVentana
{
    Q_OBJECT
private:
    // Every control shows what the model holds: texts, backgrounds, the row, the enabled set, the captions.
    void VerificarQueMuestraElModelo()
    {
        const char *const cajas[] = {"txtObjeto1", "txtObjeto2", "txtPreguntaUsr", "txtTipoObjeto", "txtCarac"};
        // Light yellow, white, light red and light green, as RGB.
        const QRgb colores[] = {0xFFFFC0, 0xFFFFFF, 0xFFC0C0, 0xC0FFC0};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(
                std::tuple(Control<CajaTexto>(cajas[i])->Texto(), Control(cajas[i])->palette().color(QPalette::Base)),
                std::tuple(Cajas().Texto(Caja(i)), i > 2 ? Control(cajas[i])->palette().color(QPalette::Base)
                                                         : QColor(colores[int(ElJuego().FondoDe(Caja(i)))])));
        const Fila &fila = ElJuego().FilaMostrada();
        for (const auto &[nombre, texto] :
             {std::pair{"txtRegistro", fila.registro}, {"txtValorSi", fila.valorSi}, {"txtValorNo", fila.valorNo}})
            QCOMPARE(Control<QLineEdit>(nombre)->text(), texto);
        // Salir always; Si and No, Jugar, Parar, the file commands and the browser as the phase allows.
        const char *const habilitadosEn[] = {"100101111", "111010000", "111000000", "111000000"};
        QString habilitados;
        for (const char *nombre : {"cmdSalir", "cmdSi", "cmdNo", "cmdJugar", "cmdParar", "cmdGuardar", "cmdTvoDeDisco",
                                   "txtRegistro", "cmdArrLast"})
            habilitados += QString::number(Control(nombre)->isEnabled());
        QCOMPARE(habilitados, QLatin1String(habilitadosEn[int(ElJuego().FaseActual())]));
        QCOMPARE(Control("txtRegistro")->palette().color(QPalette::Base),
                 QColor(habilitados.endsWith('1') ? 0xFFC0FF : 0xE0E0E0));
        QCOMPARE((QStringList{Control<QLabel>("lblTituloTvo")->text(), Control<QLabel>("lblNomArchTvo")->text(),
                              ventana->windowTitle(), Control<QPlainTextEdit>("RichTextBox1")->toPlainText()}),
                 (QStringList{ElJuego().CuentaObjetos(), modelo->EtiquetaArchivo(), modelo->Titulo(),
                              DecodificarCp1252(modelo->Vista().join()).replace(QLatin1String("\r\n"), "\n")}));
        // The backgrounds the program sets are light, so it sets their text too: a dark theme's would not read.
        for (const char *nombre : {"txtObjeto1", "txtObjeto2", "txtPreguntaUsr", "txtRegistro", "txtValorSi",
                                   "txtValorNo", "lblTituloTvo", "lblNomArchTvo"}) {
            const QWidget *control = Control(nombre);
            const bool etiqueta = qobject_cast<const QLabel *>(control);
            for (const auto grupo :
                 control->isEnabled() ? QList{QPalette::Active, QPalette::Inactive} : QList{QPalette::Disabled})
                QVERIFY2(Contraste(control->palette().color(grupo, etiqueta ? QPalette::WindowText : QPalette::Text),
                                   control->palette().color(grupo, etiqueta ? QPalette::Window : QPalette::Base)) >=
                             4.5,
                         nombre);
        }
    }

private slots:
    // Every window test runs on a dark desktop theme, with a style whose buttons take the focus by Tab only.
    void initTestCase()
    {
        QApplication::setStyle(new EstiloSoloTab);
        QPalette oscura(QColor(0xee, 0xee, 0xee), QColor(0x30, 0x30, 0x30));
        oscura.setColor(QPalette::Base, QColor(0x30, 0x30, 0x30));
        oscura.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
        QApplication::setPalette(oscura);
    }

    void everyControlFitsItsPlaceAndIsNamed()
    {
        QCOMPARE(std::tuple(ventana->size(), ventana->objectName()),
                 std::tuple(QSize(644, 488), QString("frmElTarvo")));
        // The boxes that only show: the two links and the file view.
        for (const char *nombre : {"txtValorSi", "txtValorNo", "RichTextBox1"})
            QVERIFY2(Control(nombre)->property("readOnly").toBool(), nombre);
        QList<QWidget *> controles;
        for (QWidget *control : ventana->findChildren<QWidget *>())
            if (!control->objectName().isEmpty() && !control->objectName().startsWith(QLatin1String("qt_")))
                controles << control;
        QCOMPARE(controles.size(), 35);
        for (QWidget *control : controles) {
            const QString nombre = control->objectName();
            QVERIFY2(control->parentWidget()->rect().contains(control->geometry()), qPrintable(nombre));
            // The layout's frames meet with one pixel in common.
            for (QWidget *otro : controles) {
                const QRect comun = control->geometry() & otro->geometry();
                QVERIFY2(otro == control || otro->parentWidget() != control->parentWidget() ||
                             std::min(comun.width(), comun.height()) <= 1,
                         qPrintable(nombre + QLatin1Char(' ') + otro->objectName()));
            }
            // A screen reader reads every control that takes the focus, and reads words, not glyphs ("| <").
            const QString leido = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
            QVERIFY2(control->focusPolicy() == Qt::NoFocus || !leido.isEmpty(), qPrintable(nombre));
            QVERIFY2(leido.isEmpty() || leido.contains(QRegularExpression(QStringLiteral("\\p{L}"))),
                     qPrintable(nombre + QLatin1String(": ") + leido));
        }
        // The layout was measured in a narrower font: a caption that would not fit is drawn a little smaller.
        for (const QLabel *etiqueta : ventana->findChildren<QLabel *>()) {
            const QFontMetrics medidas(etiqueta->font());
            const int alto =
                medidas.boundingRect(etiqueta->contentsRect(), Qt::TextWordWrap, etiqueta->text()).height();
            QVERIFY2(alto - medidas.descent() <= etiqueta->contentsRect().height() &&
                         etiqueta->font().pointSizeF() >= 6,
                     qPrintable(etiqueta->objectName()));
        }
        QCOMPARE(Control<QLabel>("Label1")->font().pointSizeF(), 8.0);
        QCOMPARE(Control<QLabel>("lblL")->buddy(), Control("txtRegistro"));
    }

    void aSessionByMouseAndKeysShowsTheModelAtEveryStep()
    {
        VerificarQueMuestraElModelo();
        // By keys alone from the first box: each box's text selected and typed over, then Tab to the next box.
        for (const char *texto : {"gato", "perro", "Ladra?", "animales"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(texto) + QLatin1Char('\t'));
        }
        // Alt+N clicks "No", a moment later.
        QTest::keyClick(ventana.get(), Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(Base().TextoLinea[1] + '|' + Base().TextoLinea[2] + '|' + Base().TipoObjeto,
                     QStringLiteral("Ladra?|perro|animales"));
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
        QTest::keyClicks(registro, QStringLiteral("1\r"));
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

    void aClickThatLeftARefusingBoxDoesNotAct()
    {
        Abrir(BaseCompleta(7));
        // Pasted: a typed quote would become an apostrophe.
        auto *caja = Control<CajaTexto>("txtPreguntaUsr");
        caja->setFocus(Qt::MouseFocusReason);
        caja->insertPlainText(QStringLiteral("\""));
        guion->ResponderMensaje(Respuesta::Aceptar);
        Pulsar("cmdArrDer");
        // The message, the focus back in the box, and no move: the refused text is there to be mended.
        QCOMPARE(guion->mostrados, QStringList{"Comillas encontradas: Quite las comillas del texto Pregunta [Ax]"});
        QCOMPARE(std::tuple(QApplication::focusWidget(), ElJuego().LineaActual()),
                 (std::tuple<QWidget *, qint16>(caja, 1)));
        Teclear("txtPreguntaUsr", QStringLiteral("mi arreglo"));
        Pulsar("cmdArrDer");
        QCOMPARE(std::tuple(ElJuego().LineaActual(), Base().TextoLinea[1]),
                 std::tuple(qint16(2), QString("mi arreglo")));
    }

    void anEditReachesTheDocumentBeforeACommand_data()
    {
        // Whether the buttons were forced to take the focus by Tab only, as the window would not have them.
        Columnas<bool, QString>("soloTab", "boton");
        QTest::newRow("Guardar") << false << "cmdGuardar";
        QTest::newRow("Guardar, buttons forced to take the focus by Tab") << true << "cmdGuardar";
        QTest::newRow("Salir after Delete, buttons forced to Tab") << true << "cmdSalir";
        // As the window system asks, for its close box or Alt+F4: answered No, the program ends.
        QTest::newRow("the close box after Delete") << false << "cierre";
        QTest::newRow("> after an unchecked number, buttons forced to Tab") << true << "cmdArrDer";
    }

    void anEditReachesTheDocumentBeforeACommand()
    {
        auto [soloTab, boton] = Celdas<bool, QString>("soloTab", "boton");
        for (QPushButton *control : ventana->findChildren<QPushButton *>())
            control->setFocusPolicy(soloTab ? Qt::TabFocus : control->focusPolicy());
        Abrir(BaseCompleta(7), QStringLiteral("siete.tvo"));
        const bool salir = boton == "cmdSalir" || boton == "cierre";
        if (salir)
            guion->ResponderMensaje(boton == "cierre" ? Respuesta::No : Respuesta::Cancelar);
        salir                  ? Teclear("txtPreguntaUsr", QString()) // Ctrl+A and Delete: no character typed
        : boton == "cmdArrDer" ? Teclear("txtRegistro", QStringLiteral("500"))
                               : Teclear("txtPreguntaUsr", QStringLiteral("Es corregida?"));
        if (salir)
            QTest::keyClick(Control("txtPreguntaUsr"), Qt::Key_Delete);
        boton == "cierre" ? void(ventana->windowHandle()->close()) : Pulsar(qPrintable(boton));
        QCOMPARE(ventana->isVisible(), boton != "cierre");
        // A click gives a button the focus, whatever the style, unless a button was made to refuse it.
        QCOMPARE(QApplication::focusWidget() == Control(qPrintable(boton)), !soloTab);
        if (boton == "cmdGuardar")
            QVERIFY(LeerBytes(Ruta("siete.tvo")).contains("\r\n1,2,3,\"Es corregida?\"\r\n"));
        QVERIFY(boton != "cmdGuardar" || !modelo->Doc().Modificado());
        // The deletion was stored, so the document changed and "Salir" asked; 500 is no line, so ">" steps from 1.
        QCOMPARE(Base().TextoLinea[1], boton == "cmdGuardar" ? QStringLiteral("Es corregida?")
                                       : salir               ? QString()
                                                             : QStringLiteral("línea 1"));
        QCOMPARE(ElJuego().LineaActual(), qint16(boton == "cmdArrDer" ? 2 : 1));
    }

    void escapeAndTheCloseBoxChangeNothing_data()
    {
        // The answer; Aceptar where the box must stay up (it is then answered with Retry).
        Columnas<Botones, bool, Respuesta>("botones", "cierre", "respuesta");
        QTest::newRow("Yes/No/Cancel, Escape") << Botones::SiNoCancelar << false << Respuesta::Cancelar;
        // No can drop something, a recovery copy: Escape and the close box are told apart from it.
        QTest::newRow("Yes/No, close box") << Botones::SiNo << true << Respuesta::Cancelar;
        QTest::newRow("Abort/Retry/Ignore, Escape") << Botones::AnularReintentarOmitir << false << Respuesta::Aceptar;
        QTest::newRow("Abort/Retry/Ignore, close box") << Botones::AnularReintentarOmitir << true << Respuesta::Aceptar;
    }

    void escapeAndTheCloseBoxChangeNothing()
    {
        auto [botones, cierre, respuesta] = Celdas<Botones, bool, Respuesta>("botones", "cierre", "respuesta");
        bool seQuedo = false;
        QMessageBox::Icon icono = QMessageBox::NoIcon;
        // Inside the box's own event loop: Escape as a keyboard gives it, or the window system's close request.
        QTimer::singleShot(0, [&, cierre = cierre] {
            auto *caja = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            icono = caja->icon();
            cierre ? void(caja->windowHandle()->close()) : QTest::keyClick(caja, Qt::Key_Escape);
            QCoreApplication::processEvents();
            seQuedo = caja->isVisible();
            if (seQuedo)
                caja->button(QMessageBox::Retry)->click();
        });
        const Respuesta dada = PlataformaQt().Mensaje(QString(), QString(), botones, Plataforma::Icono::Error);
        QCOMPARE(std::tuple(seQuedo, icono), std::tuple(respuesta == Respuesta::Aceptar, QMessageBox::Critical));
        QCOMPARE(dada, seQuedo ? Respuesta::Reintentar : respuesta);
    }

    void aBoxGivesBackItsTextAsItCame_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("no-break space and tab") << QStringLiteral("a\u00A0b\t");
        QTest::newRow("every break, at the ends too") << QStringLiteral("\ra\n\r\r\nb\n\r");
        QTest::newRow("code-page punctuation")
            << DecodificarCp1252(QByteArrayLiteral("\x93\xbfQu\xe9?\x94 \x96 \x85\x80"));
    }

    void aBoxGivesBackItsTextAsItCame()
    {
        QFETCH(QString, texto);
        CajaTexto caja(nullptr);
        caja.PonerTexto(texto);
        // A visit that types nothing; then a typed character, a typed line break and a pasted no-break space.
        caja.selectAll();
        caja.moveCursor(QTextCursor::End);
        QCOMPARE(caja.Texto(), texto);
        caja.moveCursor(QTextCursor::Start);
        QTest::keyClick(&caja, 'X');
        caja.moveCursor(QTextCursor::End);
        QTest::keyClick(&caja, Qt::Key_Return);
        caja.insertPlainText(QStringLiteral("\u00A0"));
        QCOMPARE(caja.Texto(), QStringLiteral("X") + texto + QStringLiteral("\r\n\u00A0"));
    }

    void theFileViewShowsWhatAFreshViewWould()
    {
        // A pair across a slice of decoding, a change after a shared beginning, lone breaks and code-page bytes;
        // each show starts at the top.
        const QByteArray largo(65535, 'x');
        VisorArchivo visor(nullptr);
        visor.resize(297, 217);
        for (const QList<QByteArray> &contenido :
             QList<QList<QByteArray>>{{largo + "\r\nz"},
                                      {largo + "\r\ny\r\n"},
                                      {"a\rb\r\n" + largo + "\r\nb\x80"},
                                      {QByteArray(200, 'y').replace("y", "y\r\n")}}) {
            visor.moveCursor(QTextCursor::End);
            visor.MostrarBytes(contenido);
            QPlainTextEdit nueva;
            nueva.setPlainText(DecodificarCp1252(contenido.join()));
            QCOMPARE(std::tuple(visor.toPlainText(), visor.verticalScrollBar()->value()),
                     std::tuple(nueva.toPlainText(), 0));
        }
    }

    // The two documents as the RTF reader builds them: code-page escapes, paragraphs, bold, italic and centred
    // groups, font tables skipped.
    void showsTheTwoDocuments()
    {
        frmVocab vocab;
        frmAyuda ayuda;
        QCOMPARE(QStringList({vocab.objectName(), vocab.windowTitle(), ayuda.objectName(), ayuda.windowTitle()}),
                 QStringList({"frmVocab", "Vocabulario ElTarvo", "frmAyuda", "Ayuda de 'El Tarvo'"}));
        for (const VentanaDocumento *ventana :
             {static_cast<VentanaDocumento *>(&vocab), static_cast<VentanaDocumento *>(&ayuda)})
            QCOMPARE(std::tuple(ventana->RichTextBox1->isReadOnly(), ventana->RichTextBox1->document()->defaultFont()),
                     std::tuple(true, QFont(QStringLiteral("Arial"), 10)));
        const QStringList parrafos = Parrafos(*vocab.RichTextBox1->document());
        // The title, an empty paragraph, 73 entries and two empty paragraphs.
        QCOMPARE(parrafos.mid(0, 3), (QStringList{"Vocabulario para ElTarvobc", "", "-Abrir, abriendo=Open"}));
        QCOMPARE(parrafos.mid(75, 2), (QStringList{"", ""}));
        QVERIFY(parrafos[74].startsWith(QStringLiteral("-Vincular=")));
        for (const QString &entrada : parrafos.mid(2, 73))
            QVERIFY2(entrada.startsWith(QLatin1Char('-')) && entrada.contains(QLatin1Char('=')), qPrintable(entrada));

        const QStringList texto = Parrafos(*ayuda.RichTextBox1->document());
        QCOMPARE(texto.mid(2, 2), (QStringList{QStringLiteral("Ayuda El Tarvo 2013 - 2015 versión 3.2bc"), "Helpbic"}));
        // Each box is its window's outer size (offscreen, a frame of 2 pixels) less the layout's margins.
        ayuda.show();
        vocab.show();
        QCOMPARE(std::tuple(ayuda.size(), ayuda.RichTextBox1->geometry(), vocab.size(), vocab.RichTextBox1->geometry()),
                 std::tuple(QSize(218, 320), QRect(0, 8, 213, 288), QSize(266, 322), QRect(0, 8, 261, 290)));
    }

    void eachWindowOpensOnce()
    {
        for (const char *boton : {"cmdAyuda", "cmdAyuda", "cmdVocab", "cmdVocab"})
            Pulsar(boton);
        QCOMPARE(Abiertas<frmAyuda>().size() + Abiertas<frmVocab>().size(), 2);
        QPointer<frmVocab> vocab = Abiertas<frmVocab>().constFirst();
        QVERIFY(QTest::qWaitForWindowActive(vocab));
        // Modeless and without an owner; a second click keeps the scroll position and brings it to the front.
        QCOMPARE(std::tuple(vocab->isModal(), vocab->parentWidget(), ventana->isEnabled()),
                 (std::tuple<bool, QWidget *, bool>(false, nullptr, true)));
        QScrollBar *barra = vocab->RichTextBox1->verticalScrollBar();
        barra->setValue(barra->maximum() / 2);
        Pulsar("cmdAyuda");
        QVERIFY(QTest::qWaitForWindowActive(Abiertas<frmAyuda>().constFirst()));
        Pulsar("cmdVocab");
        QVERIFY(QTest::qWaitForWindowActive(vocab));
        QCOMPARE(barra->value(), barra->maximum() / 2);
        // Closed, it is destroyed, and the next one starts at the top; both end with the main window.
        vocab->close();
        QTRY_VERIFY(!vocab);
        Pulsar("cmdVocab");
        QCOMPARE(Abiertas<frmVocab>().constFirst()->RichTextBox1->verticalScrollBar()->value(), 0);
        QPointer<frmAyuda> ayuda = Abiertas<frmAyuda>().constFirst();
        ventana.reset();
        QCOMPARE(std::tuple(ayuda.isNull(), Abiertas<frmVocab>().size()), std::tuple(true, qsizetype(0)));
    }

    // One tree window at a time; Enter in the search field selects the next match with its branch open, and the
    // row shows its line in the main window; the mends and their keys work out of play only.
    void theTreeWindowFindsJumpsAndMends()
    {
        Abrir(BaseCompleta(7), QStringLiteral("siete.tvo"));
        Pulsar("cmdArbol");
        Pulsar("cmdArbol");
        QCOMPARE(Abiertas<frmArbol>().size(), 1);
        frmArbol *arbol = Abiertas<frmArbol>().constFirst();
        QVERIFY(QTest::qWaitForWindowActive(arbol));
        QCOMPARE(arbol->windowTitle(), QStringLiteral("Árbol - siete.tvo"));
        // What is left typed in the main window is kept before the tree acts, as a click there would keep it.
        Teclear("txtPreguntaUsr", QStringLiteral("corregido"));
        QTest::keyClicks(arbol->txtBuscar, QStringLiteral("LINEA 6"));
        QTest::keyClick(arbol->txtBuscar, Qt::Key_Return);
        QCOMPARE(std::tuple(arbol->lblCoincidencias->text(), Control<QLineEdit>("txtRegistro")->text(),
                            arbol->arbol->isExpanded(arbol->arbol->currentIndex().parent())),
                 std::tuple(QStringLiteral("1 coincidencia"), QStringLiteral("6"), true));
        QCOMPARE(Base().TextoLinea[1], QStringLiteral("corregido"));
        Pasos("r:si");
        arbol->cmdQuitarObjeto->click();
        // The row that took the question's place is chosen; the history's buttons name the change.
        const auto elegida = [&] { return arbol->arbol->currentIndex().data(ModeloArbol::LineaRol).toInt(); };
        QCOMPARE(std::tuple(Base().NumLineas, elegida(), arbol->cmdDeshacer->text(), arbol->cmdRehacer->isEnabled()),
                 std::tuple(qint16(5), 5, QStringLiteral("Deshacer Quitar objeto"), false));
        // The search field keeps its own undo keys; the tree hands them on to the window. Undone, the question.
        arbol->arbol->setFocus();
        QTest::keyClick(arbol->arbol, Qt::Key_Z, Qt::ControlModifier);
        QTRY_COMPARE(std::tuple(Base().NumLineas, elegida()), std::tuple(qint16(7), 3));
        QTest::keyClick(arbol->arbol, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(std::tuple(Base().NumLineas, elegida()), std::tuple(qint16(5), 5));
        Pulsar("cmdJugar");
        Pulsar("cmdNo");
        // The row of the line in play is marked as soon as the answer leads there.
        const auto *filas = static_cast<const ModeloArbol *>(arbol->arbol->model());
        QCOMPARE(std::tuple(filas->IndiceDeLinea(ElJuego().LineaActual()).data(ModeloArbol::MarcaRol).toInt(),
                            arbol->cmdDeshacer->isEnabled(), arbol->cmdCambiarSiNo->isEnabled()),
                 std::tuple(int(ModeloArbol::Actual), false, false));
        // Another file: its line 1, and no search.
        Abrir(BaseCompleta(3), QStringLiteral("tres.tvo"));
        QCOMPARE(std::tuple(elegida(), arbol->txtBuscar->text()), std::tuple(1, QString()));
        ventana.reset();
        QVERIFY(Abiertas<frmArbol>().isEmpty());
    }

    // Alt+← takes back an answer in the main window and in the tree, whose "Volver aquí" goes back to the question
    // chosen on the path; the answer buttons tell of the key.
    void goingBackByTheKeyAndFromTheTree()
    {
        Abrir(BaseCompleta(7), QStringLiteral("siete.tvo"));
        QCOMPARE(Control<QPushButton>("cmdNo")->toolTip(), QStringLiteral("Alt+← vuelve a la pregunta anterior"));
        Pulsar("cmdJugar");
        Pulsar("cmdNo");
        Pulsar("cmdSi");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(ElJuego().Camino(), (QList<int>{1, 3}));
        Pulsar("cmdSi");
        Pulsar("cmdArbol");
        frmArbol *arbol = Abiertas<frmArbol>().constFirst();
        QVERIFY(QTest::qWaitForWindowActive(arbol));
        const auto *filas = static_cast<const ModeloArbol *>(arbol->arbol->model());
        arbol->arbol->setCurrentIndex(filas->IndiceDeLinea(6));
        QVERIFY(!arbol->cmdVolver->isEnabled());
        arbol->arbol->setCurrentIndex(filas->IndiceDeLinea(1));
        arbol->cmdVolver->click();
        QCOMPARE(std::tuple(ElJuego().Camino(), arbol->cmdVolver->isEnabled()), std::tuple(QList<int>{1}, false));
        QTest::keyClick(arbol->arbol, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(std::tuple(guion->pitidos, Control<QLineEdit>("txtRegistro")->text()),
                 std::tuple(1, QStringLiteral("1")));
    }
};

QTEST_MAIN(TestVentana)
#include "tst_ventana.moc"
