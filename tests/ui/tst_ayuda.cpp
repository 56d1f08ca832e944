#include "apoyo/ventanaprueba.h"
#include "ui/ayuda/lectorrtf.h"
#include "ui/ayuda/ventanadocumento.h"

#include <QAbstractButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

namespace {

QString TextoDe(const QByteArray &rtf)
{
    QTextDocument documento;
    LeerRtf(rtf, documento);
    return documento.toPlainText();
}

QTextCharFormat FormatoEn(const QTextDocument &documento, const QString &texto)
{
    QTextCursor cursor = documento.find(texto);
    return cursor.charFormat();
}

QStringList Parrafos(const QTextDocument &documento)
{
    QStringList parrafos;
    for (QTextBlock bloque = documento.begin(); bloque.isValid(); bloque = bloque.next())
        parrafos << bloque.text();
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

class TestAyuda : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void readsTheRtfSubset_data();
    void readsTheRtfSubset();
    void keepsCharacterAndParagraphFormats();
    void neverFailsOnBrokenInput_data();
    void neverFailsOnBrokenInput();

    void vocabularyHas73EntriesInOrder();
    void helpHoldsItsBlocksAndStatements();
    void eachWindowOpensOnceAndComesToTheFront();
    void closingDestroysTheWindowAndTheNextOneStartsAtTheTop();
    void boxFollowsTheWindowSize();
    void closingTheMainWindowClosesBoth();

private:
    std::unique_ptr<VentanaPrueba> prueba;
};

void TestAyuda::init()
{
    prueba = std::make_unique<VentanaPrueba>();
}

void TestAyuda::cleanup()
{
    QVERIFY(prueba->plataforma->Comprobar());
    prueba.reset();
}

void TestAyuda::readsTheRtfSubset_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("texto");
    QTest::newRow("plain") << QByteArray("{\\rtf1\\ansi hola}") << "hola";
    QTest::newRow("code page escapes") << QByteArray("{\\rtf1 \\'e1\\'e9\\'ed\\'f3\\'fa\\'f1\\'bf\\'85\\'80}")
                                       << "áéíóúñ¿…€";
    QTest::newRow("unicode with its stand-in") << QByteArray("{\\rtf1 \\u8364?x}") << "€x";
    QTest::newRow("unicode without stand-in") << QByteArray("{\\rtf1\\uc0 \\u233 x}") << "éx";
    QTest::newRow("negative unicode") << QByteArray("{\\rtf1 \\u-3913?}") << QString(QChar(0xF0B7));
    QTest::newRow("paragraphs") << QByteArray("{\\rtf1 uno\\par dos\\par}") << "uno\ndos\n";
    QTest::newRow("line and tab") << QByteArray("{\\rtf1 a\\line b\\tab c}") << "a\nb\tc";
    QTest::newRow("escaped symbols") << QByteArray("{\\rtf1 \\\\ \\{x\\}}") << "\\ {x}";
    QTest::newRow("line ends are not text") << QByteArray("{\\rtf1 a\r\nb}") << "ab";
    QTest::newRow("font table and generator skipped")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}{\\*\\generator Riched20;}{\\colortbl;\\red0;}x}") << "x";
    QTest::newRow("unknown words ignored") << QByteArray("{\\rtf1\\viewkind4\\lang1033\\nowidctlpar y}") << "y";
    QTest::newRow("header of our documents") << QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3082 \\pard "
                                                           "Caracter\\'edsticas\\par}")
                                             << "Características\n";
}

void TestAyuda::readsTheRtfSubset()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, texto);
    QCOMPARE(TextoDe(rtf), texto);
}

