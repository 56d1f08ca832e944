#include "apoyo/pruebademodelo.h"
#include "apoyo/util.h"

#include <QTest>

using Respuesta = Plataforma::Respuesta;

namespace {
enum class Estado { FueraDeJuego, Jugando, Aprendiendo, BaseLlena };
} // namespace
Q_DECLARE_METATYPE(Estado)

class TestEdicion : public PruebaDeModelo
{
    Q_OBJECT
private slots:
    void aTypedQuoteBecomesAnApostropheAndTypingMarksSomeBoxes_data();
    void aTypedQuoteBecomesAnApostropheAndTypingMarksSomeBoxes();
    void leavingABoxCommitsItsText_data();
    void leavingABoxCommitsItsText();
    void aQuoteIsReportedOnceAndNothingIsStored();
    void leavingCutsTheTextTo32766Characters_data();
    void leavingCutsTheTextTo32766Characters();
    void theBrowserReadsTheNumberAtTheStartOfTheBox_data();
    void theBrowserReadsTheNumberAtTheStartOfTheBox();
    void theArrowsStopAtTheEnds_data();
    void theArrowsStopAtTheEnds();
    void theBrowserGoesOnFromWhereTheGameStopped();

private:
    // BaseCompleta(7) opened, then brought into the given state; the document counts as unchanged.
    void Poner(Estado estado)
    {
        BaseConocimiento base = BaseCompleta(7);
        if (estado == Estado::BaseLlena)
            base.NumLineas = 599;
        Abrir(base);
        if (estado == Estado::BaseLlena)
            guion->ResponderMensaje(Respuesta::Aceptar);
        if (estado != Estado::FueraDeJuego)
            modelo->Jugar();
        if (estado == Estado::Aprendiendo || estado == Estado::BaseLlena) {
            modelo->Responder(true);
            modelo->Responder(true);
            modelo->Responder(false);
        }
    }
    QString &Almacenado(Caja caja) const
    {
        auto &base = const_cast<BaseConocimiento &>(Base());
        return caja == Caja::TipoObjeto ? base.TipoObjeto
               : caja == Caja::Carac    ? base.Caracteristicas
                                        : base.TextoLinea[ElJuego().LineaActual()];
    }
};

void TestEdicion::aTypedQuoteBecomesAnApostropheAndTypingMarksSomeBoxes_data()
{
    QTest::addColumn<Caja>("caja");
    QTest::addColumn<Estado>("estado");
    QTest::addColumn<bool>("marca");
    QTest::newRow("Tipo de objeto, in play") << Caja::TipoObjeto << Estado::Jugando << true;
    QTest::newRow("Caracteristicas, in play") << Caja::Carac << Estado::Jugando << true;
    QTest::newRow("Pregunta, out of play") << Caja::Pregunta << Estado::FueraDeJuego << true;
    QTest::newRow("Pregunta, in play") << Caja::Pregunta << Estado::Jugando << false;
    QTest::newRow("Objeto 1") << Caja::Objeto1 << Estado::FueraDeJuego << false;
    QTest::newRow("Objeto 2") << Caja::Objeto2 << Estado::FueraDeJuego << false;
}

void TestEdicion::aTypedQuoteBecomesAnApostropheAndTypingMarksSomeBoxes()
{
    QFETCH(Caja, caja);
    QFETCH(Estado, estado);
    QFETCH(bool, marca);
    Poner(estado);
    for (int codigo : {int('a'), 3 /* Ctrl+C, which changes nothing */}) {
        Cajas().Tecla(caja, codigo);
        QCOMPARE(modelo->Doc().Modificado, marca);
    }
    int codigo = '"';
    Cajas().Tecla(caja, codigo);
    QCOMPARE(codigo, int('\''));
    // A typographic quote is an ordinary character.
    codigo = 0x201C;
    Cajas().Tecla(caja, codigo);
    QCOMPARE(codigo, 0x201C);
}

