#include "kb/cp1252.h"
#include "plataforma/plataformaqt.h"
#include "ui/controles/cajatexto.h"
#include "ui/controles/iconodiferido.h"
#include "ui/controles/visorarchivo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QWindow>

using Contenido = QList<QByteArray>;

namespace {

// The line texts of a view, one per line.
QStringList Lineas(const QPlainTextEdit &vista)
{
    QStringList lineas;
    for (QTextBlock bloque = vista.document()->begin(); bloque.isValid(); bloque = bloque.next())
        lineas << bloque.text();
    return lineas;
}

// What a view that has only ever shown these bytes shows.
QStringList LineasDeUnaVistaNueva(const Contenido &partes)
{
    QPlainTextEdit vista;
    vista.setPlainText(DecodificarCp1252(partes.join()));
    return Lineas(vista);
}

} // namespace

class TestControles : public QObject
{
    Q_OBJECT
private slots:
    // The file view lays out again only the lines that changed; whatever it showed before, it must end up
    // showing what a view that only ever showed the new bytes shows.
    void showsEveryContentAsAFreshViewWould_data();
    void showsEveryContentAsAFreshViewWould();
    void showsRandomEditsOfLineBreaksAsAFreshViewWould();
    void goesBackToTheTopOnEveryShow();
    void aDeferredIconIsMadeOnceWhenFirstDrawn();
    // A text box gives back exactly what it was given, changed only by what the user typed or pasted.
    void aBoxGivesBackItsTextAsItCame_data();
    void aBoxGivesBackItsTextAsItCame();
    // Escape and the close box of a real message box give the answer that changes nothing, or none.
    void escapeAndTheCloseBoxChangeNothing_data();
    void escapeAndTheCloseBoxChangeNothing();
};

void TestControles::showsEveryContentAsAFreshViewWould_data()
{
    QTest::addColumn<QList<Contenido>>("contenidos");
    const QByteArray largo(65535, 'x');
    QTest::newRow("one record changes") << QList<Contenido>{{"a\r\n", "b\r\n", "c\r\n"}, {"a\r\n", "B\r\n", "c\r\n"}};
    QTest::newRow("records added, one changed")
        << QList<Contenido>{{"1\r\n", "2\r\n", "3\r\n"}, {"1\r\n", "5\r\n", "3\r\n", "4\r\n", "6\r\n"}};
    QTest::newRow("records removed") << QList<Contenido>{{"a\r\n", "b\r\n", "c\r\n", "d\r\n"}, {"a\r\n", "d\r\n"}};
    QTest::newRow("first and last lines") << QList<Contenido>{{"a\r\nb\r\nc\r\n"}, {"A\r\nb\r\nC\r\n"}};
    QTest::newRow("the same lines over and over") << QList<Contenido>{{"aa\r\naa\r\naa\r\n"}, {"aa\r\naa\r\n"}};
    QTest::newRow("a file as read, then as written")
        << QList<Contenido>{{"x\r\ny\r\nz\r\n"}, {"x\r\n", "Y\r\n", "z\r\n"}};
    QTest::newRow("lone CR and LF become pairs and back")
        << QList<Contenido>{{"a\rb\nc\r\n"}, {"a\r\nb\r\nc\r\n"}, {"a\rb\nc\r\n"}};
    QTest::newRow("a pair split between pieces") << QList<Contenido>{{"a\r", "\nb\r\n"}, {"a\r", "\nB\r\n"}};
    QTest::newRow("a CR at the end gains and loses its LF")
        << QList<Contenido>{{"a\r\nb\r"}, {"a\r\nb\r\n"}, {"a\r\nb"}};
    QTest::newRow("no line break at the end") << QList<Contenido>{{"a\r\nb"}, {"a\r\nc"}, {"a\r\nc\r\nd"}};
    QTest::newRow("empty and back") << QList<Contenido>{{"a\r\n"}, {}, {"a\r\n"}, {""}};
    QTest::newRow("same bytes in other pieces") << QList<Contenido>{{"ab\r\n", "cd\r\n"}, {"a", "b\r\ncd", "\r\n"}};
    QTest::newRow("another file altogether") << QList<Contenido>{{"uno\r\ndos\r\n"}, {"tres\r\ncuatro\r\n"}};
    QTest::newRow("a pair across a slice of decoding")
        << QList<Contenido>{{largo + "\r\nz"}, {largo + "\r\ny"}, {"a\r\n" + largo + "\r\nb"}};
    QTest::newRow("bytes of the code page") << QList<Contenido>{{"\x80\x9f\r\n\xff"}, {"\x80\x9e\r\n\xff"}};
}

