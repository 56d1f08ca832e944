#include "apoyo/pruebadeventana.h"
#include "ui/ayuda/ventanadocumento.h"

#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

namespace {

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

class TestAyuda : public PruebaDeVentana
{
    Q_OBJECT
private slots:
    // The two documents as the RTF reader builds them: code-page escapes, paragraphs, bold, italic and centred
    // groups, font tables skipped.
    void showsTheTwoDocuments()
    {
        frmVocab vocab;
        frmAyuda ayuda;
        for (const VentanaDocumento *ventana :
             {static_cast<VentanaDocumento *>(&vocab), static_cast<VentanaDocumento *>(&ayuda)})
            QVERIFY(ventana->RichTextBox1->isReadOnly() &&
                    ventana->RichTextBox1->document()->defaultFont() == QFont(QStringLiteral("Arial"), 10));
        const QStringList parrafos = Parrafos(*vocab.RichTextBox1->document());
        // The title, an empty paragraph, 73 entries and two empty paragraphs.
        QCOMPARE(parrafos.mid(0, 3), (QStringList{"Vocabulario para ElTarvobc", "", "-Abrir, abriendo=Open"}));
        QCOMPARE(parrafos.mid(75, 2), (QStringList{"", ""}));
        QVERIFY(parrafos[74].startsWith(QStringLiteral("-Vincular=")));
        for (const QString &entrada : parrafos.mid(2, 73))
            QVERIFY2(entrada.startsWith(QLatin1Char('-')) && entrada.contains(QLatin1Char('=')), qPrintable(entrada));
        QVERIFY(parrafos.contains(QStringLiteral("-Heurísticamente=Que aprende por si mismo (Learns by itself)")));

        const QStringList texto = Parrafos(*ayuda.RichTextBox1->document());
        QCOMPARE(texto.mid(2, 2), (QStringList{QStringLiteral("Ayuda El Tarvo 2013 - 2015 versión 3.2bc"), "Helpbic"}));
        qsizetype desde = 0;
        // In order; everything after the README rule is English in italics.
        for (const char *cita :
             {"New:", "Máximo 32766 caracteres por objeto.", "Introducción:", "Puede recordar 300 objetos.", "README",
              "There are (N*2)-1 objects and questions, where N=Number of objects.i"}) {
            desde = texto.indexOf(QRegularExpression(".*" + QRegularExpression::escape(QString::fromUtf8(cita)) + ".*"),
                                  desde);
            QVERIFY2(desde >= 0, cita);
        }
    }

    void eachWindowOpensOnce()
    {
        for (const char *boton : {"cmdAyuda", "cmdAyuda", "cmdVocab", "cmdVocab"})
            Pulsar(boton);
        QCOMPARE(Abiertas<frmAyuda>().size() + Abiertas<frmVocab>().size(), 2);
        QPointer<frmVocab> vocab = Abiertas<frmVocab>().constFirst();
        QVERIFY(QTest::qWaitForWindowActive(vocab));
        // Modeless and without an owner; a second click keeps the scroll position and brings it to the front.
        QVERIFY(!vocab->isModal() && !vocab->parentWidget() && ventana->isEnabled());
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
        QVERIFY(!ayuda && Abiertas<frmVocab>().isEmpty());
    }
};

QTEST_MAIN(TestAyuda)
#include "tst_ayuda.moc"