void TestEdicion::leavingABoxCommitsItsText_data()
{
    QTest::addColumn<Caja>("caja");
    QTest::addColumn<Estado>("estado");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("guarda");
    const QString nuevo = QStringLiteral("nuevo, \r\ntexto \u00A0“citado”");
    QTest::newRow("Tipo de objeto") << Caja::TipoObjeto << Estado::FueraDeJuego << nuevo << true;
    QTest::newRow("an empty Tipo de objeto") << Caja::TipoObjeto << Estado::FueraDeJuego << QString() << true;
    QTest::newRow("Caracteristicas in play") << Caja::Carac << Estado::Jugando << nuevo << true;
    QTest::newRow("Pregunta out of play") << Caja::Pregunta << Estado::FueraDeJuego << nuevo << true;
    QTest::newRow("Pregunta in play stores nothing") << Caja::Pregunta << Estado::Jugando << nuevo << false;
    QTest::newRow("Pregunta learning") << Caja::Pregunta << Estado::Aprendiendo << nuevo << true;
    QTest::newRow("Pregunta in the full hold") << Caja::Pregunta << Estado::BaseLlena << nuevo << true;
    QTest::newRow("Objeto 1 stores nothing") << Caja::Objeto1 << Estado::FueraDeJuego << nuevo << false;
    QTest::newRow("a visit that changes nothing") << Caja::Pregunta << Estado::FueraDeJuego << "línea 1" << true;
}

void TestEdicion::leavingABoxCommitsItsText()
{
    QFETCH(Caja, caja);
    QFETCH(Estado, estado);
    QFETCH(QString, texto);
    QFETCH(bool, guarda);
    Poner(estado);
    const bool modificadoAntes = modelo->Doc().Modificado;
    const QString antes = Almacenado(caja);
    Cajas().TextoEditado(caja, texto);
    QVERIFY(Cajas().Salir(caja));
    QCOMPARE(Almacenado(caja), guarda ? texto : antes);
    // Storing a text other than the one stored changes the document, however it was edited.
    QCOMPARE(modelo->Doc().Modificado, modificadoAntes || Almacenado(caja) != antes);
}

void TestEdicion::aQuoteIsReportedOnceAndNothingIsStored()
{
    Poner(Estado::FueraDeJuego);
    const QString antes = Base().Caracteristicas;
    Cajas().TextoEditado(Caja::Carac, QStringLiteral("pegado \"con\" \"dos\" comillas"));
    guion->ResponderMensaje(Respuesta::Aceptar);
    QVERIFY(!Cajas().Salir(Caja::Carac));
    QCOMPARE(guion->mensajes.size(), 1);
    QCOMPARE(guion->mensajes[0].texto, QStringLiteral("Quite las comillas del texto Características"));
    QCOMPARE(guion->mensajes[0].titulo, QStringLiteral("Comillas encontradas"));
    QCOMPARE(guion->mensajes[0].botones, Plataforma::Botones::Aceptar);
    QCOMPARE(guion->mensajes[0].icono, Plataforma::Icono::Error);
    QCOMPARE(Base().Caracteristicas, antes);
    QCOMPARE(Cajas().Texto(Caja::Carac), QStringLiteral("pegado \"con\" \"dos\" comillas"));
    QVERIFY(!modelo->Doc().Modificado);
}

void TestEdicion::leavingCutsTheTextTo32766Characters_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("guardado");
    const QString largo(32766, QLatin1Char('a'));
    const QString casi = largo.left(32765);
    QTest::newRow("40000 characters") << largo + QString(7234, QLatin1Char('b')) << largo;
    QTest::newRow("exactly 32766") << largo << largo;
    QTest::newRow("a quote at 32767 is cut away") << largo + QStringLiteral("\"") << largo;
    QTest::newRow("a quote at 32766 is found") << casi + QStringLiteral("\"") << QString();
    // A line break counts two characters; one cut in half goes as a whole.
    QTest::newRow("a line break across the limit") << casi + QStringLiteral("\r\nx") << casi;
    QTest::newRow("a lone CR at the limit stays") << casi + QStringLiteral("\rx") << casi + QStringLiteral("\r");
}

void TestEdicion::leavingCutsTheTextTo32766Characters()
{
    QFETCH(QString, texto);
    QFETCH(QString, guardado);
    Poner(Estado::FueraDeJuego);
    Cajas().TextoEditado(Caja::TipoObjeto, texto);
    if (guardado.isEmpty())
        guion->ResponderMensaje(Respuesta::Aceptar);
    QCOMPARE(Cajas().Salir(Caja::TipoObjeto), !guardado.isEmpty());
    QCOMPARE(Cajas().Texto(Caja::TipoObjeto), guardado.isEmpty() ? texto : guardado);
    if (!guardado.isEmpty())
        QCOMPARE(Base().TipoObjeto, guardado);
}

