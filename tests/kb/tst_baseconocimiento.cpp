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
    void objectCountCaptionUsesSignedNumberForm_data();
    void objectCountCaptionUsesSignedNumberForm();
    void emptyingClearsEveryLine();
    void everyByteDecodesAndEncodesBack();
    void charactersOutsideTheCodePageBecomeQuestionMarks_data();
    void charactersOutsideTheCodePageBecomeQuestionMarks();
    void captionShowsTheFileNameFromTheLast60Characters_data();
    void captionShowsTheFileNameFromTheLast60Characters();
    // A view lays out again only the lines that differ; replacing them must give what a new view would show.
    void findsTheLinesThatChanged_data();
    void findsTheLinesThatChanged();
    void findsTheLinesThatChangedInRandomEditsOfLineBreaks();
};

void TestBaseConocimiento::objectCountCaptionUsesSignedNumberForm_data()
{
    QTest::addColumn<int>("numLineas");
    QTest::addColumn<QString>("texto");
    QTest::newRow("one line") << 1 << "El archivo tvo contiene  1 objetos";
    QTest::newRow("three lines, two blanks") << 3 << "El archivo tvo contiene  2 objetos";
    QTest::newRow("full base") << 599 << "El archivo tvo contiene  300 objetos";
    QTest::newRow("even count from a file") << 598 << "El archivo tvo contiene  300 objetos";
    QTest::newRow("zero") << 0 << "El archivo tvo contiene  1 objetos";
    // floor(-0.5) is -1, so -1 line gives 0 objects, still with its blank.
    QTest::newRow("minus one") << -1 << "El archivo tvo contiene  0 objetos";
    QTest::newRow("negative, minus sign instead of blank") << -3 << "El archivo tvo contiene -1 objetos";
    QTest::newRow("lowest count") << -32768 << "El archivo tvo contiene -16383 objetos";
    QTest::newRow("highest count") << 32767 << "El archivo tvo contiene  16384 objetos";
}

void TestBaseConocimiento::objectCountCaptionUsesSignedNumberForm()
{
    QFETCH(int, numLineas);
    QFETCH(QString, texto);
    QCOMPARE(TextoObjetosContenidos(static_cast<qint16>(numLineas)), texto);
}

void TestBaseConocimiento::emptyingClearsEveryLine()
{
    BaseConocimiento base;
    base.ValorSi.fill(7);
    base.ValorNo.fill(-7);
    base.TextoLinea.fill(QStringLiteral("x"));
    base.NumLineas = 599;
    base.Caracteristicas = QStringLiteral("se queda");
    base.VaciarLineas();
    QVERIFY(base.ValorSi[599] == 0 && base.ValorNo[1] == 0 && base.TextoLinea[599].isEmpty());
    QVERIFY(std::count(base.TextoLinea.begin() + 1, base.TextoLinea.end(), QString()) == 599);
    QCOMPARE(base.NumLineas, qint16(1));
    QCOMPARE(base.Caracteristicas, QStringLiteral("se queda"));
}

void TestBaseConocimiento::everyByteDecodesAndEncodesBack()
{
    QByteArray todos;
    for (int b = 0; b < 256; ++b)
        todos += static_cast<char>(b);
    const QString texto = DecodificarCp1252(todos);
    QCOMPARE(texto.size(), 256);
    // The euro, the undefined bytes as C1 controls, the ellipsis, the curly quotes, the no-break space.
    QCOMPARE(texto.mid(0x80, 6), QStringLiteral("€\u0081‚ƒ„…"));
    QCOMPARE(texto.mid(0x8D, 7), QStringLiteral("\u008DŽ\u008F\u0090‘’“"));
    QCOMPARE(texto.mid(0x9D, 4), QStringLiteral("\u009DžŸ\u00A0"));
    QByteArray vuelta;
    AnadirCp1252(vuelta, texto);
    QCOMPARE(vuelta, todos);
}

void TestBaseConocimiento::charactersOutsideTheCodePageBecomeQuestionMarks_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Spanish text") << QStringLiteral("¿Está en el árbol? Ñandú")
                                  << QByteArray("\xbf"
                                                "Est\xe1"
                                                " en el \xe1"
                                                "rbol? \xd1"
                                                "and\xfa");
    QTest::newRow("A with macron") << QStringLiteral("xĀy") << QByteArray("x?y");
    QTest::newRow("C1 control without a byte of its own") << QString(QChar(0x80)) << QByteArray("?");
    QTest::newRow("CJK") << QStringLiteral("中文") << QByteArray("??");
    QTest::newRow("surrogate pair is one character") << QStringLiteral("a😀b") << QByteArray("a?b");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + QLatin1Char('z') << QByteArray("?z");
}