void TestAyuda::keepsCharacterAndParagraphFormats()
{
    QTextDocument documento;
    LeerRtf("{\\rtf1\\pard\\qc{\\b negra{\\i ambas}solo}normal\\par\\pard izquierda\\line \\fs40 grande\\par}",
            documento);
    // A line break stays inside its paragraph.
    QCOMPARE(Parrafos(documento),
             (QStringList{"negraambassolonormal", QStringLiteral("izquierda") + QChar::LineSeparator + "grande", ""}));
    QCOMPARE(FormatoEn(documento, "negra").fontWeight(), int(QFont::Bold));
    QVERIFY(!FormatoEn(documento, "negra").fontItalic());
    QCOMPARE(FormatoEn(documento, "ambas").fontWeight(), int(QFont::Bold));
    QVERIFY(FormatoEn(documento, "ambas").fontItalic());
    // Closing a group brings back the formats it started with.
    QCOMPARE(FormatoEn(documento, "solo").fontWeight(), int(QFont::Bold));
    QVERIFY(!FormatoEn(documento, "solo").fontItalic());
    QCOMPARE(FormatoEn(documento, "normal").fontWeight(), int(QFont::Normal));
    QCOMPARE(FormatoEn(documento, "grande").fontPointSize(), 20.0);
    QCOMPARE(documento.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(documento.begin().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

void TestAyuda::neverFailsOnBrokenInput_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("texto");
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("closing groups only") << QByteArray("}}}a{") << "a";
    QTest::newRow("cut escape") << QByteArray("{\\rtf1 a\\'e") << "ae";
    QTest::newRow("bad hex") << QByteArray("{\\rtf1 \\'zzb}") << "zzb";
    QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 a\\") << "a";
    QTest::newRow("huge parameter") << QByteArray("{\\rtf1\\fs99999999999999999999 a\\u99999999999999?}") << "a?";
    QTest::newRow("nesting beyond the cap") << QByteArray(5000, '{') + "hondo" + QByteArray(5000, '}') << "";
    QTest::newRow("unicode skip across a group") << QByteArray("{\\rtf1\\uc5 \\u233{x}y}") << "éxy";
}

void TestAyuda::neverFailsOnBrokenInput()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, texto);
    QCOMPARE(TextoDe(rtf), texto);
}