void TestEdicion::theBrowserReadsTheNumberAtTheStartOfTheBox_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("linea");
    QTest::newRow("5") << "5" << 5;
    QTest::newRow("007") << "007" << 7;
    QTest::newRow("2.9") << "2.9" << 2;
    QTest::newRow("a blank, then 4") << " 4" << 4;
    QTest::newRow("4x") << "4x" << 4;
    QTest::newRow("8, past the last line") << "8" << 3;
    QTest::newRow("0") << "0" << 3;
    QTest::newRow("-2") << "-2" << 3;
    QTest::newRow("-0.5") << "-0.5" << 3;
    QTest::newRow("empty") << "" << 3;
    QTest::newRow("letters") << "abc" << 3;
    QTest::newRow("blanks") << "   " << 3;
    QTest::newRow("above 16 bits") << "70000" << 3;
    QTest::newRow("a huge exponent") << "1e999" << 3;
}

void TestEdicion::theBrowserReadsTheNumberAtTheStartOfTheBox()
{
    QFETCH(QString, texto);
    QFETCH(int, linea);
    Poner(Estado::FueraDeJuego);
    Cajas().RegistroEditado(QStringLiteral("3"));
    Cajas().TeclaRegistro(13);
    Cajas().TextoEditado(Caja::Pregunta, QStringLiteral("sin guardar"));
    const Fondo fondo = ElJuego().FondoDe(Caja::Pregunta);
    Cajas().RegistroEditado(texto);
    Cajas().TeclaRegistro('x');
    QCOMPARE(ElJuego().FilaMostrada().registro, texto);
    Cajas().Validar();
    QCOMPARE(ElJuego().LineaActual(), qint16(linea));
    QCOMPARE(ElJuego().FilaMostrada().registro, QString::number(linea));
    QCOMPARE(ElJuego().FilaMostrada().valorSi, QString::number(Base().ValorSi[linea]));
    QCOMPARE(ElJuego().FilaMostrada().valorNo, QString::number(Base().ValorNo[linea]));
    // A line shown is shown from the base; a rejected number leaves the box as it was.
    QCOMPARE(Cajas().Texto(Caja::Pregunta), linea == 3 ? QStringLiteral("sin guardar") : Base().TextoLinea[linea]);
    QCOMPARE(ElJuego().FondoDe(Caja::Pregunta), fondo);
    QVERIFY(!modelo->Doc().Modificado);
}

void TestEdicion::theArrowsStopAtTheEnds_data()
{
    QTest::addColumn<int>("desde");
    QTest::addColumn<QList<int>>("lineas"); // after | <, <, >, > |
    QTest::newRow("line 1") << 1 << QList<int>{1, 1, 2, 7};
    QTest::newRow("line 4") << 4 << QList<int>{1, 3, 5, 7};
    QTest::newRow("line 7") << 7 << QList<int>{1, 6, 7, 7};
}

void TestEdicion::theArrowsStopAtTheEnds()
{
    QFETCH(int, desde);
    QFETCH(QList<int>, lineas);
    Poner(Estado::FueraDeJuego);
    const QList<void (Edicion::*)()> flechas = {&Edicion::IrAPrimera, &Edicion::IrAAnterior, &Edicion::IrASiguiente,
                                                &Edicion::IrAUltima};
    for (int i = 0; i < flechas.size(); ++i) {
        Cajas().RegistroEditado(QString::number(desde));
        Cajas().Validar();
        (Cajas().*flechas[i])();
        QCOMPARE(int(ElJuego().LineaActual()), lineas[i]);
    }
    // In play the browser is off.
    modelo->Jugar();
    Cajas().IrAUltima();
    QCOMPARE(ElJuego().LineaActual(), qint16(1));
}

void TestEdicion::theBrowserGoesOnFromWhereTheGameStopped()
{
    Poner(Estado::FueraDeJuego);
    modelo->Jugar();
    modelo->Responder(true);
    modelo->Responder(true);
    modelo->Parar();
    QCOMPARE(ElJuego().FilaMostrada().registro, QStringLiteral("4"));
    Cajas().IrASiguiente();
    QCOMPARE(ElJuego().LineaActual(), qint16(5));
}

QTEST_MAIN(TestEdicion)
#include "tst_edicion.moc"