void TestBaseConocimiento::charactersOutsideTheCodePageBecomeQuestionMarks()
{
    QFETCH(QString, texto);
    QFETCH(QByteArray, bytes);
    QByteArray salida("prefijo");
    AnadirCp1252(salida, texto);
    QCOMPARE(salida, QByteArray("prefijo") + bytes);
}

void TestBaseConocimiento::captionShowsTheFileNameFromTheLast60Characters_data()
{
    const QString sep = QDir::separator();
    QTest::addColumn<QString>("ruta");
    QTest::addColumn<QString>("nombre");
    QTest::newRow("short path") << sep + QStringLiteral("opt") + sep + QStringLiteral("Nuevo.tvo") << "Nuevo.tvo";
    QTest::newRow("doubled separator of a root folder")
        << sep + sep + QStringLiteral("Nuevo.tvo") << QStringLiteral("Nuevo.tvo");
    const QString carpeta70 = sep + QString(56, QLatin1Char('c')) + sep;
    QTest::newRow("70 characters, separator within the last 60")
        << carpeta70 + QStringLiteral("animales.tvo") << QStringLiteral("animales.tvo");
    const QString nombre65 = QString(61, QLatin1Char('n')) + QStringLiteral(".tvo");
    QTest::newRow("65-character file name") << sep + QStringLiteral("datos") + sep + nombre65 << nombre65.right(60);
    QTest::newRow("no separator at all") << QStringLiteral("suelto.tvo") << QStringLiteral("suelto.tvo");
}

void TestBaseConocimiento::captionShowsTheFileNameFromTheLast60Characters()
{
    QFETCH(QString, ruta);
    QFETCH(QString, nombre);
    QCOMPARE(NombreArchivoParaTitulo(ruta), nombre);
}

void TestBaseConocimiento::findsTheLinesThatChanged_data()
{
    QTest::addColumn<QList<Contenido>>("contenidos");
    const QByteArray largo(65535, 'x');
    QTest::newRow("one record changes") << QList<Contenido>{{"a\r\n", "b\r\n", "c\r\n"}, {"a\r\n", "B\r\n", "c\r\n"}};
    QTest::newRow("records added, one changed")
        << QList<Contenido>{{"1\r\n", "2\r\n", "3\r\n"}, {"1\r\n", "5\r\n", "3\r\n", "4\r\n", "6\r\n"}};
    QTest::newRow("records removed") << QList<Contenido>{{"a\r\n", "b\r\n", "c\r\n", "d\r\n"}, {"a\r\n", "d\r\n"}};
    QTest::newRow("the same lines over and over") << QList<Contenido>{{"aa\r\naa\r\naa\r\n"}, {"aa\r\naa\r\n"}};
    QTest::newRow("lone CR and LF become pairs and back")
        << QList<Contenido>{{"a\rb\nc\r\n"}, {"a\r\nb\r\nc\r\n"}, {"a\rb\nc\r\n"}};
    QTest::newRow("a pair split between pieces") << QList<Contenido>{{"a\r", "\nb\r\n"}, {"a\r", "\nB\r\n"}};
    QTest::newRow("a CR at the end gains and loses its LF")
        << QList<Contenido>{{"a\r\nb\r"}, {"a\r\nb\r\n"}, {"a\r\nb"}};
    QTest::newRow("empty and back") << QList<Contenido>{{"a\r\n"}, {}, {"a\r\n"}, {""}};
    QTest::newRow("same bytes in other pieces") << QList<Contenido>{{"ab\r\n", "cd\r\n"}, {"a", "b\r\ncd", "\r\n"}};
    QTest::newRow("another file altogether") << QList<Contenido>{{"uno\r\ndos\r\n"}, {"tres\r\ncuatro\r\n"}};
    QTest::newRow("past a block of comparing")
        << QList<Contenido>{{largo + "\r\nz"}, {largo + "\r\ny"}, {"a\r\n" + largo + "\r\nb"}};
    QTest::newRow("bytes of the code page") << QList<Contenido>{{"\x80\x9f\r\n\xff"}, {"\x80\x9e\r\n\xff"}};
}

void TestBaseConocimiento::findsTheLinesThatChanged()
{
    QFETCH(QList<Contenido>, contenidos);
    for (qsizetype i = 1; i < contenidos.size(); ++i)
        QVERIFY(CambiaComoUnaVistaNueva(contenidos[i - 1], contenidos[i]));
    QVERIFY(CompararLineas(contenidos[0], contenidos[0]).iguales);
}

void TestBaseConocimiento::findsTheLinesThatChangedInRandomEditsOfLineBreaks()
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
        QVERIFY2(CambiaComoUnaVistaNueva(antes, ahora), (antes.join() + " / " + ahora.join()).toHex(' ').constData());
        antes = ahora;
    }
}

QTEST_APPLESS_MAIN(TestBaseConocimiento)
#include "tst_baseconocimiento.moc"