void TestAyuda::vocabularyHas73EntriesInOrder()
{
    frmVocab ventana;
    QCOMPARE(ventana.windowTitle(), QStringLiteral("Vocabulario ElTarvo"));
    QCOMPARE(ventana.size(), QSize(266, 322));
    const QTextDocument &documento = *ventana.RichTextBox1->document();
    const QStringList parrafos = Parrafos(documento);
    QCOMPARE(parrafos.value(0), QStringLiteral("Vocabulario para ElTarvo"));
    QCOMPARE(documento.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(FormatoEn(documento, "Vocabulario para").fontWeight(), int(QFont::Bold));
    QCOMPARE(parrafos.value(1), QString());

    const QStringList espanol = {"Abrir, abriendo",
                                 "Acceder",
                                 "Accesos Directos Agrupados",
                                 "Actualizarán",
                                 "Además",
                                 "Alimentar",
                                 "Amarillo",
                                 "Antes",
                                 "Aparezca",
                                 "Aquí",
                                 "Breve",
                                 "Tvo",
                                 "Cada",
                                 "Caja",
                                 "Campo",
                                 "Carpeta",
                                 "Colocar",
                                 "Comillas",
                                 "Contestar, Conteste",
                                 "Cree, Creele",
                                 "Cuestión",
                                 "Deberían",
                                 "Desee",
                                 "Durante",
                                 "Edición",
                                 "En Cuestión",
                                 "Enseguida",
                                 "Escriba",
                                 "Esfero",
                                 "Externa",
                                 "Fácilmente",
                                 "Fina",
                                 "Formula",
                                 "Fotos",
                                 "Fuera de juego",
                                 "Guarde, Guardar",
                                 "Hacerlo",
                                 "Heurísticamente",
                                 "Incluya, Incluir",
                                 "Informe",
                                 "Jerarquicamente, Jerarquía",
                                 "Juego, Jugar",
                                 "Luego",
                                 "Mencionado",
                                 "Objeto",
                                 "Pantalla",
                                 "Parar",
                                 "Pasar",
                                 "Pensando",
                                 "Podrá",
                                 "Por separado",
                                 "Pregunta",
                                 "Primer",
                                 "Pulsando, Presionando",
                                 "Punta",
                                 "Que",
                                 "Recuerda",
                                 "Referencia",
                                 "Registro",
                                 "Relacionar",
                                 "Requiere",
                                 "Resaltado",
                                 "Saltará",
                                 "Segundo",
                                 "Separado",
                                 "Se trata de",
                                 "Si",
                                 "Solamente",
                                 "Tiene",
                                 "Tipo",
                                 "Usuario",
                                 "Ventana",
                                 "Vincular"};
    QCOMPARE(espanol.size(), 73);
    QStringList entradas;
    for (const QString &parrafo : parrafos)
        if (parrafo.startsWith(QLatin1Char('-')))
            entradas << parrafo;
    QCOMPARE(entradas.size(), 73);
    for (int i = 0; i < 73; ++i)
        QCOMPARE(entradas[i].mid(1).section(QLatin1Char('='), 0, 0), espanol[i]);
    for (const char *citada :
         {"-Abrir, abriendo=Open", "-Objeto=Object", "-Tvo=File name extension", "-Cuestión=(Ver 'En Cuestión')",
          "-En Cuestión=Relevant, That that we are talking about, in question",
          "-Heurísticamente=Que aprende por si mismo (Learns by itself)", "-Fuera de juego=Out of play",
          "-Juego, Jugar=Play, Game, To play", "-Registro=Record", "-Si=Yes", "-Campo=Field (in this case, text box)",
          "-Comillas=Quotation marks"})
        QVERIFY2(entradas.contains(QString::fromUtf8(citada)), citada);
    // Two empty paragraphs close the list.
    QCOMPARE(parrafos.mid(2 + 73, 2), (QStringList{"", ""}));
}

void TestAyuda::helpHoldsItsBlocksAndStatements()
{
    frmAyuda ventana;
    QCOMPARE(ventana.windowTitle(), QStringLiteral("Ayuda de 'El Tarvo'"));
    QCOMPARE(ventana.size(), QSize(218, 320));
    const QTextDocument &documento = *ventana.RichTextBox1->document();
    const QStringList parrafos = Parrafos(documento);
    QCOMPARE(parrafos.mid(0, 4),
             (QStringList{"", "", QStringLiteral("Ayuda El Tarvo 2013 - 2015 versión 3.2"), "Help"}));
    QVERIFY(FormatoEn(documento, "Help").fontItalic());
    QCOMPARE(FormatoEn(documento, "Help").fontWeight(), int(QFont::Bold));
    const QStringList enOrden = {
        "New:",
        "Máximo 32766 caracteres por objeto.",
        "Introducción:",
        "Puede recordar 300 objetos.",
        "Los datos son: L1, 2, 3, 'Pregunta' ... L2, 0, 0, 'Objeto1'... L3, 0, 0, 'Objeto2'...",
        "Incluya textos breves.",
        "Para relacionar archivos tvo con otros archivos",
        "Posibilidad 1:",
        "Resumen final",
        "Matemáticas.tvo",
        "README",
        "PS.",
        "There are (N*2)-1 objects and questions, where N=Number of objects."};
    const QString texto = documento.toPlainText();
    qsizetype desde = 0;
    for (const QString &cita : enOrden) {
        const qsizetype donde = texto.indexOf(cita, desde);
        QVERIFY2(donde >= 0, qPrintable(cita));
        desde = donde + cita.size();
    }
    const QTextCursor titulo = documento.find(QStringLiteral("Para relacionar archivos tvo con otros archivos"));
    QCOMPARE(titulo.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(titulo.charFormat().fontWeight(), int(QFont::Bold));
    // Everything after the README rule is English in italics.
    QVERIFY(FormatoEn(documento, "There are (N*2)-1").fontItalic());
    QVERIFY(!FormatoEn(documento, "Introducción:").fontItalic());
}

void TestAyuda::eachWindowOpensOnceAndComesToTheFront()
{
    frmElTarvo *principal = prueba->ventana.get();
    principal->show();
    for (const char *boton : {"cmdAyuda", "cmdAyuda", "cmdVocab", "cmdVocab"})
        prueba->Pulsar(boton);
    QCOMPARE(Abiertas<frmAyuda>().size(), 1);
    QCOMPARE(Abiertas<frmVocab>().size(), 1);
    frmVocab *vocab = Abiertas<frmVocab>().constFirst();
    QVERIFY(QTest::qWaitForWindowActive(vocab));
    // Modeless and without an owner: the main window stays usable.
    QVERIFY(!vocab->isModal());
    QVERIFY(!vocab->parentWidget());
    QVERIFY(principal->isEnabled());
    QCOMPARE(vocab->windowIcon().isNull(), false);

    // A second click keeps the scroll position and brings the window to the front.
    QScrollBar *barra = vocab->RichTextBox1->verticalScrollBar();
    barra->setValue(barra->maximum() / 2);
    const int posicion = barra->value();
    QVERIFY(posicion > 0);
    prueba->Pulsar("cmdAyuda");
    QVERIFY(QTest::qWaitForWindowActive(Abiertas<frmAyuda>().constFirst()));
    prueba->Pulsar("cmdVocab");
    QVERIFY(QTest::qWaitForWindowActive(vocab));
    QCOMPARE(barra->value(), posicion);
}

void TestAyuda::closingDestroysTheWindowAndTheNextOneStartsAtTheTop()
{
    prueba->Pulsar("cmdVocab");
    QPointer<frmVocab> primera = Abiertas<frmVocab>().constFirst();
    primera->show();
    primera->RichTextBox1->verticalScrollBar()->setValue(100);
    primera->close();
    QTRY_VERIFY(!primera);
    prueba->Pulsar("cmdVocab");
    QCOMPARE(Abiertas<frmVocab>().size(), 1);
    QCOMPARE(Abiertas<frmVocab>().constFirst()->RichTextBox1->verticalScrollBar()->value(), 0);
}

void TestAyuda::boxFollowsTheWindowSize()
{
    QCOMPARE(MedidaCaja(4000, 125), std::optional<int>(3875));
    QCOMPARE(MedidaCaja(6000, 540), std::optional<int>(5460));
    QCOMPARE(MedidaCaja(540, 540), std::optional<int>(0));
    QCOMPARE(MedidaCaja(100, 540), std::optional<int>());

    frmAyuda ventana;
    ventana.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ventana));
    ventana.resize(300, 400);
    const QSize exterior = ventana.frameGeometry().size();
    QTRY_COMPARE(ventana.RichTextBox1->size(),
                 QSize((exterior.width() * 15 - 125) / 15, (exterior.height() * 15 - 540) / 15));
    QCOMPARE(ventana.RichTextBox1->pos(), QPoint(0, 8));
    // Too small for the box: no error, the box keeps its last height.
    const int alto = ventana.RichTextBox1->height();
    ventana.resize(200, 20);
    QTRY_COMPARE(ventana.RichTextBox1->width(), (ventana.frameGeometry().width() * 15 - 125) / 15);
    QCOMPARE(ventana.RichTextBox1->height(), alto);
}

void TestAyuda::closingTheMainWindowClosesBoth()
{
    prueba->Pulsar("cmdAyuda");
    prueba->Pulsar("cmdVocab");
    QPointer<frmAyuda> ayuda = Abiertas<frmAyuda>().constFirst();
    QPointer<frmVocab> vocab = Abiertas<frmVocab>().constFirst();
    QVERIFY(!ayuda->testAttribute(Qt::WA_QuitOnClose));
    prueba->ventana.reset();
    QVERIFY(!ayuda);
    QVERIFY(!vocab);
}

QTEST_MAIN(TestAyuda)
#include "tst_ayuda.moc"
