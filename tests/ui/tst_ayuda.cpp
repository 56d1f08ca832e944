#include "apoyo/pruebadeventana.h"
#include "ui/ayuda/lectorrtf.h"
#include "ui/ayuda/ventanadocumento.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

namespace {

QTextCharFormat FormatoEn(const QTextDocument &documento, const QString &texto)
{
    return documento.find(texto).charFormat();
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

class TestAyuda : public PruebaDeVentana
{
    Q_OBJECT
private slots:
    void readsTheRtfSubset_data();
    void readsTheRtfSubset();
    void keepsCharacterAndParagraphFormats();
    void theVocabularyHas73Entries();
    void theHelpHoldsItsStatementsInOrder();
    void eachWindowOpensOnceAndComesToTheFront();
    void theBoxFollowsTheWindowSize();
};

void TestAyuda::readsTheRtfSubset_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("texto");
    QTest::newRow("plain") << QByteArray("{\\rtf1\\ansi hola}") << "hola";
    QTest::newRow("code page escapes") << QByteArray("{\\rtf1 \\'e1\\'e9\\'ed\\'f3\\'fa\\'f1\\'bf\\'85\\'80}")
                                       << "áéíóúñ¿…€";
    QTest::newRow("unicode with its stand-in") << QByteArray("{\\rtf1 \\u8364?x}") << "€x";
    QTest::newRow("paragraphs") << QByteArray("{\\rtf1 uno\\par dos\\par}") << "uno\ndos\n";
    QTest::newRow("line and tab") << QByteArray("{\\rtf1 a\\line b\\tab c}") << "a\nb\tc";
    QTest::newRow("line ends are not text") << QByteArray("{\\rtf1 a\r\nb}") << "ab";
    QTest::newRow("font table and generator skipped")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}{\\*\\generator Riched20;}{\\colortbl;\\red0;}x}") << "x";
    QTest::newRow("header of our documents") << QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3082 \\pard "
                                                           "Caracter\\'edsticas\\par}")
                                             << "Características\n";
    // Broken input never fails.
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("cut escape") << QByteArray("{\\rtf1 a\\'e") << "ae";
    QTest::newRow("huge parameter") << QByteArray("{\\rtf1\\fs99999999999999999999 a\\u99999999999999?}") << "a?";
    QTest::newRow("nesting beyond the cap") << QByteArray(5000, '{') + "hondo" + QByteArray(5000, '}') << "";
    QTest::newRow("unicode skip across a group") << QByteArray("{\\rtf1\\uc5 \\u233{x}y}") << "éxy";
}

void TestAyuda::readsTheRtfSubset()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, texto);
    QTextDocument documento;
    LeerRtf(rtf, documento);
    QCOMPARE(documento.toPlainText(), texto);
}