void TestControles::showsEveryContentAsAFreshViewWould()
{
    QFETCH(QList<Contenido>, contenidos);
    VisorArchivo visor(nullptr);
    for (const Contenido &contenido : contenidos) {
        visor.MostrarBytes(contenido);
        QCOMPARE(Lineas(visor), LineasDeUnaVistaNueva(contenido));
    }
}

void TestControles::showsRandomEditsOfLineBreaksAsAFreshViewWould()
{
    // Short contents of few bytes make every kind of line break meet every kind of edit.
    QRandomGenerator azar(1252);
    const auto contenidoAlAzar = [&azar] {
        Contenido partes;
        for (int p = azar.bounded(4); p >= 0; --p) {
            QByteArray parte;
            for (int b = azar.bounded(6); b > 0; --b)
                parte += "ab\r\n"[azar.bounded(4)];
            partes << parte;
        }
        return partes;
    };
    VisorArchivo visor(nullptr);
    for (int i = 0; i < 2000; ++i) {
        const Contenido contenido = contenidoAlAzar();
        visor.MostrarBytes(contenido);
        QVERIFY2(Lineas(visor) == LineasDeUnaVistaNueva(contenido), contenido.join().toHex(' ').constData());
    }
}

void TestControles::goesBackToTheTopOnEveryShow()
{
    VisorArchivo visor(nullptr);
    visor.resize(297, 217);
    visor.show();
    Contenido lineas(200, QByteArray("una l\xednea\r\n"));
    visor.MostrarBytes(lineas);
    visor.moveCursor(QTextCursor::End);
    QVERIFY(visor.verticalScrollBar()->value() > 0);
    lineas[150] = "otra l\xednea\r\n";
    visor.MostrarBytes(lineas);
    QCOMPARE(visor.verticalScrollBar()->value(), 0);
    QCOMPARE(visor.textCursor().position(), 0);
}

void TestControles::aDeferredIconIsMadeOnceWhenFirstDrawn()
{
    int hechos = 0;
    const QIcon icono = IconoDiferido([&hechos] {
        ++hechos;
        QPixmap rojo(16, 16);
        rojo.fill(Qt::red);
        return QIcon(rojo);
    });
    QVERIFY(!icono.isNull());
    QCOMPARE(hechos, 0);
    QCOMPARE(icono.pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red));
    QImage lienzo(16, 16, QImage::Format_ARGB32);
    lienzo.fill(Qt::white);
    QPainter pintor(&lienzo);
    QIcon(icono).paint(&pintor, lienzo.rect());
    pintor.end();
    QCOMPARE(lienzo.pixelColor(8, 8), QColor(Qt::red));
    QCOMPARE(icono.availableSizes(), QList<QSize>{QSize(16, 16)});
    QVERIFY(icono.pixmap(16, QIcon::Disabled).toImage().pixelColor(8, 8) != QColor(Qt::red));
    QCOMPARE(hechos, 1);
}

void TestControles::aBoxGivesBackItsTextAsItCame_data()
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

void TestControles::aBoxGivesBackItsTextAsItCame()
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

void TestControles::escapeAndTheCloseBoxChangeNothing_data()
{
    QTest::addColumn<Plataforma::Botones>("botones");
    QTest::addColumn<bool>("cierre");
    // What the box answers; Aceptar where it must stay up, and is then answered with Retry.
    QTest::addColumn<Plataforma::Respuesta>("respuesta");
    using B = Plataforma::Botones;
    using R = Plataforma::Respuesta;
    QTest::newRow("Yes/No/Cancel, Escape") << B::SiNoCancelar << false << R::Cancelar;
    QTest::newRow("Yes/No/Cancel, close box") << B::SiNoCancelar << true << R::Cancelar;
    QTest::newRow("Yes/No, Escape") << B::SiNo << false << R::No;
    QTest::newRow("Yes/No, close box") << B::SiNo << true << R::No;
    QTest::newRow("Abort/Retry/Ignore, Escape") << B::AnularReintentarOmitir << false << R::Aceptar;
    QTest::newRow("Abort/Retry/Ignore, close box") << B::AnularReintentarOmitir << true << R::Aceptar;
}

void TestControles::escapeAndTheCloseBoxChangeNothing()
{
    QFETCH(Plataforma::Botones, botones);
    QFETCH(bool, cierre);
    QFETCH(Plataforma::Respuesta, respuesta);
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
    const Plataforma::Respuesta dada =
        plataforma.Mensaje(QStringLiteral("¿Continuar?"), QStringLiteral("Prueba"), botones, Plataforma::Icono::Error);
    QCOMPARE(seQuedo, respuesta == Plataforma::Respuesta::Aceptar);
    QCOMPARE(dada, seQuedo ? Plataforma::Respuesta::Reintentar : respuesta);
}

QTEST_MAIN(TestControles)
#include "tst_controles.moc"
