#include "kb/baseconocimiento.h"
#include "kb/cp1252.h"
#include "kb/lineascambiadas.h"
#include "kb/rutas.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

using Contenido = QList<QByteArray>;

namespace {

// A file's text as a view shows it: a CR LF pair is one line break, as a lone CR or LF is.
QString Vista(const QByteArray &bytes)
{
    return DecodificarCp1252(bytes).replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
}

// The lines that CompararLineas finds, replaced in a view of antes, make a view of ahora.
bool CambiaComoUnaVistaNueva(const Contenido &antes, const Contenido &ahora)
{
    const LineasCambiadas cambio = CompararLineas(antes, ahora);
    const QByteArray a = antes.join();
    const QByteArray b = ahora.join();
    if (cambio.iguales)
        return a == b;
    const bool principio = cambio.inicio == 0 || a[cambio.inicio - 1] == '\n';
    return principio && cambio.todas == (cambio.inicio == 0 && cambio.finAntes == a.size()) &&
           Vista(a).replace(cambio.posicion, cambio.largo,
                            Vista(b.mid(cambio.inicio, cambio.finAhora - cambio.inicio))) == Vista(b);
}

} // namespace

class TestBaseConocimiento : public QObject
{
    Q_OBJECT
private slots:
    void everyByteDecodesAndEncodes()
    {
        QByteArray todos;
        for (int b = 0; b < 256; ++b)
            todos += static_cast<char>(b);
        const QString texto = DecodificarCp1252(todos);
        // The euro, the undefined bytes as C1 controls, the ellipsis, the curly quotes, the no-break space.
        QCOMPARE(texto.size(), 256);
        QCOMPARE(texto.mid(0x80, 6) + texto.mid(0x8D, 7) + texto.mid(0x9D, 4),
                 QStringLiteral("€\u0081‚ƒ„…\u008DŽ\u008F\u0090‘’“\u009DžŸ\u00A0"));
        // Outside the code page a character becomes '?'; a surrogate pair is one character.
        QByteArray fuera;
        AnadirCp1252(fuera, QStringLiteral("xĀy") + QChar(0x80) + QStringLiteral("中😀") + QChar(0xD800) + 'z');
        QCOMPARE(fuera, QByteArray("x?y????z"));
    }

    void captionShowsTheFileNameFromTheLast60Characters()
    {
        // A name of 65 shows its last 60 characters; a separator within the last 60 of 70 ends the folder.
        const QString sep = QDir::separator();
        const QString nombre65 = QString(61, QLatin1Char('n')) + QStringLiteral(".tvo");
        QCOMPARE(NombreArchivoParaTitulo(sep + "datos" + sep + nombre65), nombre65.right(60));
        QCOMPARE(NombreArchivoParaTitulo(sep + QString(56, QLatin1Char('c')) + sep + "animales.tvo"), "animales.tvo");
    }

    // A view lays out again only the lines that differ; replacing them must give what a new view would show.
    void findsTheLinesThatChangedInRandomEditsOfLineBreaks()
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
        Contenido antes = contenidoAlAzar();
        for (int i = 0; i < 5000; ++i) {
            const Contenido ahora = contenidoAlAzar();
            QVERIFY2(CambiaComoUnaVistaNueva(antes, ahora),
                     (antes.join() + " / " + ahora.join()).toHex(' ').constData());
            antes = ahora;
        }
    }
};

QTEST_APPLESS_MAIN(TestBaseConocimiento)
#include "tst_baseconocimiento.moc"