void TestAyuda::keepsCharacterAndParagraphFormats()
{
    QTextDocument documento;
    LeerRtf("{\\rtf1\\pard\\qc{\\b negra{\\i ambas}solo}normal\\par\\pard izquierda\\line \\fs40 grande\\par}",
            documento);
    // A line break stays inside its paragraph; closing a group brings back the formats it started with.
    QCOMPARE(Parrafos(documento),
             (QStringList{"negraambassolonormal", QStringLiteral("izquierda") + QChar::LineSeparator + "grande", ""}));
    QStringList formatos;
    for (const char *texto : {"negra", "ambas", "solo", "normal"})
        formatos << QStringLiteral("%1%2")
                        .arg(FormatoEn(documento, texto).fontWeight())
                        .arg(FormatoEn(documento, texto).fontItalic());
    QCOMPARE(formatos, (QStringList{"7000", "7001", "7000", "4000"}));
    QCOMPARE(FormatoEn(documento, "grande").fontPointSize(), 20.0);
    QCOMPARE(documento.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(documento.begin().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

void TestAyuda::theVocabularyHas73Entries()
{
    frmVocab ventana;
    QCOMPARE(ventana.windowTitle(), QStringLiteral("Vocabulario ElTarvo"));
    QCOMPARE(ventana.size(), QSize(266, 322));
    const QTextDocument &documento = *ventana.RichTextBox1->document();
    const QStringList parrafos = Parrafos(documento);
    QCOMPARE(parrafos.mid(0, 2), (QStringList{"Vocabulario para ElTarvo", ""}));
    QCOMPARE(documento.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(FormatoEn(documento, "Vocabulario para").fontWeight(), int(QFont::Bold));
    const QStringList entradas = parrafos.mid(2, 73);
    for (const QString &entrada : entradas)
        QVERIFY2(entrada.startsWith(QLatin1Char('-')) && entrada.contains(QLatin1Char('=')), qPrintable(entrada));
    QCOMPARE(entradas.constFirst(), QStringLiteral("-Abrir, abriendo=Open"));
    QVERIFY(entradas.constLast().startsWith(QStringLiteral("-Vincular=")));
    for (const char *citada :
         {"-Cuestión=(Ver 'En Cuestión')", "-Heurísticamente=Que aprende por si mismo (Learns by itself)",
          "-Fuera de juego=Out of play"})
        QVERIFY2(entradas.contains(QString::fromUtf8(citada)), citada);
    // Two empty paragraphs close the list.
    QCOMPARE(parrafos.mid(2 + 73, 2), (QStringList{"", ""}));
}

void TestAyuda::theHelpHoldsItsStatementsInOrder()
{
    frmAyuda ventana;
    QCOMPARE(ventana.windowTitle(), QStringLiteral("Ayuda de 'El Tarvo'"));
    QCOMPARE(ventana.size(), QSize(218, 320));
    const QTextDocument &documento = *ventana.RichTextBox1->document();
    QCOMPARE(Parrafos(documento).mid(0, 4),
             (QStringList{"", "", QStringLiteral("Ayuda El Tarvo 2013 - 2015 versión 3.2"), "Help"}));
    QVERIFY(FormatoEn(documento, "Help").fontItalic());
    const QString texto = documento.toPlainText();
    qsizetype desde = 0;
    for (const char *cita :
         {"New:", "Máximo 32766 caracteres por objeto.", "Introducción:", "Puede recordar 300 objetos.",
          "Incluya textos breves.", "README", "There are (N*2)-1 objects and questions, where N=Number of objects."}) {
        desde = texto.indexOf(QString::fromUtf8(cita), desde);
        QVERIFY2(desde >= 0, cita);
    }
    // Everything after the README rule is English in italics.
    QVERIFY(FormatoEn(documento, "There are (N*2)-1").fontItalic());
    QVERIFY(!FormatoEn(documento, "Introducción:").fontItalic());
}

void TestAyuda::eachWindowOpensOnceAndComesToTheFront()
{
    for (const char *boton : {"cmdAyuda", "cmdAyuda", "cmdVocab", "cmdVocab"})
        Pulsar(boton);
    QCOMPARE(Abiertas<frmAyuda>().size(), 1);
    QCOMPARE(Abiertas<frmVocab>().size(), 1);
    QPointer<frmVocab> vocab = Abiertas<frmVocab>().constFirst();
    QVERIFY(QTest::qWaitForWindowActive(vocab));
    // Modeless and without an owner: the main window stays usable.
    QVERIFY(!vocab->isModal() && !vocab->parentWidget() && ventana->isEnabled());
    // A second click keeps the scroll position and brings the window to the front.
    QScrollBar *barra = vocab->RichTextBox1->verticalScrollBar();
    barra->setValue(barra->maximum() / 2);
    const int posicion = barra->value();
    QVERIFY(posicion > 0);
    Pulsar("cmdAyuda");
    QVERIFY(QTest::qWaitForWindowActive(Abiertas<frmAyuda>().constFirst()));
    Pulsar("cmdVocab");
    QVERIFY(QTest::qWaitForWindowActive(vocab));
    QCOMPARE(barra->value(), posicion);
    // Closed, it is destroyed, and the next one starts at the top.
    vocab->close();
    QTRY_VERIFY(!vocab);
    Pulsar("cmdVocab");
    QCOMPARE(Abiertas<frmVocab>().constFirst()->RichTextBox1->verticalScrollBar()->value(), 0);
    // Both end with the main window.
    QPointer<frmAyuda> ayuda = Abiertas<frmAyuda>().constFirst();
    QVERIFY(!ayuda->testAttribute(Qt::WA_QuitOnClose));
    ventana.reset();
    QVERIFY(!ayuda);
    QVERIFY(Abiertas<frmVocab>().isEmpty());
}

void TestAyuda::theBoxFollowsTheWindowSize()
{
    QCOMPARE(MedidaCaja(4000, 125), std::optional<int>(3875));
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

QTEST_MAIN(TestAyuda)
#include "tst_ayuda.moc"
