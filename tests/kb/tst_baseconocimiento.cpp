#include "kb/baseconocimiento.h"
#include "kb/cp1252.h"
#include "kb/rutas.h"

#include <QDir>
#include <QTest>

class TestBaseConocimiento : public QObject
{
    Q_OBJECT
private slots:
    void objectCountCaptionUsesSignedNumberForm_data();
    void objectCountCaptionUsesSignedNumberForm();
    void emptyingClearsEveryLineUpTo599();
    void usableLinesAreOneTo599_data();
    void usableLinesAreOneTo599();
    void everyByteDecodesAndEncodesBack();
    void decodesTheCodePagesOwnCharacters_data();
    void decodesTheCodePagesOwnCharacters();
    void charactersOutsideTheCodePageBecomeQuestionMarks_data();
    void charactersOutsideTheCodePageBecomeQuestionMarks();
    void captionShowsTheFileNameFromTheLast60Characters_data();
    void captionShowsTheFileNameFromTheLast60Characters();
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

void TestBaseConocimiento::emptyingClearsEveryLineUpTo599()
{
    BaseConocimiento base;
    for (int k = 1; k <= BaseConocimiento::MaxLineas; ++k) {
        base.ValorSi[k] = static_cast<qint16>(k);
        base.ValorNo[k] = static_cast<qint16>(-k);
        base.TextoLinea[k] = QString::number(k);
    }
    base.NumLineas = 599;
    base.Caracteristicas = QStringLiteral("se queda");
    base.VaciarLineas();
    for (int k = 1; k <= BaseConocimiento::MaxLineas; ++k) {
        QCOMPARE(base.ValorSi[k], qint16(0));
        QCOMPARE(base.ValorNo[k], qint16(0));
        QVERIFY(base.TextoLinea[k].isEmpty());
    }
    QCOMPARE(base.Caracteristicas, QStringLiteral("se queda"));
}

void TestBaseConocimiento::usableLinesAreOneTo599_data()
{
    QTest::addColumn<int>("linea");
    QTest::addColumn<bool>("usable");
    QTest::newRow("0, no link") << 0 << false;
    QTest::newRow("first") << 1 << true;
    QTest::newRow("last") << 599 << true;
    QTest::newRow("600") << 600 << false;
    QTest::newRow("negative") << -1 << false;
    QTest::newRow("16-bit extreme") << -32768 << false;
}

void TestBaseConocimiento::usableLinesAreOneTo599()
{
    QFETCH(int, linea);
    QFETCH(bool, usable);
    QCOMPARE(BaseConocimiento::LineaUsable(linea), usable);
}

void TestBaseConocimiento::everyByteDecodesAndEncodesBack()
{
    QByteArray todos;
    for (int b = 0; b < 256; ++b)
        todos += static_cast<char>(b);
    const QString texto = DecodificarCp1252(todos);
    QCOMPARE(texto.size(), 256);
    QByteArray vuelta;
    AnadirCp1252(vuelta, texto);
    QCOMPARE(vuelta, todos);
}

void TestBaseConocimiento::decodesTheCodePagesOwnCharacters_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("caracter");
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("undefined 0x81 is a C1 control") << 0x81 << 0x81;
    QTest::newRow("undefined 0x8D") << 0x8D << 0x8D;
    QTest::newRow("undefined 0x8F") << 0x8F << 0x8F;
    QTest::newRow("undefined 0x90") << 0x90 << 0x90;
    QTest::newRow("undefined 0x9D") << 0x9D << 0x9D;
    QTest::newRow("ellipsis") << 0x85 << 0x2026;
    QTest::newRow("left double quotation mark") << 0x93 << 0x201C;
    QTest::newRow("right double quotation mark") << 0x94 << 0x201D;
    QTest::newRow("y with diaeresis") << 0x9F << 0x0178;
    QTest::newRow("no-break space") << 0xA0 << 0xA0;
    QTest::newRow("inverted question mark") << 0xBF << 0xBF;
    QTest::newRow("i acute") << 0xED << 0xED;
    QTest::newRow("n tilde") << 0xF1 << 0xF1;
    QTest::newRow("NUL") << 0x00 << 0x00;
}

void TestBaseConocimiento::decodesTheCodePagesOwnCharacters()
{
    QFETCH(int, byte);
    QFETCH(int, caracter);
    const QString texto = DecodificarCp1252(QByteArray(1, static_cast<char>(byte)));
    QCOMPARE(texto, QString(QChar(caracter)));
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

QTEST_APPLESS_MAIN(TestBaseConocimiento)
#include "tst_baseconocimiento.moc"
